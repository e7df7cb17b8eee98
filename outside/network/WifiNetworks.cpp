#include "WifiNetworks.h"

#include "WifiSecurity.h"

#include <QDBusObjectPath>

#include <memory>

namespace {

// The window speaks wpa_supplicant's words for the connection's progress.
QString wpaState(uint state)
{
    if (state == NetworkManagerBus::StateActivated)
        return QStringLiteral("COMPLETED");
    if (state == NetworkManagerBus::StateNeedAuth)
        return QStringLiteral("4WAY_HANDSHAKE");
    if (state >= NetworkManagerBus::StatePrepare && state < NetworkManagerBus::StateNeedAuth)
        return QStringLiteral("ASSOCIATING");
    if (state > NetworkManagerBus::StateNeedAuth && state < NetworkManagerBus::StateActivated)
        return QStringLiteral("ASSOCIATED");
    return QStringLiteral("DISCONNECTED");
}

void readConnectedPoint(NetworkManagerBus &nm, const QString &device, const QString &active,
                        const QString &pointPath, uint state,
                        const NetworkManagerBus::Answer<const QVariantMap &> &done)
{
    nm.properties(pointPath, NetworkManagerBus::AccessPointInterface, [=, &nm](const QVariantMap &point) {
        const QString ssid = WifiNetworks::ssidText(point.value(QStringLiteral("Ssid")).toByteArray());
        // Without its access point the network goes by its profile's name.
        nm.property(
            ssid.isEmpty() ? active : QString(), NetworkManagerBus::ActiveConnectionInterface,
            QStringLiteral("Id"), [=, &nm](const QVariant &id) {
                nm.ip4Address(device, [=](const QString &address, int, const QString &) {
                    done({{QStringLiteral("ssid"), ssid.isEmpty() ? id.toString() : ssid},
                          {QStringLiteral("bssid"), point.value(QStringLiteral("HwAddress")).toString()},
                          {QStringLiteral("signalLevel"), point.value(QStringLiteral("Strength")).toInt()},
                          {QStringLiteral("keyManagement"),
                           WifiSecurity::keyManagementText(point.value(QStringLiteral("Flags")).toUInt(),
                                                           point.value(QStringLiteral("WpaFlags")).toUInt(),
                                                           point.value(QStringLiteral("RsnFlags")).toUInt())},
                          {QStringLiteral("ipAddress"), address},
                          {QStringLiteral("wpaState"), wpaState(state)}});
                });
            });
    });
}

} // namespace

QString WifiNetworks::ssidText(const QByteArray &ssid)
{
    return QString::fromUtf8(ssid);
}

void WifiNetworks::readProfiles(NetworkManagerBus &nm,
                                const NetworkManagerBus::Answer<const QList<Profile> &> &done)
{
    auto profiles = std::make_shared<QList<Profile>>();
    nm.findConnection(
        [profiles](const QString &path, const NMConnectionSettings &settings) {
            const QByteArray ssid = settings.value(QStringLiteral("802-11-wireless"))
                                        .value(QStringLiteral("ssid"))
                                        .toByteArray();
            if (!ssid.isEmpty())
                profiles->append(
                    {path, ssid,
                     settings.value(QStringLiteral("connection")).value(QStringLiteral("uuid")).toString()});
            // Every one of them.
            return false;
        },
        [profiles, done](const QString &) { done(*profiles); });
}

void WifiNetworks::readProfilePaths(NetworkManagerBus &nm, const QByteArray &ssid,
                                    const NetworkManagerBus::Answer<const QStringList &> &done)
{
    readProfiles(nm, [ssid, done](const QList<Profile> &profiles) {
        QStringList paths;
        for (const Profile &profile : profiles) {
            if (profile.ssid == ssid)
                paths.append(profile.path);
        }
        done(paths);
    });
}

void WifiNetworks::readConnected(NetworkManagerBus &nm, const QString &device, uint state,
                                 const NetworkManagerBus::Answer<const QVariantMap &> &done)
{
    if (device.isEmpty()) {
        done(QVariantMap());
        return;
    }
    nm.property(device, NetworkManagerBus::DeviceInterface, QStringLiteral("ActiveConnection"),
                [=, &nm](const QVariant &value) {
                    const QString active = NetworkManagerBus::objectPath(value);
                    if (active.isEmpty()) {
                        done(QVariantMap());
                        return;
                    }
                    nm.property(active, NetworkManagerBus::ActiveConnectionInterface,
                                QStringLiteral("SpecificObject"), [=, &nm](const QVariant &specific) {
                                    readConnectedPoint(nm, device, active,
                                                       specific.value<QDBusObjectPath>().path(), state, done);
                                });
                });
}
