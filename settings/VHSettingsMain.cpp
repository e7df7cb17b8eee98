#include "VHSettingsMain.h"

#include "AnalyticsLibrary.h"
#include "ClockRequestQueue.h"
#include "DeviceInfo.h"
#include "KeyboardEnvFile.h"
#include "SettingsFile.h"
#include "SettingsKeys.h"
#include "SettingsLogging.h"
#include "SocketServer.h"
#include "TabRequestDecoder.h"
#include "UtilityDaemonClient.h"
#include "VHSettingsAboutInfoFields.h"
#include "VHSettingsCatalogue.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDebug>
#include <QJsonObject>
#include <QProcess>
#include <QThreadPool>
#include <QUuid>

#include <stdexcept>

namespace {

QString settingsPath(const QString &settingKey)
{
    const std::string &group = VHSettingsCatalogue::keyGroups.at(settingKey.toStdString());
    if (group.empty())
        return settingKey;
    return QString::fromStdString(group) + QLatin1Char('/') + settingKey;
}

} // namespace

VHSettingsMain::VHSettingsMain(QObject *parent, bool startServer)
    : QObject(parent)
    , GROUP_LOCALE(QLatin1String(SettingsGroups::locale))
    , GROUP_DISPLAY(QLatin1String(SettingsGroups::display))
    , GROUP_PRIVACY(QLatin1String(SettingsGroups::privacy))
    , GROUP_DATETIME(QLatin1String(SettingsGroups::dateTime))
    , GROUP_UPDATES(QLatin1String(SettingsGroups::updates))
    , GROUP_INIT(QLatin1String(SettingsGroups::initialization))
    , GROUP_LOCKSCREEN(QLatin1String(SettingsGroups::lockscreen))
    , GROUP_HOME(QLatin1String(SettingsGroups::home))
    , KEY_LANGUAGE(QLatin1String(SettingsKeys::language))
    , KEY_UNITS(QLatin1String(SettingsKeys::units))
    , KEY_KEYBOARD_LAYOUT(QLatin1String(SettingsKeys::keyboardLayout))
    , KEY_DISPLAY_BRIGHTNESS(QLatin1String(SettingsKeys::brightnessLevel))
    , KEY_DISPLAY_DIMMING(QLatin1String(SettingsKeys::dimmingInactive))
    , KEY_DISPLAY_POWER(QLatin1String(SettingsKeys::powerInactive))
    , KEY_PRIVACY_ANALYTICS(QLatin1String(SettingsKeys::sendAnalytics))
    , KEY_MOUNT_SHARED_FOLDER(QLatin1String(SettingsKeys::mountSharedFolder))
    , KEY_DATETIME_24HOUR(QLatin1String(SettingsKeys::twentyFourHour))
    , KEY_DATETIME_AUTO(QLatin1String(SettingsKeys::automaticDateTime))
    , KEY_DATETIME_FORMAT(QLatin1String(SettingsKeys::dateFormat))
    , KEY_UPDATE_AUTOCHECK(QLatin1String(SettingsKeys::automaticUpdateCheck))
    , KEY_UPDATE_LASTCHECK(QLatin1String(SettingsKeys::lastUpdateCheck))
    , KEY_INIT_FIRSTBOOTAPP(QLatin1String(SettingsKeys::firstBootApplication))
    , KEY_INIT_FIRSTBOOTPAGE(QLatin1String(SettingsKeys::firstBootDefaultPage))
    , KEY_LOCK_AUTO(QLatin1String(SettingsKeys::lockscreenAuto))
    , KEY_ZOOMLEVEL(QLatin1String(SettingsKeys::zoomLevel))
    , KEY_APPCOLLAPSED(QLatin1String(SettingsKeys::appListCollapsed))
    , KEY_DOUBLECLICK(QLatin1String(SettingsKeys::doubleClickOpen))
    , KEY_FIRSTLAUNCHLIST(QLatin1String(SettingsKeys::appFirstLaunchList))
    , localeLanguages(nullptr)
    , daemonCalls(QDBusConnection::systemBus())
    , shipVariant(daemonCalls)
{
    if (startServer)
        startLocalServer();

    clockRequests = ClockRequestQueue::shared();

    // One opening of the file for the whole snapshot.
    const SettingsFile::Snapshot file;
    const auto stored = [&](const QString &settingKey, const QVariant &defaultValue) {
        return file.value(settingsPath(settingKey), defaultValue);
    };
    const QString empty;
    settingLanguage = stored(KEY_LANGUAGE, empty).toString();
    settingUnits = stored(KEY_UNITS, empty).toUInt();
    settingKeyboardLayout = stored(KEY_KEYBOARD_LAYOUT, empty).toString();
    settingDisplayBrightness = stored(KEY_DISPLAY_BRIGHTNESS, 7).toUInt();
    settingDisplayDimming = stored(KEY_DISPLAY_DIMMING, 2).toInt();
    settingDisplayPower = stored(KEY_DISPLAY_POWER, 11).toInt();
    settingPrivacyAnalytics = stored(KEY_PRIVACY_ANALYTICS, true).toBool();
    settingMountSharedFolder = stored(KEY_MOUNT_SHARED_FOLDER, false).toBool();
    settingDateTime24Hour = stored(KEY_DATETIME_24HOUR, false).toBool();
    settingDateTimeAuto = stored(KEY_DATETIME_AUTO, true).toBool();
    settingDateFormat = stored(KEY_DATETIME_FORMAT, QStringLiteral("MM/dd/yy")).toString();
    settingUpdateAutoCheck = stored(KEY_UPDATE_AUTOCHECK, true).toBool();
    settingUpdateLastCheck = stored(KEY_UPDATE_LASTCHECK, empty).toString();
    settingFirstBootApplication = stored(KEY_INIT_FIRSTBOOTAPP, false).toBool();
    settingLockscreenAuto = stored(KEY_LOCK_AUTO, true).toBool();
    settingZoomeLevel = stored(KEY_ZOOMLEVEL, 2).toUInt();
    settingAppCollapsed = stored(KEY_APPCOLLAPSED, false).toBool();
    settingFirstLaunchAppList = stored(KEY_FIRSTLAUNCHLIST, QStringList()).toStringList();
    settingDoubleClickOpen = stored(KEY_DOUBLECLICK, false).toBool();

    languagesComboBoxModel = getLanguageComboBoxModel();
    keyboardLanguagesComboBoxModel = getKeyboardLanguageComboBoxModel();

    connect(&shipVariant, &ShipVariant::militaryChanged, this, &VHSettingsMain::isMilitaryShippedChanged);
    shipVariant.ask();

    analyticsSessionId = QUuid::createUuid().toString(QUuid::WithoutBraces);
}

