#pragma once

#include <QFileSystemWatcher>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QThread>

class PrinterStatusReader;

// The settings window's link to the printer service: the loaded supply and
// ribbons, the printer firmware version, and the calibration requests.
//
// The printer service publishes its state in the directory
// /run/vh-printer as the file "status.json", one JSON object that it
// replaces whole (write a temporary file, then rename) whenever the state
// changes:
//
//   { "supplyWidth": 4.0, "supplySKU": "VS-4040-W", "supplyColorHEX": "#FFFFFF",
//     "ribbon1ColorHEX": "#000000", "ribbon2ColorHEX": "#D0342C",
//     "firmwareVersion": "2.1.7" }
//
// The file is watched and read whole on every change, in a worker thread of
// the object's own; the values change when the read is done. A missing
// file, a member that is absent or of the wrong type, or a file that is no
// JSON object gives the neutral value (zero width, empty texts); nothing is
// guessed. A file that is not a regular file (a FIFO, a device) is not read,
// and only the first megabyte of one is (PrinterStatusReader).
//
// Calibration requests are delivered as files in the subdirectory
// "requests": each request is a new file named "<milliseconds since
// epoch>-<uuid>.request" whose content is the request's name and a line
// feed ("calibrateSupply" or "calibrateTach"). The service takes and removes
// them in name order. A request that cannot be written is logged.
class VHIPCThread : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double supplyWidth READ supplyWidth NOTIFY supplyWidthChanged)
    Q_PROPERTY(QString supplySKU READ supplySKU NOTIFY supplySKUChanged)
    Q_PROPERTY(QString supplyColorHEX READ supplyColorHEX NOTIFY supplyColorHEXChanged)
    Q_PROPERTY(QString ribbon1ColorHEX READ ribbon1ColorHEX NOTIFY ribbon1ColorHEXChanged)
    Q_PROPERTY(QString ribbon2ColorHEX READ ribbon2ColorHEX NOTIFY ribbon2ColorHEXChanged)
    Q_PROPERTY(QString firmwareVersion READ firmwareVersion NOTIFY firmwareVersionChanged)

public:
    explicit VHIPCThread(QObject *parent = nullptr);
    ~VHIPCThread() override;

    static QString productServiceDirectory();

    // Test hook: tests point the object at a directory of their own. Reads
    // the state found there at once and, while subscribed, follows it.
    void setServiceDirectory(const QString &directory);
    QString serviceDirectory() const { return m_directory; }

    double supplyWidth() const { return m_supplyWidth; }
    QString supplySKU() const { return m_supplySKU; }
    QString supplyColorHEX() const { return m_supplyColorHEX; }
    QString ribbon1ColorHEX() const { return m_ribbon1ColorHEX; }
    QString ribbon2ColorHEX() const { return m_ribbon2ColorHEX; }
    QString firmwareVersion() const { return m_firmwareVersion; }

public slots:
    // Reads the state and, when subscribe is true, follows its changes.
    void initializeVHIPCMembers(bool subscribe);
    // Reads the state again, e.g. after the window saw a new supply.
    void updateSupplyDetails();
    void calibrateSupply();
    void calibrateTach();

signals:
    void supplyWidthChanged();
    void supplySKUChanged();
    void supplyColorHEXChanged();
    void ribbon1ColorHEXChanged();
    void ribbon2ColorHEXChanged();
    void firmwareVersionChanged();
    // A read of the status file has ended, whether or not anything changed.
    void statusRead();

private:
    QString statusFilePath() const;
    void readStatus();
    void applyStatus(const QJsonObject &status);
    void updateWatches();
    void sendRequest(const QString &request);

    QString m_directory;
    bool m_subscribed = false;
    QFileSystemWatcher m_watcher;
    QThread m_thread;
    PrinterStatusReader *m_reader; // lives in m_thread, deleted when it ends
    bool m_reading = false;
    // A change came while a read was under way: read once more after it.
    bool m_readAgain = false;
    double m_supplyWidth = 0.0;
    QString m_supplySKU;
    QString m_supplyColorHEX;
    QString m_ribbon1ColorHEX;
    QString m_ribbon2ColorHEX;
    QString m_firmwareVersion;
};
