#include "NetworkManagerBus.h"

#include "NetworkLogging.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QDBusVariant>

#include <algorithm>

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

NetworkManagerBus::NetworkManagerBus(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_bus(bus)
{
    qDBusRegisterMetaType<NMConnectionSettings>();
    qDBusRegisterMetaType<QList<QVariantMap>>();
}

void NetworkManagerBus::enqueue(const Work &start, const Work &stalled, const QString &key)
{
    if (!key.isEmpty() && std::any_of(m_queue.begin(), m_queue.end(), [&](const Queued &queued) {
            return queued.key == key;
        }))
        return;
    m_queue.push_back({start, stalled, key});
    postStart();
}

void NetworkManagerBus::enqueueChange(const Work &start, const Work &givenUp)
{
    m_queue.push_back({start, givenUp, QString(), QDeadlineTimer(ChangePatienceMs), true});
    postStart();
}

bool NetworkManagerBus::changeQueued() const
{
    return std::any_of(m_queue.begin(), m_queue.end(), [](const Queued &queued) { return queued.isChange; });
}

void NetworkManagerBus::postStart()
{
    // Started from the event loop: a burst of requests is queued whole
    // before the first of it runs.
    if (m_running || m_startPosted || m_queue.empty())
        return;
    m_startPosted = true;
    QMetaObject::invokeMethod(this, &NetworkManagerBus::startNext, Qt::QueuedConnection);
}

void NetworkManagerBus::startNext()
{
    m_startPosted = false;
    if (m_running || m_queue.empty())
        return;
    m_current = m_queue.front();
    m_queue.pop_front();
    m_running = true;
    m_open = 0;
    const Work start = m_current.start;
    start();
    if (m_open == 0)
        finish();
}

void NetworkManagerBus::finish()
{
    m_running = false;
    m_current = Queued();
    ++m_generation;
    postStart();
}

void NetworkManagerBus::send(const QString &path, const QString &interface, const QString &method,
                             const QVariantList &arguments, int timeoutMs, bool stallsOnTimeout,
                             const ReplyHandler &done)
{
    QDBusMessage message = QDBusMessage::createMethodCall(Service, path, interface, method);
    message.setArguments(arguments);
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(message, timeoutMs), this);
    ++m_open;
    const quint64 generation = m_generation;
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [=](QDBusPendingCallWatcher *call) {
        call->deleteLater();
        // The work this call belonged to was given up.
        if (generation != m_generation)
            return;
        --m_open;
        const QDBusMessage reply = call->reply();
        const QDBusError::ErrorType error = QDBusError(reply).type();
        if (stallsOnTimeout
            && (error == QDBusError::NoReply || error == QDBusError::Timeout
                || error == QDBusError::TimedOut)) {
            qCWarning(lcNetwork) << "NetworkManager did not answer" << method << "on" << path << ":"
                                 << reply.errorName() << reply.errorMessage();
            const Queued stalled = m_current;
            if (stalled.isChange && !stalled.retryUntil.hasExpired()) {
                m_queue.push_front(stalled);
                finish();
                return;
            }
            finish();
            if (stalled.stalled)
                stalled.stalled();
            return;
        }
        done(reply);
        if (m_open == 0 && m_running)
            finish();
    });
}

void NetworkManagerBus::read(const QString &path, const QString &interface, const QString &method,
                             const QVariantList &arguments, const ReplyHandler &done)
{
    if (path.isEmpty()) {
        done(QDBusMessage());
        return;
    }
    send(path, interface, method, arguments, ReadTimeoutMs, true, done);
}

void NetworkManagerBus::change(const QString &path, const QString &interface, const QString &method,
                               const QVariantList &arguments, const ReplyHandler &done)
{
    send(path, interface, method, arguments, ChangeTimeoutMs, false, done);
}

bool NetworkManagerBus::succeeded(const QDBusMessage &reply, const QString &what) const
{
    if (reply.type() != QDBusMessage::ErrorMessage)
        return true;
    qCWarning(lcNetwork) << what << "failed:" << reply.errorName() << reply.errorMessage();
    return false;
}

namespace {

bool hasAnswer(const QDBusMessage &reply)
{
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty();
}

} // namespace

void NetworkManagerBus::property(const QString &path, const QString &interface, const QString &name,
                                 const Answer<const QVariant &> &done)
{
    read(path, PropertiesInterface, QStringLiteral("Get"), {interface, name},
         [done](const QDBusMessage &reply) {
             done(hasAnswer(reply) ? reply.arguments().constFirst().value<QDBusVariant>().variant()
                                   : QVariant());
         });
}