VHSettingsMain::~VHSettingsMain() = default;

QVariant VHSettingsMain::readSetting(const QString &settingKey, const QVariant &defaultValue) const
{
    return SettingsFile::read(settingsPath(settingKey), defaultValue);
}

bool VHSettingsMain::writeSetting(const QString &settingKey, QVariant settingValue)
{
    if (settingKey == QLatin1String(SettingsKeys::appFirstLaunchList)) {
        QStringList list = settingFirstLaunchAppList;
        list.append(settingValue.toString());
        settingValue = list;
        settingFirstLaunchAppList = list;
        emit settingFirstLaunchAppListChanged(settingFirstLaunchAppList);
    }

    const bool stored = SettingsFile::write(settingsPath(settingKey), settingValue);
    if (!stored)
        qCWarning(lcSettings) << "could not write" << settingKey << "to" << SettingsFile::path();

    const UtilityDaemonClient::Call call = UtilityDaemonClient::callForSetting(settingKey, settingValue);
    if (!call.method.isEmpty())
        daemonCalls.send(call);
    return stored;
}

void VHSettingsMain::setSetting(QString settingKey, QVariant settingValue)
{
    try {
        writeSetting(settingKey, settingValue);
    } catch (const std::out_of_range &) {
        qCWarning(lcSettings) << "setSetting: unknown settings key" << settingKey;
    }
}

QVariant VHSettingsMain::getSetting(QString settingKey, QVariant defaultValue)
{
    try {
        return readSetting(settingKey, defaultValue);
    } catch (const std::out_of_range &) {
        qCWarning(lcSettings) << "getSetting: unknown settings key" << settingKey;
        return QVariant();
    }
}

