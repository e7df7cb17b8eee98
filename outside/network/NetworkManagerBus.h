#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

// A NetworkManager connection profile as sent and received on the bus
// (a{sa{sv}}): setting name to its keys.
using NMConnectionSettings = QMap<QString, QVariantMap>;
Q_DECLARE_METATYPE(NMConnectionSettings)

// NetworkManager's names on the system bus and the few calls every client of
// it makes. Calls wait for their reply; failures are logged with the D-Bus
// error (never with the call's arguments, which may hold a key) and come back
// as an invalid value or an error message.
class NetworkManagerBus
{
public:
    static const QString Service;
    static const QString ManagerPath;
    static const QString SettingsPath;
    static const QString ManagerInterface;
    static const QString SettingsInterface;
    static const QString ConnectionInterface;
    static const QString DeviceInterface;
    static const QString WirelessInterface;
    static const QString AccessPointInterface;
    static const QString ActiveConnectionInterface;
    static const QString Ip4ConfigInterface;
    static const QString PropertiesInterface;

    enum DeviceType {
        EthernetDevice = 1,
        WifiDevice = 2
    };
    enum DeviceState {
        StateUnavailable = 20,
        StateDisconnected = 30,
        StatePrepare = 40,
        StateNeedAuth = 60,
        StateIpConfig = 70,
        StateActivated = 100,
        StateDeactivating = 110,
        StateFailed = 120
    };

    explicit NetworkManagerBus(const QDBusConnection &bus);

    QDBusConnection connection() const { return m_bus; }

    QDBusMessage call(const QString &path, const QString &interface, const QString &method,
                      const QVariantList &arguments = QVariantList()) const;
    // True when the reply is no error; the error is logged.
    bool succeeded(const QDBusMessage &reply, const QString &what) const;

    QVariant property(const QString &path, const QString &interface, const QString &name) const;
    QVariantMap properties(const QString &path, const QString &interface) const;
    bool setProperty(const QString &path, const QString &interface, const QString &name,
                     const QVariant &value) const;

    // The first device of this type, or empty.
    QString device(DeviceType type) const;
    // The saved connection profiles.
    QStringList connections() const;
    NMConnectionSettings connectionSettings(const QString &connectionPath) const;
    // The first IPv4 address of the device's current configuration, and its
    // prefix length and gateway.
    QString ip4Address(const QString &devicePath, int *prefix = nullptr, QString *gateway = nullptr) const;

    // Subscribes or unsubscribes `slot` of `receiver` to a signal of NetworkManager.
    bool watch(const QString &path, const QString &interface, const QString &name, QObject *receiver,
               const char *slot) const;
    void unwatch(const QString &path, const QString &interface, const QString &name, QObject *receiver,
                 const char *slot) const;

    // Calls `slot` of `receiver` whenever NetworkManager's own properties,
    // its devices or its saved profiles change, and when it starts or stops.
    void watchChanges(QObject *receiver, const char *slot) const;
    // Moves a subscription from one object to another (either may be empty).
    void rewatch(const QString &from, const QString &to, const QString &interface, const QString &name,
                 QObject *receiver, const char *slot) const;

    // a{sv} lists nested in a reply come as QDBusArgument; this unpacks aa{sv}.
    static QList<QVariantMap> mapList(const QVariant &value);

private:
    QDBusConnection m_bus;
};
