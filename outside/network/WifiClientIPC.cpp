#include "WifiClientIPC.h"

#include "NetworkLogging.h"
#include "NetworkStatus.h"
#include "WifiSecurity.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusPendingCall>

#include <algorithm>

namespace {

// NMDeviceStateReason values that mean the key was wrong.
constexpr uint ReasonNoSecrets = 7;
constexpr uint ReasonSupplicantDisconnect = 8;

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
    // Signals come in bursts; one read of the state answers them all.
    m_refreshTimer.setSingleShot(true);
    m_refreshTimer.setInterval(0);
    connect(&m_refreshTimer, &QTimer::timeout, this, &WifiClientIPC::refresh);

    m_nm.watchChanges(this, SLOT(scheduleRefresh()));

    // NetworkManager is read once the event loop runs, not in the way of the
    // window that publishes this object.
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
    const QByteArray rawSsid = ssid.toUtf8();
    m_requestedSsid = ssid;
    if (m_device.isEmpty()) {
        fail(tr("No Wi-Fi device is available."));
        return;
    }
    const AccessPoint *best = nullptr;
    for (const AccessPoint &point : qAsConst(m_found)) {
        if (point.ssid == rawSsid && (!best || point.strength > best->strength))
            best = &point;
    }
    const QString accessPoint = best ? best->path : QStringLiteral("/");
    const QString keyManagement = best ? best->keyManagement : QString();
    const QStringList saved = savedConnections(rawSsid);
    if (!best && saved.isEmpty()) {
        fail(tr("%1 is out of range.").arg(ssid));
        return;
    }
    setStatus(VHNetworkStatus::CONNECTING, tr("Connecting to %1 …").arg(ssid));

    if (!saved.isEmpty() && password.isEmpty()) {
        activate(saved.constFirst(), accessPoint);
    } else if (WifiSecurity::isEnterprise(keyManagement)) {
        fail(tr("%1 needs a sign-in that this printer does not support.").arg(ssid));
    } else if (!WifiSecurity::acceptsPassword(keyManagement, password)) {
        fail(password.isEmpty() ? tr("Enter the password of %1.").arg(ssid)
                                : tr("This cannot be the password of %1: check its length.").arg(ssid));
    } else if (!saved.isEmpty()) {
        // A new password for a known network replaces the saved one.
        NMConnectionSettings settings = m_nm.connectionSettings(saved.constFirst());
        settings[QStringLiteral("802-11-wireless-security")]
            = WifiSecurity::securitySettings(keyManagement, password);
        const QDBusMessage reply = m_nm.call(saved.constFirst(), NetworkManagerBus::ConnectionInterface,
                                             QStringLiteral("Update"), {QVariant::fromValue(settings)});
        if (m_nm.succeeded(reply, QStringLiteral("saving the new password of %1").arg(ssid)))
            activate(saved.constFirst(), accessPoint);
        else
            fail(tr("Could not connect to %1.").arg(ssid));
    } else {
        const QDBusMessage reply
            = m_nm.call(NetworkManagerBus::ManagerPath, NetworkManagerBus::ManagerInterface,
                        QStringLiteral("AddAndActivateConnection"),
                        {QVariant::fromValue(WifiSecurity::newConnection(rawSsid, keyManagement, password)),
                         QVariant::fromValue(QDBusObjectPath(m_device)),
                         QVariant::fromValue(QDBusObjectPath(accessPoint))});
        if (!m_nm.succeeded(reply, QStringLiteral("connecting to %1").arg(ssid)))
            fail(tr("Could not connect to %1.").arg(ssid));
    }
    scheduleRefresh();
}

bool WifiClientIPC::activate(const QString &connection, const QString &accessPoint)
{
    const QDBusMessage reply = m_nm.call(NetworkManagerBus::ManagerPath, NetworkManagerBus::ManagerInterface,
                                         QStringLiteral("ActivateConnection"),
                                         {QVariant::fromValue(QDBusObjectPath(connection)),
                                          QVariant::fromValue(QDBusObjectPath(m_device)),
                                          QVariant::fromValue(QDBusObjectPath(accessPoint))});
    if (m_nm.succeeded(reply, QStringLiteral("activating %1").arg(connection)))
        return true;
    fail(tr("Could not connect to %1.").arg(m_requestedSsid));
    return false;
}

void WifiClientIPC::removeNetworkRequest(const QString &ssid, bool connected)
{
    const QStringList saved = savedConnections(ssid.toUtf8());
    for (const QString &path : saved) {
        m_nm.succeeded(m_nm.call(path, NetworkManagerBus::ConnectionInterface, QStringLiteral("Delete")),
                       QStringLiteral("forgetting %1").arg(ssid));
    }
    if (connected)
        clearConnectedAccessPoint();
    if (m_requestedSsid == ssid)
        m_requestedSsid.clear();
    scheduleRefresh();
}

void WifiClientIPC::scheduleRefresh()
{
    m_refreshTimer.start();
}

void WifiClientIPC::requestScan()
{
    if (m_device.isEmpty())
        return;
    // NetworkManager refuses scans that come too often; the results of the
    // last one stay valid, so the answer does not matter.
    QDBusMessage scan
        = QDBusMessage::createMethodCall(NetworkManagerBus::Service, m_device,
                                         NetworkManagerBus::WirelessInterface, QStringLiteral("RequestScan"));
    scan.setArguments({QVariantMap()});
    m_nm.connection().asyncCall(scan);
    scheduleRefresh();
}

