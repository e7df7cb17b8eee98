#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

#include "AboutInfo.h"
#include "ShipVariant.h"
#include "UtilityDaemonCalls.h"
#include "VHLocaleLanguages.h"

class ClockRequestQueue;
class QIODevice;
class SocketServer;

// The settings core: reads and writes the catalogue's keys in the per-user
// settings file, hands OS-level changes on (utility daemon, timedatectl, the
// compositor's env file, boot-loader tools), answers device-information
// questions and, in the GUI, takes tab requests on a local socket.
//
// The properties are a snapshot taken at construction; writes go to the file
// without updating them (except the first-launch list).
class VHSettingsMain : public QObject
{
    Q_OBJECT

    Q_PROPERTY(QString GROUP_LOCALE READ getGROUP_LOCALE CONSTANT)
    Q_PROPERTY(QString GROUP_DISPLAY READ getGROUP_DISPLAY CONSTANT)
    Q_PROPERTY(QString GROUP_PRIVACY READ getGROUP_PRIVACY CONSTANT)
    Q_PROPERTY(QString GROUP_DATETIME READ getGROUP_DATETIME CONSTANT)
    Q_PROPERTY(QString GROUP_UPDATES READ getGROUP_UPDATES CONSTANT)
    Q_PROPERTY(QString GROUP_INIT READ getGROUP_INIT CONSTANT)
    Q_PROPERTY(QString GROUP_LOCKSCREEN READ getGROUP_LOCKSCREEN CONSTANT)
    Q_PROPERTY(QString GROUP_HOME READ getGROUP_HOME CONSTANT)
    Q_PROPERTY(QString KEY_LANGUAGE READ getKEY_LANGUAGE CONSTANT)
    Q_PROPERTY(QString KEY_UNITS READ getKEY_UNITS CONSTANT)
    Q_PROPERTY(QString KEY_KEYBOARD_LAYOUT READ getKEY_KEYBOARD_LAYOUT CONSTANT)
    Q_PROPERTY(QString KEY_DISPLAY_BRIGHTNESS READ getKEY_DISPLAY_BRIGHTNESS CONSTANT)
    Q_PROPERTY(QString KEY_DISPLAY_DIMMING READ getKEY_DISPLAY_DIMMING CONSTANT)
    Q_PROPERTY(QString KEY_DISPLAY_POWER READ getKEY_DISPLAY_POWER CONSTANT)
    Q_PROPERTY(QString KEY_PRIVACY_ANALYTICS READ getKEY_PRIVACY_ANALYTICS CONSTANT)
    Q_PROPERTY(QString KEY_MOUNT_SHARED_FOLDER READ getKEY_MOUNT_SHARED_FOLDER CONSTANT)
    Q_PROPERTY(QString KEY_DATETIME_24HOUR READ getKEY_DATETIME_24HOUR CONSTANT)
    Q_PROPERTY(QString KEY_DATETIME_AUTO READ getKEY_DATETIME_AUTO CONSTANT)
    Q_PROPERTY(QString KEY_DATETIME_FORMAT READ getKEY_DATETIME_FORMAT CONSTANT)
    Q_PROPERTY(QString KEY_UPDATE_AUTOCHECK READ getKEY_UPDATE_AUTOCHECK CONSTANT)
    Q_PROPERTY(QString KEY_UPDATE_LASTCHECK READ getKEY_UPDATE_LASTCHECK CONSTANT)
    Q_PROPERTY(QString KEY_INIT_FIRSTBOOTAPP READ getKEY_INIT_FIRSTBOOTAPP CONSTANT)
    Q_PROPERTY(QString KEY_INIT_FIRSTBOOTPAGE READ getKEY_INIT_FIRSTBOOTPAGE CONSTANT)
    Q_PROPERTY(QString KEY_LOCK_AUTO READ getKEY_LOCK_AUTO CONSTANT)
    Q_PROPERTY(QString KEY_ZOOMLEVEL READ getKEY_ZOOMLEVEL CONSTANT)
    Q_PROPERTY(QString KEY_APPCOLLAPSED READ getKEY_APPCOLLAPSED CONSTANT)
    Q_PROPERTY(QString KEY_DOUBLECLICK READ getKEY_DOUBLECLICK CONSTANT)
    Q_PROPERTY(QString KEY_FIRSTLAUNCHLIST READ getKEY_FIRSTLAUNCHLIST CONSTANT)
    Q_PROPERTY(QString settingLanguage READ getSettingLanguage NOTIFY settingLanguageChanged)
    Q_PROPERTY(uint settingUnits READ getSettingUnits NOTIFY settingUnitsChanged)
    Q_PROPERTY(
        QString settingKeyboardLayout READ getSettingKeyboardLayout NOTIFY settingKeyboardLayoutChanged)
    Q_PROPERTY(
        uint settingDisplayBrightness READ getSettingDisplayBrightness NOTIFY settingDisplayBrightnessChanged)
    Q_PROPERTY(int settingDisplayDimming READ getSettingDisplayDimming NOTIFY settingDisplayDimmingChanged)
    Q_PROPERTY(int settingDisplayPower READ getSettingDisplayPower NOTIFY settingDisplayPowerChanged)
    Q_PROPERTY(
        bool settingPrivacyAnalytics READ getSettingPrivacyAnalytics NOTIFY settingPrivacyAnalyticsChanged)
    Q_PROPERTY(bool settingDateTime24Hour READ getSettingDateTime24Hour NOTIFY settingDateTime24HourChanged)
    Q_PROPERTY(bool settingDateTimeAuto READ getSettingDateTimeAuto NOTIFY settingDateTimeAutoChanged)
    Q_PROPERTY(QString settingDateFormat READ getSettingDateFormat NOTIFY settingDateFormatChanged)
    Q_PROPERTY(
        bool settingUpdateAutoCheck READ getSettingUpdateAutoCheck NOTIFY settingUpdateAutoCheckChanged)
    Q_PROPERTY(
        QString settingUpdateLastCheck READ getSettingUpdateLastCheck NOTIFY settingUpdateLastCheckChanged)
    Q_PROPERTY(bool settingFirstBootApplication READ getSettingFirstBootApplication NOTIFY
                   settingFirstBootApplicationChanged)
    Q_PROPERTY(bool settingLockscreenAuto READ getSettingLockscreenAuto NOTIFY settingLockscreenAutoChanged)
    Q_PROPERTY(uint settingZoomeLevel READ getSettingZoomeLevel NOTIFY settingZoomeLevelChanged)
    Q_PROPERTY(bool settingAppCollapsed READ getSettingAppCollapsed NOTIFY settingAppCollapsedChanged)
    Q_PROPERTY(
        bool settingDoubleClickOpen READ getSettingDoubleClickOpen NOTIFY settingDoubleClickOpenChanged)
    Q_PROPERTY(
        bool settingMountSharedFolder READ getSettingMountSharedFolder NOTIFY settingMountSharedFolderChanged)
    Q_PROPERTY(QStringList settingFirstLaunchAppList READ getSettingFirstLaunchAppList NOTIFY
                   settingFirstLaunchAppListChanged)
    Q_PROPERTY(QStringList languagesComboBoxModel READ getLanguagesComboBoxModel NOTIFY
                   languagesComboBoxModelChanged)
    Q_PROPERTY(QStringList keyboardLanguagesComboBoxModel READ getKeyboardLanguagesComboBoxModel NOTIFY
                   keyboardLanguagesComboBoxModelChanged)
    Q_PROPERTY(bool isMilitaryShipped READ cachedIsMilitaryShipped NOTIFY isMilitaryShippedChanged)
    // What the utility daemon and the system's tools answer arrives later;
    // these say when (the window never waits for them).
    Q_PROPERTY(ShipVariant *shipVariant READ getShipVariant CONSTANT)
    Q_PROPERTY(AboutInfo *aboutInfo READ getAboutInfoTexts CONSTANT)

public:
    explicit VHSettingsMain(QObject *parent = nullptr, bool startServer = false);
    ~VHSettingsMain() override;

