#include "WifiClientIPC.h"

#include "NetworkLogging.h"
#include "NetworkStatus.h"
#include "WifiNetworks.h"
#include "WifiSecurity.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusPendingCall>

#include <algorithm>

namespace {

// NMDeviceStateReason values that mean the key was wrong.
constexpr uint ReasonNoSecrets = 7;
constexpr uint ReasonSupplicantDisconnect = 8;

} // namespace

WifiClientIPC::WifiClientIPC(QObject *parent)
    : WifiClientIPC(QDBusConnection::systemBus(), parent)
{
}

WifiClientIPC::WifiClientIPC(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_nm(bus)
{
    m_scanTimer.setInterval(ScanIntervalMs);
    connect(&m_scanTimer, &QTimer::timeout, this, &WifiClientIPC::requestScan);
    m_nm.watchChanges(this, SLOT(scheduleRefresh()));
    scheduleRefresh();
}

void WifiClientIPC::setNetworkStatus(int status)
{
    if (m_networkStatus == status)
        return;
    m_networkStatus = status;
    emit networkStatusChanged();
}

void WifiClientIPC::setScanning(bool scanning)
{
    if (m_scanning == scanning)
        return;
    m_scanning = scanning;
    if (scanning) {
        requestScan();
        m_scanTimer.start();
    } else {
        m_scanTimer.stop();
    }
    emit wifiScanningChanged();
}

void WifiClientIPC::clearConnectedAccessPoint()
{
    if (m_connected.isEmpty())
        return;
    m_connected.clear();
    emit accessPointConnectedChanged();
}

void WifiClientIPC::connectRequest(const QString &ssid, const QString &password)
{
    m_nm.enqueueChange([=] { connectTo(ssid, password); },
                       [=] { fail(tr("Could not connect to %1.").arg(ssid)); });
}

void WifiClientIPC::connectTo(const QString &ssid, const QString &password)
{
    m_requestedSsid = ssid;
    if (m_device.isEmpty()) {
        fail(tr("No Wi-Fi device is available."));
        return;
    }
    const AccessPoint *best = strongest(ssid);
    const QByteArray rawSsid = ssidBytes(ssid);
    const bool inRange = best;
    const QString accessPoint = best ? best->path : QStringLiteral("/");
    const QString keyManagement = best ? best->keyManagement : QString();
    WifiNetworks::readProfilePaths(m_nm, rawSsid, [=](const QStringList &saved) {
        if (!inRange && saved.isEmpty()) {
            fail(tr("%1 is out of range.").arg(ssid));
            return;
        }
        setStatus(VHNetworkStatus::CONNECTING, tr("Connecting to %1 …").arg(ssid));
        // Queued, so it reads NetworkManager once this request is through.
        scheduleRefresh();

        if (!saved.isEmpty() && password.isEmpty()) {
            activate(saved.constFirst(), accessPoint);
        } else if (WifiSecurity::isEnterprise(keyManagement)) {
            fail(tr("%1 needs a sign-in that this printer does not support.").arg(ssid));
        } else if (!WifiSecurity::acceptsPassword(keyManagement, password)) {
            fail(password.isEmpty() ? tr("Enter the password of %1.").arg(ssid)
                                    : tr("This cannot be the password of %1: check its length.").arg(ssid));
        } else if (!saved.isEmpty()) {
            // A new password for a known network replaces the saved one.
            saveAndActivate(ssid, saved.constFirst(), accessPoint, keyManagement, password);
        } else {
            m_nm.change(NetworkManagerBus::ManagerPath, NetworkManagerBus::ManagerInterface,
                        QStringLiteral("AddAndActivateConnection"),
                        {QVariant::fromValue(WifiSecurity::newConnection(rawSsid, keyManagement, password)),
                         QVariant::fromValue(QDBusObjectPath(m_device)),
                         QVariant::fromValue(QDBusObjectPath(accessPoint))},
                        [this, ssid](const QDBusMessage &reply) {
                            if (!m_nm.succeeded(reply, QStringLiteral("connecting to %1").arg(ssid)))
                                fail(tr("Could not connect to %1.").arg(ssid));
                        });
        }
    });
}

const WifiClientIPC::AccessPoint *WifiClientIPC::strongest(const QString &ssid) const
{
    const AccessPoint *best = nullptr;
    for (const AccessPoint &point : m_found) {
        if (WifiNetworks::ssidText(point.ssid) == ssid && (!best || point.strength > best->strength))
            best = &point;
    }
    return best;
}

QByteArray WifiClientIPC::ssidBytes(const QString &ssid) const
{
    const AccessPoint *point = strongest(ssid);
    return point ? point->ssid : ssid.toUtf8();
}

void WifiClientIPC::saveAndActivate(const QString &ssid, const QString &connection,
                                    const QString &accessPoint, const QString &keyManagement,
                                    const QString &password)
{
    m_nm.connectionSettings(connection, [=](NMConnectionSettings settings) {
        settings[QStringLiteral("802-11-wireless-security")]
            = WifiSecurity::securitySettings(keyManagement, password);
        m_nm.change(connection, NetworkManagerBus::ConnectionInterface, QStringLiteral("Update"),
                    {QVariant::fromValue(settings)}, [=](const QDBusMessage &reply) {
                        if (m_nm.succeeded(reply, QStringLiteral("saving the new password of %1").arg(ssid)))
                            activate(connection, accessPoint);
                        else
                            fail(tr("Could not connect to %1.").arg(ssid));
                    });
    });
}

void WifiClientIPC::activate(const QString &connection, const QString &accessPoint)
{
    m_nm.change(NetworkManagerBus::ManagerPath, NetworkManagerBus::ManagerInterface,
                QStringLiteral("ActivateConnection"),
                {QVariant::fromValue(QDBusObjectPath(connection)),
                 QVariant::fromValue(QDBusObjectPath(m_device)),
                 QVariant::fromValue(QDBusObjectPath(accessPoint))},
                [this, connection](const QDBusMessage &reply) {
                    if (!m_nm.succeeded(reply, QStringLiteral("activating %1").arg(connection)))
                        fail(tr("Could not connect to %1.").arg(m_requestedSsid));
                });
}

void WifiClientIPC::removeNetworkRequest(const QString &ssid, bool connected)
{
    // The page shows the network gone at once; a refresh that was already
    // on its way may show it again, so it is cleared once more at the end.
    if (connected)
        clearConnectedAccessPoint();
    m_nm.enqueueChange([=] {
        WifiNetworks::readProfilePaths(m_nm, ssidBytes(ssid), [=](const QStringList &saved) {
            for (const QString &path : saved) {
                m_nm.change(path, NetworkManagerBus::ConnectionInterface, QStringLiteral("Delete"), {},
                            [=](const QDBusMessage &reply) {
                                m_nm.succeeded(reply, QStringLiteral("forgetting %1").arg(ssid));
                            });
            }
            if (connected)
                clearConnectedAccessPoint();
            if (m_requestedSsid == ssid)
                m_requestedSsid.clear();
            scheduleRefresh();
        });
    });
}

void WifiClientIPC::scheduleRefresh()
{
    m_nm.enqueue([this] { refresh(); }, [this] { scheduleRefresh(); }, QStringLiteral("refresh"));
}

void WifiClientIPC::requestScan()
{
    m_nm.enqueue(
        [this] {
            if (m_device.isEmpty())
                return;
            // NetworkManager refuses scans that come too often; the results of
            // the last one stay valid, so the answer does not matter.
            QDBusMessage scan = QDBusMessage::createMethodCall(NetworkManagerBus::Service, m_device,
                                                               NetworkManagerBus::WirelessInterface,
                                                               QStringLiteral("RequestScan"));
            scan.setArguments({QVariantMap()});
            m_nm.connection().asyncCall(scan, NetworkManagerBus::ReadTimeoutMs);
            scheduleRefresh();
        },
        NetworkManagerBus::Work(), QStringLiteral("scan"));
}

void WifiClientIPC::refresh()
{
    m_nm.property(NetworkManagerBus::ManagerPath, NetworkManagerBus::ManagerInterface,
                  QStringLiteral("WirelessEnabled"), [this](const QVariant &radio) {
                      m_nm.device(NetworkManagerBus::WifiDevice, [this, radio](const QString &device) {
                          if (device != m_device)
                              watchDevice(device);
                          // The device, while its radio is on.
                          readDevice(radio.toBool() ? m_device : QString());
                      });
                  });
}

void WifiClientIPC::readDevice(const QString &device)
{
    m_nm.property(
        device, NetworkManagerBus::DeviceInterface, QStringLiteral("State"), [=](const QVariant &value) {
            const uint state = value.toUInt();
            WifiNetworks::readConnected(m_nm, device, state, [=](const QVariantMap &connected) {
                if (connected != m_connected) {
                    m_connected = connected;
                    emit accessPointConnectedChanged();
                }
                settleRequest(state);
                m_nm.read(device, NetworkManagerBus::WirelessInterface, QStringLiteral("GetAllAccessPoints"),
                          {}, [this](const QDBusMessage &reply) {
                              readAccessPoints(NetworkManagerBus::objectPaths(reply), QList<AccessPoint>());
                          });
            });
        });
}

void WifiClientIPC::onDeviceStateChanged(uint newState, uint oldState, uint reason)
{
    m_lastReason = reason;
    // Falling back to disconnected from an attempt is a failure too.
    if (!m_requestedSsid.isEmpty() && newState == NetworkManagerBus::StateDisconnected
        && oldState >= NetworkManagerBus::StatePrepare && oldState < NetworkManagerBus::StateActivated)
        settleRequest(NetworkManagerBus::StateFailed);
    scheduleRefresh();
}

void WifiClientIPC::settleRequest(uint state)
{
    if (m_requestedSsid.isEmpty() || m_networkStatus != VHNetworkStatus::CONNECTING)
        return;
    if (state == NetworkManagerBus::StateActivated
        && m_connected.value(QStringLiteral("ssid")).toString() == m_requestedSsid) {
        setStatus(VHNetworkStatus::CONNECTED, tr("Connected to %1.").arg(m_requestedSsid));
        m_requestedSsid.clear();
    } else if (state == NetworkManagerBus::StateFailed) {
        const bool wrongKey = m_lastReason == ReasonNoSecrets || m_lastReason == ReasonSupplicantDisconnect;
        fail(wrongKey ? tr("The password of %1 was not accepted.").arg(m_requestedSsid)
                      : tr("Could not connect to %1.").arg(m_requestedSsid));
    }
}

void WifiClientIPC::fail(const QString &description)
{
    setStatus(VHNetworkStatus::FAILED, description);
    m_requestedSsid.clear();
}

void WifiClientIPC::setStatus(int status, const QString &description)
{
    setNetworkStatus(status);
    if (m_statusDescription != description) {
        m_statusDescription = description;
        emit statusDescriptionChanged();
    }
}

void WifiClientIPC::watchDevice(const QString &device)
{
    const struct
    {
        QString interface;
        QString name;
        const char *slot;
    } signals_[] = {
        {NetworkManagerBus::DeviceInterface, QStringLiteral("StateChanged"),
         SLOT(onDeviceStateChanged(uint, uint, uint))},
        {NetworkManagerBus::PropertiesInterface, QStringLiteral("PropertiesChanged"),
         SLOT(scheduleRefresh())},
        {NetworkManagerBus::WirelessInterface, QStringLiteral("AccessPointAdded"), SLOT(scheduleRefresh())},
        {NetworkManagerBus::WirelessInterface, QStringLiteral("AccessPointRemoved"), SLOT(scheduleRefresh())},
    };
    for (const auto &signal : signals_)
        m_nm.rewatch(m_device, device, signal.interface, signal.name, this, signal.slot);
    m_device = device;
}

void WifiClientIPC::readAccessPoints(QStringList paths, const QList<AccessPoint> &found)
{
    if (paths.isEmpty()) {
        publish(found);
        return;
    }
    const QString path = paths.takeFirst();
    m_nm.properties(path, NetworkManagerBus::AccessPointInterface, [=](const QVariantMap &values) {
        AccessPoint point;
        point.path = path;
        point.ssid = values.value(QStringLiteral("Ssid")).toByteArray();
        point.bssid = values.value(QStringLiteral("HwAddress")).toString();
        point.strength = values.value(QStringLiteral("Strength")).toInt();
        point.keyManagement = WifiSecurity::keyManagementText(
            values.value(QStringLiteral("Flags")).toUInt(), values.value(QStringLiteral("WpaFlags")).toUInt(),
            values.value(QStringLiteral("RsnFlags")).toUInt());
        // Hidden networks have no name to show or to connect to.
        readAccessPoints(paths, point.ssid.isEmpty() ? found : found + QList<AccessPoint>{point});
    });
}

void WifiClientIPC::publish(const QList<AccessPoint> &found)
{
    m_found = found;
    // One entry per network name, its strongest access point first.
    QList<AccessPoint> networks;
    for (const AccessPoint &point : found) {
        auto same = std::find_if(networks.begin(), networks.end(), [&](const AccessPoint &p) {
            return WifiNetworks::ssidText(p.ssid) == WifiNetworks::ssidText(point.ssid);
        });
        if (same == networks.end())
            networks.append(point);
        else if (point.strength > same->strength)
            *same = point;
    }
    std::stable_sort(networks.begin(), networks.end(),
                     [](const AccessPoint &a, const AccessPoint &b) { return a.strength > b.strength; });

    WifiNetworks::readProfiles(m_nm, [this, networks](const QList<WifiNetworks::Profile> &profiles) {
        const bool connected = m_connected.value(QStringLiteral("wpaState")) == QLatin1String("COMPLETED");
        const QString connectedSsid = m_connected.value(QStringLiteral("ssid")).toString();
        QVariantList entries;
        for (const AccessPoint &point : networks) {
            const QString ssid = WifiNetworks::ssidText(point.ssid);
            if (connected && ssid == connectedSsid)
                continue;
            const auto profile
                = std::find_if(profiles.begin(), profiles.end(),
                               [&](const WifiNetworks::Profile &p) { return p.ssid == point.ssid; });
            const bool saved = profile != profiles.end();
            entries.append(QVariantMap{{QStringLiteral("ssid"), ssid},
                                       {QStringLiteral("bssid"), point.bssid},
                                       {QStringLiteral("signalLevel"), point.strength},
                                       {QStringLiteral("flags"), point.keyManagement},
                                       {QStringLiteral("saved"), saved},
                                       {QStringLiteral("psk"), saved ? profile->uuid : QString()}});
        }
        if (entries != m_accessPoints) {
            m_accessPoints = entries;
            emit accessPointsChanged();
        }
    });
}
