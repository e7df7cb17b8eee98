#include "NetworkManagerBus.h"

#include "NetworkLogging.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusServiceWatcher>
#include <QDBusVariant>

const QString NetworkManagerBus::Service = QStringLiteral("org.freedesktop.NetworkManager");
const QString NetworkManagerBus::ManagerPath = QStringLiteral("/org/freedesktop/NetworkManager");
const QString NetworkManagerBus::SettingsPath = QStringLiteral("/org/freedesktop/NetworkManager/Settings");
const QString NetworkManagerBus::ManagerInterface = QStringLiteral("org.freedesktop.NetworkManager");
const QString NetworkManagerBus::SettingsInterface
    = QStringLiteral("org.freedesktop.NetworkManager.Settings");
const QString NetworkManagerBus::ConnectionInterface
    = QStringLiteral("org.freedesktop.NetworkManager.Settings.Connection");
const QString NetworkManagerBus::DeviceInterface = QStringLiteral("org.freedesktop.NetworkManager.Device");
const QString NetworkManagerBus::WirelessInterface
    = QStringLiteral("org.freedesktop.NetworkManager.Device.Wireless");
const QString NetworkManagerBus::AccessPointInterface
    = QStringLiteral("org.freedesktop.NetworkManager.AccessPoint");
const QString NetworkManagerBus::ActiveConnectionInterface
    = QStringLiteral("org.freedesktop.NetworkManager.Connection.Active");
const QString NetworkManagerBus::Ip4ConfigInterface
    = QStringLiteral("org.freedesktop.NetworkManager.IP4Config");
const QString NetworkManagerBus::PropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");

NetworkManagerBus::NetworkManagerBus(const QDBusConnection &bus)
    : m_bus(bus)
{
    qDBusRegisterMetaType<NMConnectionSettings>();
    qDBusRegisterMetaType<QList<QVariantMap>>();
}

QDBusMessage NetworkManagerBus::call(const QString &path, const QString &interface, const QString &method,
                                     const QVariantList &arguments) const
{
    QDBusMessage message = QDBusMessage::createMethodCall(Service, path, interface, method);
    message.setArguments(arguments);
    return m_bus.call(message);
}

bool NetworkManagerBus::succeeded(const QDBusMessage &reply, const QString &what) const
{
    if (reply.type() != QDBusMessage::ErrorMessage)
        return true;
    qCWarning(lcNetwork) << what << "failed:" << reply.errorName() << reply.errorMessage();
    return false;
}

QVariant NetworkManagerBus::property(const QString &path, const QString &interface, const QString &name) const
{
    const QDBusMessage reply = call(path, PropertiesInterface, QStringLiteral("Get"), {interface, name});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return QVariant();
    return reply.arguments().constFirst().value<QDBusVariant>().variant();
}

QVariantMap NetworkManagerBus::properties(const QString &path, const QString &interface) const
{
    const QDBusMessage reply = call(path, PropertiesInterface, QStringLiteral("GetAll"), {interface});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return QVariantMap();
    return qdbus_cast<QVariantMap>(reply.arguments().constFirst());
}

bool NetworkManagerBus::setProperty(const QString &path, const QString &interface, const QString &name,
                                    const QVariant &value) const
{
    const QDBusMessage reply = call(path, PropertiesInterface, QStringLiteral("Set"),
                                    {interface, name, QVariant::fromValue(QDBusVariant(value))});
    return succeeded(reply, QStringLiteral("setting %1.%2").arg(interface, name));
}

QString NetworkManagerBus::device(DeviceType type) const
{
    const QDBusMessage reply = call(ManagerPath, ManagerInterface, QStringLiteral("GetDevices"));
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return QString();
    const auto devices = qdbus_cast<QList<QDBusObjectPath>>(reply.arguments().constFirst());
    for (const QDBusObjectPath &device : devices) {
        if (property(device.path(), DeviceInterface, QStringLiteral("DeviceType")).toUInt() == uint(type))
            return device.path();
    }
    return QString();
}

QStringList NetworkManagerBus::connections() const
{
    const QDBusMessage reply = call(SettingsPath, SettingsInterface, QStringLiteral("ListConnections"));
    QStringList paths;
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return paths;
    const auto found = qdbus_cast<QList<QDBusObjectPath>>(reply.arguments().constFirst());
    for (const QDBusObjectPath &path : found)
        paths.append(path.path());
    return paths;
}

NMConnectionSettings NetworkManagerBus::connectionSettings(const QString &connectionPath) const
{
    const QDBusMessage reply = call(connectionPath, ConnectionInterface, QStringLiteral("GetSettings"));
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return NMConnectionSettings();
    return qdbus_cast<NMConnectionSettings>(reply.arguments().constFirst());
}

QString NetworkManagerBus::ip4Address(const QString &devicePath, int *prefix, QString *gateway) const
{
    // GetAll, since a device without IPv4 may not have the property at all.
    const auto config = properties(devicePath, DeviceInterface)
                            .value(QStringLiteral("Ip4Config"))
                            .value<QDBusObjectPath>()
                            .path();
    if (config.isEmpty() || config == QLatin1String("/"))
        return QString();
    const QVariantMap values = properties(config, Ip4ConfigInterface);
    const QList<QVariantMap> addresses = mapList(values.value(QStringLiteral("AddressData")));
    if (addresses.isEmpty())
        return QString();
    if (prefix)
        *prefix = addresses.constFirst().value(QStringLiteral("prefix")).toInt();
    if (gateway)
        *gateway = values.value(QStringLiteral("Gateway")).toString();
    return addresses.constFirst().value(QStringLiteral("address")).toString();
}

bool NetworkManagerBus::watch(const QString &path, const QString &interface, const QString &name,
                              QObject *receiver, const char *slot) const
{
    QDBusConnection bus = m_bus;
    return bus.connect(Service, path, interface, name, receiver, slot);
}

void NetworkManagerBus::unwatch(const QString &path, const QString &interface, const QString &name,
                                QObject *receiver, const char *slot) const
{
    QDBusConnection bus = m_bus;
    bus.disconnect(Service, path, interface, name, receiver, slot);
}

void NetworkManagerBus::watchChanges(QObject *receiver, const char *slot) const
{
    watch(ManagerPath, PropertiesInterface, QStringLiteral("PropertiesChanged"), receiver, slot);
    watch(ManagerPath, ManagerInterface, QStringLiteral("DeviceAdded"), receiver, slot);
    watch(ManagerPath, ManagerInterface, QStringLiteral("DeviceRemoved"), receiver, slot);
    watch(SettingsPath, SettingsInterface, QStringLiteral("NewConnection"), receiver, slot);
    watch(SettingsPath, SettingsInterface, QStringLiteral("ConnectionRemoved"), receiver, slot);
    auto *service
        = new QDBusServiceWatcher(Service, m_bus, QDBusServiceWatcher::WatchForOwnerChange, receiver);
    QObject::connect(service, SIGNAL(serviceOwnerChanged(QString, QString, QString)), receiver, slot);
}

void NetworkManagerBus::rewatch(const QString &from, const QString &to, const QString &interface,
                                const QString &name, QObject *receiver, const char *slot) const
{
    if (!from.isEmpty())
        unwatch(from, interface, name, receiver, slot);
    if (!to.isEmpty())
        watch(to, interface, name, receiver, slot);
}

QList<QVariantMap> NetworkManagerBus::mapList(const QVariant &value)
{
    if (value.canConvert<QDBusArgument>())
        return qdbus_cast<QList<QVariantMap>>(value.value<QDBusArgument>());
    return value.value<QList<QVariantMap>>();
}