    // The store itself. Both throw std::out_of_range for a key outside the
    // catalogue, before anything is written; the command line reports that.
    // The slots getSetting/setSetting log it and return an invalid value.
    QVariant readSetting(const QString &settingKey, const QVariant &defaultValue) const;
    // Returns false when the settings file could not be written.
    bool writeSetting(const QString &settingKey, QVariant settingValue);

    QString getGROUP_LOCALE() const { return GROUP_LOCALE; }
    QString getGROUP_DISPLAY() const { return GROUP_DISPLAY; }
    QString getGROUP_PRIVACY() const { return GROUP_PRIVACY; }
    QString getGROUP_DATETIME() const { return GROUP_DATETIME; }
    QString getGROUP_UPDATES() const { return GROUP_UPDATES; }
    QString getGROUP_INIT() const { return GROUP_INIT; }
    QString getGROUP_LOCKSCREEN() const { return GROUP_LOCKSCREEN; }
    QString getGROUP_HOME() const { return GROUP_HOME; }
    QString getKEY_LANGUAGE() const { return KEY_LANGUAGE; }
    QString getKEY_UNITS() const { return KEY_UNITS; }
    QString getKEY_KEYBOARD_LAYOUT() const { return KEY_KEYBOARD_LAYOUT; }
    QString getKEY_DISPLAY_BRIGHTNESS() const { return KEY_DISPLAY_BRIGHTNESS; }
    QString getKEY_DISPLAY_DIMMING() const { return KEY_DISPLAY_DIMMING; }
    QString getKEY_DISPLAY_POWER() const { return KEY_DISPLAY_POWER; }
    QString getKEY_PRIVACY_ANALYTICS() const { return KEY_PRIVACY_ANALYTICS; }
    QString getKEY_MOUNT_SHARED_FOLDER() const { return KEY_MOUNT_SHARED_FOLDER; }
    QString getKEY_DATETIME_24HOUR() const { return KEY_DATETIME_24HOUR; }
    QString getKEY_DATETIME_AUTO() const { return KEY_DATETIME_AUTO; }
    QString getKEY_DATETIME_FORMAT() const { return KEY_DATETIME_FORMAT; }
    QString getKEY_UPDATE_AUTOCHECK() const { return KEY_UPDATE_AUTOCHECK; }
    QString getKEY_UPDATE_LASTCHECK() const { return KEY_UPDATE_LASTCHECK; }
    QString getKEY_INIT_FIRSTBOOTAPP() const { return KEY_INIT_FIRSTBOOTAPP; }
    QString getKEY_INIT_FIRSTBOOTPAGE() const { return KEY_INIT_FIRSTBOOTPAGE; }
    QString getKEY_LOCK_AUTO() const { return KEY_LOCK_AUTO; }
    QString getKEY_ZOOMLEVEL() const { return KEY_ZOOMLEVEL; }
    QString getKEY_APPCOLLAPSED() const { return KEY_APPCOLLAPSED; }
    QString getKEY_DOUBLECLICK() const { return KEY_DOUBLECLICK; }
    QString getKEY_FIRSTLAUNCHLIST() const { return KEY_FIRSTLAUNCHLIST; }
    QString getSettingLanguage() const { return settingLanguage; }
    uint getSettingUnits() const { return settingUnits; }
    QString getSettingKeyboardLayout() const { return settingKeyboardLayout; }
    uint getSettingDisplayBrightness() const { return settingDisplayBrightness; }
    int getSettingDisplayDimming() const { return settingDisplayDimming; }
    int getSettingDisplayPower() const { return settingDisplayPower; }
    bool getSettingPrivacyAnalytics() const { return settingPrivacyAnalytics; }
    bool getSettingDateTime24Hour() const { return settingDateTime24Hour; }
    bool getSettingDateTimeAuto() const { return settingDateTimeAuto; }
    QString getSettingDateFormat() const { return settingDateFormat; }
    bool getSettingUpdateAutoCheck() const { return settingUpdateAutoCheck; }
    QString getSettingUpdateLastCheck() const { return settingUpdateLastCheck; }
    bool getSettingFirstBootApplication() const { return settingFirstBootApplication; }
    bool getSettingLockscreenAuto() const { return settingLockscreenAuto; }
    uint getSettingZoomeLevel() const { return settingZoomeLevel; }
    bool getSettingAppCollapsed() const { return settingAppCollapsed; }
    bool getSettingDoubleClickOpen() const { return settingDoubleClickOpen; }
    bool getSettingMountSharedFolder() const { return settingMountSharedFolder; }
    QStringList getSettingFirstLaunchAppList() const { return settingFirstLaunchAppList; }
    QStringList getLanguagesComboBoxModel() const { return languagesComboBoxModel; }
    QStringList getKeyboardLanguagesComboBoxModel() const { return keyboardLanguagesComboBoxModel; }
    // Answers what is known; false until the shipping variant is known.
    bool cachedIsMilitaryShipped();
    ShipVariant *getShipVariant() { return &shipVariant; }
    AboutInfo *getAboutInfoTexts() { return &aboutInfo; }

