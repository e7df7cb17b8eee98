#pragma once

#include <QObject>
#include <QString>

// The settings window's link to the printer service: the loaded supply and
// ribbons, the printer firmware version, and the calibration requests.
//
// This build has no printer service to talk to yet, so every value stays
// neutral (empty texts, zero width) and the requests are only logged.
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

    double supplyWidth() const { return 0.0; }
    QString supplySKU() const { return QString(); }
    QString supplyColorHEX() const { return QString(); }
    QString ribbon1ColorHEX() const { return QString(); }
    QString ribbon2ColorHEX() const { return QString(); }
    QString firmwareVersion() const { return QString(); }

public slots:
    void initializeVHIPCMembers(bool subscribe);
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
};
