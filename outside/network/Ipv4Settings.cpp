#include "Ipv4Settings.h"

#include <QRegularExpression>

namespace {

// 0.0.0.0/8, loopback, multicast and the reserved block are never a host.
bool isUsableHost(quint32 address)
{
    const quint32 firstOctet = address >> 24;
    return firstOctet != 0 && firstOctet != 127 && firstOctet < 224;
}

quint32 maskOf(int prefix)
{
    return prefix == 0 ? 0 : quint32(0xFFFFFFFFu << (32 - prefix));
}

} // namespace

bool Ipv4Settings::parse(const QString &text, quint32 *value)
{
    // Strict: four decimal octets, no shorthand ("10.1") and no leading zeros,
    // which some parsers would read as octal.
    static const QRegularExpression pattern(QStringLiteral(
        "^(0|[1-9][0-9]{0,2})\\.(0|[1-9][0-9]{0,2})\\.(0|[1-9][0-9]{0,2})\\.(0|[1-9][0-9]{0,2})$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return false;
    quint32 result = 0;
    for (int i = 1; i <= 4; ++i) {
        const uint octet = match.captured(i).toUInt();
        if (octet > 255)
            return false;
        result = (result << 8) | octet;
    }
    *value = result;
    return true;
}

int Ipv4Settings::prefixLength(const QString &netmask)
{
    quint32 mask = 0;
    if (!parse(netmask, &mask))
        return -1;
    int prefix = 0;
    while (prefix < 32 && (mask & (0x80000000u >> prefix)))
        ++prefix;
    return mask == maskOf(prefix) ? prefix : -1;
}

QString Ipv4Settings::netmaskFromPrefix(int prefix)
{
    if (prefix < 0 || prefix > 32)
        return QString();
    const quint32 mask = maskOf(prefix);
    return QStringLiteral("%1.%2.%3.%4")
        .arg(mask >> 24)
        .arg((mask >> 16) & 0xFF)
        .arg((mask >> 8) & 0xFF)
        .arg(mask & 0xFF);
}

int Ipv4Settings::check(const QString &address, const QString &netmask, const QString &gateway)
{
    quint32 host = 0;
    if (!parse(address, &host) || !isUsableHost(host))
        return BAD_ADDRESS;
    const int prefix = prefixLength(netmask);
    if (prefix < 1 || prefix > 30)
        return BAD_NETMASK;
    const quint32 mask = maskOf(prefix);
    if ((host & ~mask) == 0 || (host & ~mask) == ~mask)
        return ADDRESS_NOT_A_HOST;
    quint32 router = 0;
    if (!parse(gateway, &router) || !isUsableHost(router) || (router & ~mask) == 0
        || (router & ~mask) == ~mask)
        return BAD_GATEWAY;
    if ((router & mask) != (host & mask))
        return GATEWAY_OUTSIDE;
    if (router == host)
        return GATEWAY_IS_ADDRESS;
    return NO_PROBLEM;
}
