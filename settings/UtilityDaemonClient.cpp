#include "UtilityDaemonClient.h"

#include "SettingsKeys.h"

namespace UtilityDaemonClient {

Call callForSetting(const QString &settingKey, const QVariant &value)
{
    if (settingKey == QLatin1String(SettingsKeys::dimmingInactive))
        return {QStringLiteral("setDisplayDimTime"), QVariant(qint32(value.toInt())),
                "DBus Reply(setDisplayDimTime) is inValid "};
    if (settingKey == QLatin1String(SettingsKeys::powerInactive))
        return {QStringLiteral("setDisplayPowerOffTime"), QVariant(qint32(value.toInt())),
                "DBus Reply(setDisplayPowerOffTime) is inValid "};
    if (settingKey == QLatin1String(SettingsKeys::brightnessLevel))
        return {QStringLiteral("setDisplayBrightness"), QVariant(quint32(value.toUInt())),
                "DBus Reply(setDisplayBrightness) is inValid "};
    if (settingKey == QLatin1String(SettingsKeys::automaticUpdateCheck))
        return {QStringLiteral("setAutomaticUpdateCheck"), QVariant(value.toBool()),
                "DBus Reply(setAutomaticUpdateCheck) is inValid "};
    // These two keep the caller's own type: a bool or text from the pages,
    // always text from the command line.
    if (settingKey == QLatin1String(SettingsKeys::twentyFourHour))
        return {QStringLiteral("setTwentyFourHourMode"), value,
                "DBus Reply(setTwentyFourHourMode) is inValid "};
    if (settingKey == QLatin1String(SettingsKeys::dateFormat))
        return {QStringLiteral("setDateFormat"), value, "Dbus Reply(setDateFormat) is inValid "};
    return {};
}

} // namespace UtilityDaemonClient
