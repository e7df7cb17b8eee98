#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class CupsSupport;
class PresetList;

// The printer settings behind the printer pages (QML: SettingsPrinter): takes
// every print option from the print back-end once the queue has answered
// (until then the properties hold a fresh printer's values, and the late
// values arrive as changes), passes the user's changes straight on to it,
// keeps presets and prints test pages.
class VHSettingsPrinter : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString orientationOption READ getOrientationOption NOTIFY orientationOptionChanged)
    Q_PROPERTY(QString cutOption READ getCutOption NOTIFY cutOptionChanged)
    Q_PROPERTY(QString ditheringMethod READ getDitheringMethod NOTIFY ditheringMethodChanged)
    Q_PROPERTY(int orientationEnum READ getOrientationEnum NOTIFY orientationEnumChanged)
    Q_PROPERTY(int cutEnum READ getCutEnum NOTIFY cutEnumChanged)
    Q_PROPERTY(int head1HeatOffset READ getHead1HeatOffset NOTIFY head1HeatOffsetChanged)
    Q_PROPERTY(int head2HeatOffset READ getHead2HeatOffset NOTIFY head2HeatOffsetChanged)
    Q_PROPERTY(bool mirror READ getMirror NOTIFY mirrorChanged)
    Q_PROPERTY(bool negative READ getNegative NOTIFY negativeChanged)
    Q_PROPERTY(bool overprint READ getOverprint NOTIFY overprintChanged)
    Q_PROPERTY(bool whitebase READ getWhitebase NOTIFY whitebaseChanged)
    Q_PROPERTY(bool ribbonSaver READ getRibbonSaver NOTIFY ribbonSaverChanged)
    Q_PROPERTY(QStringList orientationComboBoxModel READ getOrientationComboBoxModel NOTIFY
                   orientationComboBoxModelChanged)
    Q_PROPERTY(QStringList cutComboBoxModel READ getCutComboBoxModel NOTIFY cutComboBoxModelChanged)
    Q_PROPERTY(QStringList ditheringComboBoxModel READ getDitheringComboBoxModel NOTIFY
                   ditheringComboBoxModelChanged)
    Q_PROPERTY(int backfeedOffset READ getBackfeedOffset NOTIFY backfeedOffsetChanged)
    Q_PROPERTY(int feedOffset READ getFeedOffset NOTIFY feedOffsetChanged)
    Q_PROPERTY(int horizontal1Offset READ getHorizontal1Offset NOTIFY horizontal1OffsetChanged)
    Q_PROPERTY(int horizontal2Offset READ getHorizontal2Offset NOTIFY horizontal2OffsetChanged)
    Q_PROPERTY(int vertical1Offset READ getVertical1Offset NOTIFY vertical1OffsetChanged)
    Q_PROPERTY(int vertical2Offset READ getVertical2Offset NOTIFY vertical2OffsetChanged)
    Q_PROPERTY(int r1Tension READ getR1Tension NOTIFY r1TensionChanged)
    Q_PROPERTY(int r2Tension READ getR2Tension NOTIFY r2TensionChanged)

public:
    // The test-page folder is fixed for the product; tests pass their own.
    explicit VHSettingsPrinter(QObject *parent = nullptr, const QString &testPages = defaultTestPageFolder());
    ~VHSettingsPrinter() override;

    static QString defaultTestPageFolder();
    // Holds back the print system's work that nobody waits for (the reading
    // of the printer's options included) until released: a window holds it
    // while it starts.
    static void holdPrintSystem();
    static void releasePrintSystem();
    // Whether the printer's options have arrived from the print system.
    bool hasPrinterOptions() const;

    QString getOrientationOption() const { return orientationOption; }
    QString getCutOption() const { return cutOption; }
    QString getDitheringMethod() const { return ditheringMethod; }
    int getOrientationEnum() const { return orientationEnum; }
    int getCutEnum() const { return cutEnum; }
    int getHead1HeatOffset() const { return head1HeatOffset; }
    int getHead2HeatOffset() const { return head2HeatOffset; }
    bool getMirror() const { return mirror; }
    bool getNegative() const { return negative; }
    bool getOverprint() const { return overprint; }
    bool getWhitebase() const { return whitebase; }
    bool getRibbonSaver() const { return ribbonSaver; }
    QStringList getOrientationComboBoxModel() const { return orientationComboBoxModel; }
    QStringList getCutComboBoxModel() const { return cutComboBoxModel; }
    QStringList getDitheringComboBoxModel() const { return ditheringComboBoxModel; }
    int getBackfeedOffset() const { return backfeedOffset; }
    int getFeedOffset() const { return feedOffset; }
    int getHorizontal1Offset() const { return horizontal1Offset; }
    int getHorizontal2Offset() const { return horizontal2Offset; }
    int getVertical1Offset() const { return vertical1Offset; }
    int getVertical2Offset() const { return vertical2Offset; }
    int getR1Tension() const { return r1Tension; }
    int getR2Tension() const { return r2Tension; }