    // Daemon calls are not waited for; a caller without an event loop (the
    // command line) collects their replies here, each within its time-out.
    void finishDaemonCalls();

signals:
    void settingLanguageChanged(QString settingLanguage);
    void settingUnitsChanged(uint settingUnits);
    void settingKeyboardLayoutChanged(QString settingKeyboardLayout);
    void settingDisplayBrightnessChanged(uint settingDisplayBrightness);
    void settingDisplayDimmingChanged(int settingDisplayDimming);
    void settingDisplayPowerChanged(int settingDisplayPower);
    void settingPrivacyAnalyticsChanged(bool settingPrivacyAnalytics);
    void settingDateTime24HourChanged(bool settingDateTime24Hour);
    void settingDateTimeAutoChanged(bool settingDateTimeAuto);
    void settingDateFormatChanged(QString settingDateFormat);
    void settingUpdateAutoCheckChanged(bool settingUpdateAutoCheck);
    void settingUpdateLastCheckChanged(QString settingUpdateLastCheck);
    void settingFirstBootApplicationChanged(bool settingFirstBootApplication);
    void settingLockscreenAutoChanged(bool settingLockscreenAuto);
    void settingZoomeLevelChanged(uint settingZoomeLevel);
    void settingAppCollapsedChanged(bool settingAppCollapsed);
    void settingDoubleClickOpenChanged(bool settingDoubleClickOpen);
    void settingMountSharedFolderChanged(bool settingMountSharedFolder);
    void settingFirstLaunchAppListChanged(QStringList settingFirstLaunchAppList);
    void languagesComboBoxModelChanged(QStringList languagesComboBoxModel);
    void keyboardLanguagesComboBoxModelChanged(QStringList keyboardLanguagesComboBoxModel);
    void isMilitaryShippedChanged(bool isMilitaryShipped);
    void tabEnumChanged(int tabEnum);

public slots:
    void setSetting(QString settingKey, QVariant settingValue);
    QVariant getSetting(QString settingKey, QVariant defaultValue = QVariant(QStringLiteral("")));
    void setTime(QString minutes, QString hours);
    void setDate(QString year, QString month, QString day);
    void setAutoTime(bool enabled);
    void setKeyboardLanguage(int layoutIndex);
    QVariant getLanguageCode(int index);
    int getLanguageIndex();
    QStringList getLanguageComboBoxModel();
    QStringList getKeyboardLanguageComboBoxModel();
    // These three answer what is known now and never wait: a value still
    // unknown is asked for and arrives through aboutInfo or shipVariant.
    QString getAboutInfo(int field);
    QStringList formatOffsets();
    bool isMilitaryShipped();
    void resetSupplyCalibration();
    void sendAnalyticHit(QString settingName, QVariant newValue);

private slots:
    void localSocketDataReceived();
    void newClientConnection();

private:
    Q_DISABLE_COPY(VHSettingsMain)

