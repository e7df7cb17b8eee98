#pragma once

#include <QObject>
#include <QString>

// Checks a static IPv4 configuration as a person typed it: dotted-quad
// address, contiguous netmask, and a gateway inside the same network. Used by
// the Ethernet dialog before anything is sent, and again by the client.
class Ipv4Settings : public QObject
{
    Q_OBJECT
public:
    enum Problem {
        NO_PROBLEM = 0,
        BAD_ADDRESS,        // not a usable host address
        BAD_NETMASK,        // not a contiguous mask of /1 to /30
        ADDRESS_NOT_A_HOST, // the network's own or broadcast address
        BAD_GATEWAY,        // not a usable host address
        GATEWAY_OUTSIDE,    // not in the address's network
        GATEWAY_IS_ADDRESS
    };
    Q_ENUM(Problem)

    using QObject::QObject;

    Q_INVOKABLE static int check(const QString &address, const QString &netmask, const QString &gateway);
    // The prefix length of a dotted netmask, or -1 when it is none.
    static int prefixLength(const QString &netmask);
    static QString netmaskFromPrefix(int prefix);
    // The address as a number; false when the text is not a strict dotted quad.
    static bool parse(const QString &text, quint32 *value);
};