signals:
    void orientationOptionChanged(QString orientationOption);
    void cutOptionChanged(QString cutOption);
    void ditheringMethodChanged(QString ditheringMethod);
    void orientationEnumChanged(int orientationEnum);
    void cutEnumChanged(int cutEnum);
    void head1HeatOffsetChanged(int head1HeatOffset);
    void head2HeatOffsetChanged(int head2HeatOffset);
    void mirrorChanged(bool mirror);
    void negativeChanged(bool negative);
    void overprintChanged(bool overprint);
    void whitebaseChanged(bool whitebase);
    void ribbonSaverChanged(bool ribbonSaver);
    void orientationComboBoxModelChanged(QStringList orientationComboBoxModel);
    void cutComboBoxModelChanged(QStringList cutComboBoxModel);
    void ditheringComboBoxModelChanged(QStringList ditheringComboBoxModel);
    void backfeedOffsetChanged(int backfeedOffset);
    void feedOffsetChanged(int feedOffset);
    void horizontal1OffsetChanged(int horizontal1Offset);
    void horizontal2OffsetChanged(int horizontal2Offset);
    void vertical1OffsetChanged(int vertical1Offset);
    void vertical2OffsetChanged(int vertical2Offset);
    void r1TensionChanged(int r1Tension);
    void r2TensionChanged(int r2Tension);

public slots:
    void printTestPage(double supplyWidth);
    void setBackfeedOffset(int backfeedOffset);
    void setCutOption(QString cutOptionName);
    void setDitheringMethod(QString ditheringName);
    void setFeedOffset(int feedOffset);
    void setHead1HeatOffset(int heatOffset);
    void setHead2HeatOffset(int heatOffset);
    void setHorizontal1Offset(int horizontal1Offset);
    void setHorizontal2Offset(int horizontal2Offset);
    void setMirror(bool mirror);
    void setNegative(bool negative);
    void setOverprint(bool overprint);
    void setWhitebase(bool whitebase);
    void setPrintOrientation(QString orientationName);
    void setVertical1Offset(int vertical1Offset);
    void setVertical2Offset(int vertical2Offset);
    void setR1Tension(int r1Tension);
    void setR2Tension(int r2Tension);
    void setRibbonSaver(bool ribbonSaver);
    bool addPreset(QString presetName);
    void deletePreset(QString presetName);
    QStringList populatePresetList();
    QStringList loadPreset(QString presetName);

private slots:
    void populateOrientationMap();
    void populateDitheringMap();
    void populateCutOptionsMap();

private:
    // Takes every option from the back-end; announces the properties that
    // change, except while constructing.
    void takeBackEndValues(bool announce);
    // The option list of a preset made from the back-end's present values.
    QStringList presentOptions() const;
    // Presets added before the printer's options arrived hold a fresh
    // printer's values where the user had set none: made anew on arrival.
    void remakePresetsAwaitingOptions();

    QString orientationOption;
    QString cutOption;
    QString ditheringMethod;
    int orientationEnum = 0;
    int cutEnum = 0;
    int head1HeatOffset = 0;
    int head2HeatOffset = 0;
    bool mirror = false;
    bool negative = false;
    bool overprint = false;
    bool whitebase = false;
    bool ribbonSaver = false;
    QStringList orientationComboBoxModel;
    QStringList cutComboBoxModel;
    QStringList ditheringComboBoxModel;
    int backfeedOffset = 0;
    int feedOffset = 0;
    int horizontal1Offset = 0;
    int horizontal2Offset = 0;
    int vertical1Offset = 0;
    int vertical2Offset = 0;
    int r1Tension = 0;
    int r2Tension = 0;
    QString ditherSuffix;
    QString orderedDitherSuffix;
    QMap<QString, int> orientationMap;
    QMap<QString, int> ditheringMap;
    QMap<QString, int> cutOptionsMap;
    std::unique_ptr<CupsSupport> cupsSupport;
    std::unique_ptr<PresetList> presetList;
    const QString testPageFolder;
    QStringList presetsAwaitingOptions;
};