void NetworkManagerBus::properties(const QString &path, const QString &interface,
                                   const Answer<const QVariantMap &> &done)
{
    read(path, PropertiesInterface, QStringLiteral("GetAll"), {interface}, [done](const QDBusMessage &reply) {
        done(hasAnswer(reply) ? qdbus_cast<QVariantMap>(reply.arguments().constFirst()) : QVariantMap());
    });
}

void NetworkManagerBus::setProperty(const QString &path, const QString &interface, const QString &name,
                                    const QVariant &value, const Answer<bool> &done)
{
    change(path, PropertiesInterface, QStringLiteral("Set"),
           {interface, name, QVariant::fromValue(QDBusVariant(value))},
           [this, done, what = QStringLiteral("setting %1.%2").arg(interface, name)](
               const QDBusMessage &reply) { done(succeeded(reply, what)); });
}

void NetworkManagerBus::device(DeviceType type, const Answer<const QString &> &done)
{
    read(ManagerPath, ManagerInterface, QStringLiteral("GetDevices"), {},
         [this, type, done](const QDBusMessage &reply) { firstOfType(objectPaths(reply), type, done); });
}

void NetworkManagerBus::firstOfType(QStringList devices, DeviceType type, const Answer<const QString &> &done)
{
    if (devices.isEmpty()) {
        done(QString());
        return;
    }
    const QString device = devices.takeFirst();
    property(device, DeviceInterface, QStringLiteral("DeviceType"), [=](const QVariant &value) {
        if (value.toUInt() == uint(type))
            done(device);
        else
            firstOfType(devices, type, done);
    });
}

void NetworkManagerBus::findConnection(
    const std::function<bool(const QString &, const NMConnectionSettings &)> &found,
    const Answer<const QString &> &done)
{
    read(SettingsPath, SettingsInterface, QStringLiteral("ListConnections"), {},
         [this, found, done](const QDBusMessage &reply) { findAmong(objectPaths(reply), found, done); });
}

void NetworkManagerBus::findAmong(
    QStringList connections, const std::function<bool(const QString &, const NMConnectionSettings &)> &found,
    const Answer<const QString &> &done)
{
    if (connections.isEmpty()) {
        done(QString());
        return;
    }
    const QString connection = connections.takeFirst();
    connectionSettings(connection, [=](const NMConnectionSettings &settings) {
        if (found(connection, settings))
            done(connection);
        else
            findAmong(connections, found, done);
    });
}

void NetworkManagerBus::connectionSettings(const QString &connectionPath,
                                           const Answer<const NMConnectionSettings &> &done)
{
    read(connectionPath, ConnectionInterface, QStringLiteral("GetSettings"), {},
         [done](const QDBusMessage &reply) {
             done(hasAnswer(reply) ? qdbus_cast<NMConnectionSettings>(reply.arguments().constFirst())
                                   : NMConnectionSettings());
         });
}

void NetworkManagerBus::ip4Address(const QString &devicePath,
                                   const Answer<const QString &, int, const QString &> &done)
{
    // GetAll, since a device without IPv4 may not have the property at all.
    properties(devicePath, DeviceInterface, [this, done](const QVariantMap &device) {
        const QString config = objectPath(device.value(QStringLiteral("Ip4Config")));
        if (config.isEmpty()) {
            done(QString(), 0, QString());
            return;
        }
        properties(config, Ip4ConfigInterface, [done](const QVariantMap &values) {
            const QList<QVariantMap> addresses = mapList(values.value(QStringLiteral("AddressData")));
            if (addresses.isEmpty()) {
                done(QString(), 0, QString());
                return;
            }
            done(addresses.constFirst().value(QStringLiteral("address")).toString(),
                 addresses.constFirst().value(QStringLiteral("prefix")).toInt(),
                 values.value(QStringLiteral("Gateway")).toString());
        });
    });
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

QString NetworkManagerBus::objectPath(const QVariant &value)
{
    const QString path = value.value<QDBusObjectPath>().path();
    return path == QLatin1String("/") ? QString() : path;
}

QStringList NetworkManagerBus::objectPaths(const QDBusMessage &reply)
{
    QStringList found;
    if (!hasAnswer(reply))
        return found;
    const auto objects = qdbus_cast<QList<QDBusObjectPath>>(reply.arguments().constFirst());
    for (const QDBusObjectPath &object : objects)
        found.append(object.path());
    return found;
}