    void startLocalServer();


    const QString GROUP_LOCALE;
    const QString GROUP_DISPLAY;
    const QString GROUP_PRIVACY;
    const QString GROUP_DATETIME;
    const QString GROUP_UPDATES;
    const QString GROUP_INIT;
    const QString GROUP_LOCKSCREEN;
    const QString GROUP_HOME;
    const QString KEY_LANGUAGE;
    const QString KEY_UNITS;
    const QString KEY_KEYBOARD_LAYOUT;
    const QString KEY_DISPLAY_BRIGHTNESS;
    const QString KEY_DISPLAY_DIMMING;
    const QString KEY_DISPLAY_POWER;
    const QString KEY_PRIVACY_ANALYTICS;
    const QString KEY_MOUNT_SHARED_FOLDER;
    const QString KEY_DATETIME_24HOUR;
    const QString KEY_DATETIME_AUTO;
    const QString KEY_DATETIME_FORMAT;
    const QString KEY_UPDATE_AUTOCHECK;
    const QString KEY_UPDATE_LASTCHECK;
    const QString KEY_INIT_FIRSTBOOTAPP;
    const QString KEY_INIT_FIRSTBOOTPAGE;
    const QString KEY_LOCK_AUTO;
    const QString KEY_ZOOMLEVEL;
    const QString KEY_APPCOLLAPSED;
    const QString KEY_DOUBLECLICK;
    const QString KEY_FIRSTLAUNCHLIST;

    QString settingLanguage;
    uint settingUnits = 0;
    QString settingKeyboardLayout;
    uint settingDisplayBrightness = 0;
    int settingDisplayDimming = 0;
    int settingDisplayPower = 0;
    bool settingPrivacyAnalytics = false;
    bool settingDateTime24Hour = false;
    bool settingDateTimeAuto = false;
    QString settingDateFormat;
    bool settingUpdateAutoCheck = false;
    QString settingUpdateLastCheck;
    bool settingFirstBootApplication = false;
    bool settingLockscreenAuto = false;
    uint settingZoomeLevel = 0;
    bool settingAppCollapsed = false;
    bool settingDoubleClickOpen = false;
    bool settingMountSharedFolder = false;
    QStringList settingFirstLaunchAppList;
    QStringList languagesComboBoxModel;
    QStringList keyboardLanguagesComboBoxModel;
    QString analyticsSessionId;
    VHLocaleLanguages localeLanguages;
    // Shared with the time-zone helper of the window, so requests keep their order.
    std::shared_ptr<ClockRequestQueue> clockRequests;
    std::unique_ptr<SocketServer> socketServer;
    QPointer<QIODevice> currentClient;
    UtilityDaemonCalls daemonCalls;
    ShipVariant shipVariant;
    AboutInfo aboutInfo;
};
