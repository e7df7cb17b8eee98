#include "WifiSecurity.h"

#include <QRegularExpression>
#include <QUuid>

namespace {

// NM80211ApFlags and NM80211ApSecurityFlags.
constexpr uint ApPrivacy = 0x1;
constexpr uint KeyMgmtPsk = 0x100;
constexpr uint KeyMgmt8021X = 0x200;
constexpr uint KeyMgmtSae = 0x400;
constexpr uint KeyMgmtOwe = 0x800;

bool isWep(const QString &keyManagement)
{
    return keyManagement == QLatin1String("WEP");
}

bool isHex(const QString &text)
{
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]+$"));
    return hex.match(text).hasMatch();
}

bool isAscii(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7E)
            return false;
    }
    return true;
}

} // namespace

QString WifiSecurity::keyManagementText(uint flags, uint wpaFlags, uint rsnFlags)
{
    QStringList parts;
    if (wpaFlags & KeyMgmtPsk)
        parts << QStringLiteral("WPA-PSK");
    if (wpaFlags & KeyMgmt8021X)
        parts << QStringLiteral("WPA-EAP");
    if (rsnFlags & KeyMgmtPsk)
        parts << QStringLiteral("WPA2-PSK");
    if (rsnFlags & KeyMgmt8021X)
        parts << QStringLiteral("WPA2-EAP");
    if (rsnFlags & KeyMgmtSae)
        parts << QStringLiteral("WPA3-SAE");
    if (rsnFlags & KeyMgmtOwe)
        parts << QStringLiteral("OWE");
    if (parts.isEmpty() && (flags & ApPrivacy))
        parts << QStringLiteral("WEP");
    return parts.join(QLatin1Char(' '));
}

bool WifiSecurity::needsPassword(const QString &keyManagement)
{
    const QString lower = keyManagement.toLower();
    return lower.contains(QLatin1String("wpa")) || lower.contains(QLatin1String("wep"));
}

bool WifiSecurity::isEnterprise(const QString &keyManagement)
{
    return keyManagement.contains(QLatin1String("EAP")) && !keyManagement.contains(QLatin1String("PSK"))
           && !keyManagement.contains(QLatin1String("SAE"));
}

bool WifiSecurity::acceptsPassword(const QString &keyManagement, const QString &password)
{
    if (!needsPassword(keyManagement))
        return true;
    if (isWep(keyManagement)) {
        const int length = password.length();
        return ((length == 5 || length == 13) && isAscii(password))
               || ((length == 10 || length == 26) && isHex(password));
    }
    // A WPA passphrase, or the raw key as 64 hex digits.
    return (password.length() >= 8 && password.length() <= 63 && isAscii(password))
           || (password.length() == 64 && isHex(password));
}

QVariantMap WifiSecurity::securitySettings(const QString &keyManagement, const QString &password)
{
    if (isWep(keyManagement)) {
        return {{QStringLiteral("key-mgmt"), QStringLiteral("none")},
                {QStringLiteral("wep-key-type"), uint(1)},
                {QStringLiteral("wep-key0"), password}};
    }
    const bool saeOnly
        = keyManagement.contains(QLatin1String("SAE")) && !keyManagement.contains(QLatin1String("PSK"));
    return {{QStringLiteral("key-mgmt"), saeOnly ? QStringLiteral("sae") : QStringLiteral("wpa-psk")},
            {QStringLiteral("psk"), password}};
}

NMConnectionSettings WifiSecurity::newConnection(const QByteArray &ssid, const QString &keyManagement,
                                                 const QString &password)
{
    NMConnectionSettings settings;
    settings[QStringLiteral("connection")]
        = {{QStringLiteral("id"), QString::fromUtf8(ssid)},
           {QStringLiteral("type"), QStringLiteral("802-11-wireless")},
           {QStringLiteral("uuid"), QUuid::createUuid().toString(QUuid::WithoutBraces)}};
    settings[QStringLiteral("802-11-wireless")]
        = {{QStringLiteral("ssid"), ssid}, {QStringLiteral("mode"), QStringLiteral("infrastructure")}};
    if (needsPassword(keyManagement))
        settings[QStringLiteral("802-11-wireless-security")] = securitySettings(keyManagement, password);
    settings[QStringLiteral("ipv4")] = {{QStringLiteral("method"), QStringLiteral("auto")}};
    return settings;
}
