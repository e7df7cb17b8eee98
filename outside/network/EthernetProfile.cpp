#include "EthernetProfile.h"

#include <QDBusObjectPath>
#include <QUuid>

namespace {

const QString EthernetType = QStringLiteral("802-3-ethernet");

bool isEthernetProfileFor(const NMConnectionSettings &settings, const QString &interface)
{
    const QVariantMap connection = settings.value(QStringLiteral("connection"));
    const QString bound = connection.value(QStringLiteral("interface-name")).toString();
    return connection.value(QStringLiteral("type")).toString() == EthernetType
           && (bound.isEmpty() || bound == interface);
}

} // namespace

QString EthernetProfile::find(const NetworkManagerBus &nm, const QString &device, const QString &interface,
                              bool create)
{
    const QString active
        = nm.property(device, NetworkManagerBus::DeviceInterface, QStringLiteral("ActiveConnection"))
              .value<QDBusObjectPath>()
              .path();
    if (!active.isEmpty() && active != QLatin1String("/")) {
        const QString profile
            = nm.property(active, NetworkManagerBus::ActiveConnectionInterface, QStringLiteral("Connection"))
                  .value<QDBusObjectPath>()
                  .path();
        if (!profile.isEmpty() && profile != QLatin1String("/"))
            return profile;
    }
    const QStringList connections = nm.connections();
    for (const QString &path : connections) {
        if (isEthernetProfileFor(nm.connectionSettings(path), interface))
            return path;
    }
    if (!create)
        return QString();

    NMConnectionSettings settings;
    settings[QStringLiteral("connection")]
        = {{QStringLiteral("id"), QStringLiteral("Wired")},
           {QStringLiteral("type"), EthernetType},
           {QStringLiteral("uuid"), QUuid::createUuid().toString(QUuid::WithoutBraces)},
           {QStringLiteral("interface-name"), interface},
           {QStringLiteral("autoconnect"), true}};
    settings[QStringLiteral("ipv4")] = ipv4(true, QString(), 0, QString());
    const QDBusMessage reply = nm.call(NetworkManagerBus::SettingsPath, NetworkManagerBus::SettingsInterface,
                                       QStringLiteral("AddConnection"), {QVariant::fromValue(settings)});
    if (!nm.succeeded(reply, QStringLiteral("saving an Ethernet profile")) || reply.arguments().isEmpty())
        return QString();
    return reply.arguments().constFirst().value<QDBusObjectPath>().path();
}

bool EthernetProfile::activate(const NetworkManagerBus &nm, const QString &profile, const QString &device)
{
    const QDBusMessage reply = nm.call(NetworkManagerBus::ManagerPath, NetworkManagerBus::ManagerInterface,
                                       QStringLiteral("ActivateConnection"),
                                       {QVariant::fromValue(QDBusObjectPath(profile)),
                                        QVariant::fromValue(QDBusObjectPath(device)),
                                        QVariant::fromValue(QDBusObjectPath(QStringLiteral("/")))});
    return nm.succeeded(reply, QStringLiteral("connecting Ethernet"));
}

QVariantMap EthernetProfile::ipv4(bool dhcp, const QString &address, int prefix, const QString &gateway)
{
    if (dhcp)
        return {{QStringLiteral("method"), QStringLiteral("auto")}};
    const QVariantMap addressData{{QStringLiteral("address"), address},
                                  {QStringLiteral("prefix"), uint(prefix)}};
    return {{QStringLiteral("method"), QStringLiteral("manual")},
            {QStringLiteral("address-data"), QVariant::fromValue(QList<QVariantMap>{addressData})},
            {QStringLiteral("gateway"), gateway}};
}
