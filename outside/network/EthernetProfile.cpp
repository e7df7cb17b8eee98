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

// A saved profile for the interface, else (with `create`) a new DHCP one.
void findSaved(NetworkManagerBus &nm, const QString &interface, bool create,
               const NetworkManagerBus::Answer<const QString &> &done)
{
    nm.findConnection(
        [interface](const QString &, const NMConnectionSettings &settings) {
            return isEthernetProfileFor(settings, interface);
        },
        [=, &nm](const QString &saved) {
            if (!saved.isEmpty() || !create) {
                done(saved);
                return;
            }
            NMConnectionSettings settings;
            settings[QStringLiteral("connection")]
                = {{QStringLiteral("id"), QStringLiteral("Wired")},
                   {QStringLiteral("type"), EthernetType},
                   {QStringLiteral("uuid"), QUuid::createUuid().toString(QUuid::WithoutBraces)},
                   {QStringLiteral("interface-name"), interface},
                   {QStringLiteral("autoconnect"), true}};
            settings[QStringLiteral("ipv4")] = EthernetProfile::ipv4(true, QString(), 0, QString());
            nm.change(NetworkManagerBus::SettingsPath, NetworkManagerBus::SettingsInterface,
                      QStringLiteral("AddConnection"), {QVariant::fromValue(settings)},
                      [&nm, done](const QDBusMessage &reply) {
                          if (!nm.succeeded(reply, QStringLiteral("saving an Ethernet profile"))
                              || reply.arguments().isEmpty())
                              done(QString());
                          else
                              done(reply.arguments().constFirst().value<QDBusObjectPath>().path());
                      });
        });
}

} // namespace

void EthernetProfile::find(NetworkManagerBus &nm, const QString &device, const QString &interface,
                           bool create, const NetworkManagerBus::Answer<const QString &> &done)
{
    nm.property(device, NetworkManagerBus::DeviceInterface, QStringLiteral("ActiveConnection"),
                [=, &nm](const QVariant &active) {
                    nm.property(NetworkManagerBus::objectPath(active),
                                NetworkManagerBus::ActiveConnectionInterface, QStringLiteral("Connection"),
                                [=, &nm](const QVariant &connection) {
                                    const QString profile = NetworkManagerBus::objectPath(connection);
                                    if (!profile.isEmpty())
                                        done(profile);
                                    else
                                        findSaved(nm, interface, create, done);
                                });
                });
}

void EthernetProfile::activate(NetworkManagerBus &nm, const QString &profile, const QString &device,
                               const NetworkManagerBus::Answer<bool> &done)
{
    nm.change(NetworkManagerBus::ManagerPath, NetworkManagerBus::ManagerInterface,
              QStringLiteral("ActivateConnection"),
              {QVariant::fromValue(QDBusObjectPath(profile)), QVariant::fromValue(QDBusObjectPath(device)),
               QVariant::fromValue(QDBusObjectPath(QStringLiteral("/")))},
              [&nm, done](const QDBusMessage &reply) {
                  done(nm.succeeded(reply, QStringLiteral("connecting Ethernet")));
              });
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