void WifiClientIPC::refresh()
{
    const bool radio = m_nm.property(NetworkManagerBus::ManagerPath, NetworkManagerBus::ManagerInterface,
                                     QStringLiteral("WirelessEnabled"))
                           .toBool();
    const QString device = m_nm.device(NetworkManagerBus::WifiDevice);
    if (device != m_device)
        watchDevice(device);
    const bool up = radio && !m_device.isEmpty();
    const uint state
        = up ? m_nm.property(m_device, NetworkManagerBus::DeviceInterface, QStringLiteral("State")).toUInt()
             : 0;
    const QVariantMap connected = up ? readConnected(state) : QVariantMap();
    if (connected != m_connected) {
        m_connected = connected;
        emit accessPointConnectedChanged();
    }
    settleRequest(state);
    publish(up ? readAccessPoints() : QList<AccessPoint>());
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

QList<WifiClientIPC::AccessPoint> WifiClientIPC::readAccessPoints() const
{
    QList<AccessPoint> found;
    const QDBusMessage reply
        = m_nm.call(m_device, NetworkManagerBus::WirelessInterface, QStringLiteral("GetAllAccessPoints"));
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return found;
    const auto paths = qdbus_cast<QList<QDBusObjectPath>>(reply.arguments().constFirst());
    for (const QDBusObjectPath &path : paths) {
        const QVariantMap values = m_nm.properties(path.path(), NetworkManagerBus::AccessPointInterface);
        AccessPoint point;
        point.path = path.path();
        point.ssid = values.value(QStringLiteral("Ssid")).toByteArray();
        // Hidden networks have no name to show or to connect to.
        if (point.ssid.isEmpty())
            continue;
        point.bssid = values.value(QStringLiteral("HwAddress")).toString();
        point.strength = values.value(QStringLiteral("Strength")).toInt();
        point.keyManagement = WifiSecurity::keyManagementText(
            values.value(QStringLiteral("Flags")).toUInt(), values.value(QStringLiteral("WpaFlags")).toUInt(),
            values.value(QStringLiteral("RsnFlags")).toUInt());
        found.append(point);
    }
    return found;
}

QVariantMap WifiClientIPC::readConnected(uint state) const
{
    const QString active
        = m_nm.property(m_device, NetworkManagerBus::DeviceInterface, QStringLiteral("ActiveConnection"))
              .value<QDBusObjectPath>()
              .path();
    if (active.isEmpty() || active == QLatin1String("/"))
        return QVariantMap();
    const QString pointPath = m_nm.property(active, NetworkManagerBus::ActiveConnectionInterface,
                                            QStringLiteral("SpecificObject"))
                                  .value<QDBusObjectPath>()
                                  .path();
    const QVariantMap point = m_nm.properties(pointPath, NetworkManagerBus::AccessPointInterface);
    QString ssid = QString::fromUtf8(point.value(QStringLiteral("Ssid")).toByteArray());
    if (ssid.isEmpty())
        ssid = m_nm.property(active, NetworkManagerBus::ActiveConnectionInterface, QStringLiteral("Id"))
                   .toString();
    return {{QStringLiteral("ssid"), ssid},
            {QStringLiteral("bssid"), point.value(QStringLiteral("HwAddress")).toString()},
            {QStringLiteral("signalLevel"), point.value(QStringLiteral("Strength")).toInt()},
            {QStringLiteral("keyManagement"),
             WifiSecurity::keyManagementText(point.value(QStringLiteral("Flags")).toUInt(),
                                             point.value(QStringLiteral("WpaFlags")).toUInt(),
                                             point.value(QStringLiteral("RsnFlags")).toUInt())},
            {QStringLiteral("ipAddress"), m_nm.ip4Address(m_device)},
            {QStringLiteral("wpaState"), wpaState(state)}};
}

QList<WifiClientIPC::Profile> WifiClientIPC::savedProfiles() const
{
    QList<Profile> profiles;
    const QStringList connections = m_nm.connections();
    for (const QString &path : connections) {
        const NMConnectionSettings settings = m_nm.connectionSettings(path);
        const QByteArray ssid
            = settings.value(QStringLiteral("802-11-wireless")).value(QStringLiteral("ssid")).toByteArray();
        if (!ssid.isEmpty())
            profiles.append(
                {path, ssid,
                 settings.value(QStringLiteral("connection")).value(QStringLiteral("uuid")).toString()});
    }
    return profiles;
}

QStringList WifiClientIPC::savedConnections(const QByteArray &ssid) const
{
    QStringList paths;
    const QList<Profile> profiles = savedProfiles();
    for (const Profile &profile : profiles) {
        if (profile.ssid == ssid)
            paths.append(profile.path);
    }
    return paths;
}

void WifiClientIPC::publish(const QList<AccessPoint> &found)
{
    m_found = found;
    // One entry per network name, its strongest access point first.
    QList<AccessPoint> networks;
    for (const AccessPoint &point : found) {
        auto same = std::find_if(networks.begin(), networks.end(),
                                 [&](const AccessPoint &p) { return p.ssid == point.ssid; });
        if (same == networks.end())
            networks.append(point);
        else if (point.strength > same->strength)
            *same = point;
    }
    std::stable_sort(networks.begin(), networks.end(),
                     [](const AccessPoint &a, const AccessPoint &b) { return a.strength > b.strength; });

    const bool connected = m_connected.value(QStringLiteral("wpaState")) == QLatin1String("COMPLETED");
    const QString connectedSsid = m_connected.value(QStringLiteral("ssid")).toString();
    const QList<Profile> profiles = savedProfiles();
    QVariantList entries;
    for (const AccessPoint &point : qAsConst(networks)) {
        const QString ssid = QString::fromUtf8(point.ssid);
        if (connected && ssid == connectedSsid)
            continue;
        const auto profile = std::find_if(profiles.begin(), profiles.end(),
                                          [&](const Profile &p) { return p.ssid == point.ssid; });
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
}
