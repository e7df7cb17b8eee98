#include "NetworkManagerMock.h"

#include "PrivateBus.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace {

constexpr const char *MockPath = "/org/freedesktop";
constexpr const char *MockInterface = "org.freedesktop.DBus.Mock";
constexpr const char *DBusMockInterface = "org.freedesktop.DBus.Mock";

QString firstString(const QDBusMessage &reply)
{
    return reply.arguments().isEmpty() ? QString() : reply.arguments().constFirst().toString();
}

} // namespace

NetworkManagerMock::NetworkManagerMock(PrivateBus &bus)
    : m_mock(bus, QStringLiteral("networkmanager"), QString::fromLatin1(Service),
             QString::fromLatin1(ManagerPath))
    , m_connection(bus.connection(QStringLiteral("nm-mock-scene")))
{
}

QDBusMessage NetworkManagerMock::mock(const QString &method, const QVariantList &arguments)
{
    QDBusMessage call
        = QDBusMessage::createMethodCall(QString::fromLatin1(Service), QString::fromLatin1(MockPath),
                                         QString::fromLatin1(MockInterface), method);
    call.setArguments(arguments);
    const QDBusMessage reply = m_connection.call(call);
    if (reply.type() == QDBusMessage::ErrorMessage)
        qWarning("NetworkManager stand-in: %s failed: %s", qPrintable(method),
                 qPrintable(reply.errorMessage()));
    return reply;
}

QString NetworkManagerMock::addWifiDevice(const QString &interface, DeviceState state)
{
    return firstString(
        mock(QStringLiteral("AddWiFiDevice"), {QStringLiteral("wifi_") + interface, interface, int(state)}));
}

QString NetworkManagerMock::addEthernetDevice(const QString &interface, DeviceState state)
{
    return firstString(mock(QStringLiteral("AddEthernetDevice"),
                            {QStringLiteral("ethernet_") + interface, interface, int(state)}));
}

QString NetworkManagerMock::addAccessPoint(const QString &device, const QString &name, const QString &ssid,
                                           const QString &bssid, uchar strength, uint security)
{
    // Infrastructure mode, 2.4 GHz, 54 Mbit/s.
    return firstString(
        mock(QStringLiteral("AddAccessPoint"), {device, name, ssid, bssid, uint(2), uint(2437), uint(54000),
                                                QVariant::fromValue(strength), security}));
}

QString NetworkManagerMock::saveProfile(const QString &device, const QString &accessPoint,
                                        const QString &ssid)
{
    const QString name = accessPoint.section(QLatin1Char('/'), -1);
    return firstString(mock(QStringLiteral("AddWiFiConnection"), {device, name, ssid, QString()}));
}

QString NetworkManagerMock::connectTo(const QString &device, const QString &accessPoint, const QString &ssid)
{
    const QString name = accessPoint.section(QLatin1Char('/'), -1);
    const QString profile = saveProfile(device, accessPoint, ssid);
    return firstString(mock(QStringLiteral("AddActiveConnection"),
                            {QStringList{device}, profile, accessPoint, name, uint(2)}));
}

void NetworkManagerMock::addMethod(const QString &path, const QString &interface, const QString &name,
                                   const QString &inSignature, const QString &code)
{
    QDBusMessage call
        = QDBusMessage::createMethodCall(QString::fromLatin1(Service), path,
                                         QString::fromLatin1(DBusMockInterface), QStringLiteral("AddMethod"));
    call.setArguments({interface, name, inSignature, QString(), code});
    const QDBusMessage reply = m_connection.call(call);
    if (reply.type() == QDBusMessage::ErrorMessage)
        qWarning("NetworkManager stand-in: AddMethod failed: %s", qPrintable(reply.errorMessage()));
}

void NetworkManagerMock::setProperty(const QString &path, const QString &interface, const QString &name,
                                     const QVariant &value)
{
    mock(QStringLiteral("SetProperty"), {path, interface, name, QVariant::fromValue(QDBusVariant(value))});
}

QVariant NetworkManagerMock::property(const QString &path, const QString &interface, const QString &name)
{
    QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(Service), path,
                                                       QStringLiteral("org.freedesktop.DBus.Properties"),
                                                       QStringLiteral("Get"));
    call.setArguments({interface, name});
    const QDBusMessage reply = m_connection.call(call);
    return reply.arguments().isEmpty() ? QVariant()
                                       : reply.arguments().constFirst().value<QDBusVariant>().variant();
}

QList<QVariantList> NetworkManagerMock::methodCalls(const QString &path, const QString &method)
{
    QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(Service), path,
                                                       QString::fromLatin1(DBusMockInterface),
                                                       QStringLiteral("GetMethodCalls"));
    call.setArguments({method});
    const QDBusMessage reply = m_connection.call(call);
    QList<QVariantList> calls;
    if (reply.arguments().isEmpty())
        return calls;
    const QDBusArgument list = reply.arguments().constFirst().value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        quint64 time = 0;
        QVariantList arguments;
        list.beginStructure();
        list >> time >> arguments;
        list.endStructure();
        calls.append(arguments);
    }
    list.endArray();
    return calls;
}

QMap<QString, QVariantMap> NetworkManagerMock::profile(const QVariant &argument)
{
    QMap<QString, QVariantMap> settings;
    if (!argument.canConvert<QDBusArgument>())
        return settings;
    const QDBusArgument map = argument.value<QDBusArgument>();
    map.beginMap();
    while (!map.atEnd()) {
        QString name;
        QVariantMap values;
        map.beginMapEntry();
        map >> name >> values;
        map.endMapEntry();
        settings.insert(name, values);
    }
    map.endMap();
    return settings;
}

QMap<QString, QVariantMap> NetworkManagerMock::savedProfile(const QString &path)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(Service), path,
        QStringLiteral("org.freedesktop.NetworkManager.Settings.Connection"), QStringLiteral("GetSettings"));
    const QDBusMessage reply = m_connection.call(call);
    return reply.arguments().isEmpty() ? QMap<QString, QVariantMap>()
                                       : profile(reply.arguments().constFirst());
}