void VHSettingsMain::sendAnalyticHit(QString settingName, QVariant newValue)
{
    QJsonObject hit;
    hit.insert(QStringLiteral("settingName"), settingName);
    hit.insert(QStringLiteral("newValue"), newValue.toString());
    hit.insert(QStringLiteral("eventType"), QStringLiteral("Setting_Change"));
    hit.insert(QStringLiteral("sessionId"), analyticsSessionId);
    AnalyticsLibrary::sendAnalyticHit(AnalyticsLibrary::SettingChange, hit);
}

bool VHSettingsMain::isMilitaryShipped()
{
    shipVariant.ask();
    return cachedIsMilitaryShipped();
}

bool VHSettingsMain::cachedIsMilitaryShipped()
{
    shipVariant.want();
    return shipVariant.isMilitary();
}

void VHSettingsMain::finishDaemonCalls()
{
    daemonCalls.finishPending();
}

void VHSettingsMain::setTime(QString minutes, QString hours)
{
    clockRequests->run({QStringLiteral("set-time"), QStringLiteral("%1:%2").arg(minutes, hours)});
}

void VHSettingsMain::setDate(QString year, QString month, QString day)
{
    clockRequests->run({QStringLiteral("set-time"), QStringLiteral("%1-%2-%3").arg(year, month, day)});
}

void VHSettingsMain::setAutoTime(bool enabled)
{
    clockRequests->run({QStringLiteral("set-ntp"), QString::number(enabled ? 1 : 0)});
}

QVariant VHSettingsMain::getLanguageCode(int index)
{
    return QVariant(localeLanguages.getLanguageCode(index));
}

int VHSettingsMain::getLanguageIndex()
{
    return localeLanguages.getCurrentLanguageId();
}

QStringList VHSettingsMain::getLanguageComboBoxModel()
{
    return localeLanguages.getTrLanguageNamesList();
}

QStringList VHSettingsMain::getKeyboardLanguageComboBoxModel()
{
    return localeLanguages.getTranslatedKeyboardLayoutList();
}

void VHSettingsMain::setKeyboardLanguage(int layoutIndex)
{
    const VHLocaleLanguages::VHKeyboardInfo layout
        = localeLanguages.getKeyboardLayoutInfo().value(layoutIndex);
    KeyboardEnvFile::rewrite(KeyboardEnvFile::path(), layout.xkbLayout, layout.xkbVariant);
}

QString VHSettingsMain::getAboutInfo(int field)
{
    return aboutInfo.text(field);
}

QStringList VHSettingsMain::formatOffsets()
{
    return DeviceInfo::formatOffsets(getAboutInfo(VHSettingsAboutInfoFields::OFFSET_VALUES));
}

void VHSettingsMain::resetSupplyCalibration()
{
    // fw_setenv locks the environment for its read-modify-write, so the
    // three runs may overlap without losing a removal. Starting a detached
    // process waits for its first fork, so it is done off the GUI thread.
    QThreadPool::globalInstance()->start([] {
        for (const char *name : {"supplyTrans", "cutterTrans", "supplyRefl"}) {
            if (!QProcess::startDetached(QStringLiteral("fw_setenv"), {QString::fromLatin1(name)}))
                qCWarning(lcSettings) << "cannot start fw_setenv to remove" << name;
        }
    });
}

void VHSettingsMain::startLocalServer()
{
    socketServer = SocketServer::start(this, QCoreApplication::applicationName());
    if (socketServer)
        connect(socketServer->server(), SIGNAL(newConnection()), this, SLOT(newClientConnection()));
}

void VHSettingsMain::newClientConnection()
{
    QIODevice *client = socketServer->nextClient();
    if (!client)
        return;
    currentClient = client;
    connect(client, &QIODevice::readyRead, this, &VHSettingsMain::localSocketDataReceived);
}

void VHSettingsMain::localSocketDataReceived()
{
    if (socketServer->dropIfFlooding(qobject_cast<QIODevice *>(sender())))
        return;
    // Data are read from the current client whichever connection announced
    // them; with none left the request is empty.
    const QByteArray request = currentClient ? currentClient->readAll() : QByteArray();
    emit tabEnumChanged(TabRequestDecoder::decode(request));
}
