#pragma once

#include <QString>
#include <QVariant>

// What the settings core asks of the system utility daemon (UtilitydNames.h
// says where it is): which settings key leads to which method call.
namespace UtilityDaemonClient {

inline constexpr int militaryShipVariant = 2;
inline constexpr const char getShipErrorText[] = "DBus Reply(getShip) is inValid ";

struct Call
{
    QString method; // empty: the key has no side effect
    QVariant argument;
    const char *errorText = nullptr;
};

// The daemon call a write of `settingKey` causes, with the argument already
// converted to the D-Bus type the daemon expects.
Call callForSetting(const QString &settingKey, const QVariant &value);

} // namespace UtilityDaemonClient
