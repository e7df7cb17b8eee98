#include "NetworkInterfaces.h"

#include "EthernetProfile.h"
#include "NetworkLogging.h"

#include <QDBusObjectPath>

NetworkInterfaces::NetworkInterfaces(QObject *parent)
    : NetworkInterfaces(QDBusConnection::systemBus(), parent)
{
}

NetworkInterfaces::NetworkInterfaces(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_nm(bus)
{
    m_refreshTimer.setSingleShot(true);
    m_refreshTimer.setInterval(0);
    connect(&m_refreshTimer, &QTimer::timeout, this, &NetworkInterfaces::refresh);

    m_nm.watchChanges(this, SLOT(scheduleRefresh()));

    // NetworkManager is read once the event loop runs, not in the way of the
    // window that publishes this object.
    scheduleRefresh();
}

void NetworkInterfaces::changeInterfaceStatus(const QString &interface, bool up)
{
    if (interface == m_wifiInterface) {
        m_nm.setProperty(NetworkManagerBus::ManagerPath, NetworkManagerBus::ManagerInterface,
                         QStringLiteral("WirelessEnabled"), up);
    } else if (interface == m_ethernetInterface) {
        switchEthernet(up);
    } else {
        qCWarning(lcNetwork) << "cannot switch" << interface << ": no such interface";
        return;
    }
    // Show the new state at once; NetworkManager's signals follow.
    refresh();
}

void NetworkInterfaces::switchEthernet(bool up)
{
    if (m_ethernetDevice.isEmpty()) {
        qCWarning(lcNetwork) << "cannot switch Ethernet: no Ethernet device";
        return;
    }
    if (!up) {
        m_nm.succeeded(
            m_nm.call(m_ethernetDevice, NetworkManagerBus::DeviceInterface, QStringLiteral("Disconnect")),
            QStringLiteral("disconnecting Ethernet"));
        return;
    }
    const QString profile = EthernetProfile::find(m_nm, m_ethernetDevice, m_ethernetInterface, true);
    if (profile.isEmpty())
        return;
    EthernetProfile::activate(m_nm, profile, m_ethernetDevice);
}

void NetworkInterfaces::scheduleRefresh()
{
    m_refreshTimer.start();
}

void NetworkInterfaces::refresh()
{
    const QString wifi = m_nm.device(NetworkManagerBus::WifiDevice);
    const QString ethernet = m_nm.device(NetworkManagerBus::EthernetDevice);
    if (ethernet != m_ethernetDevice)
        watchEthernet(ethernet);
    const QString wifiInterface = wifi.isEmpty() ? QStringLiteral("wlan0")
                                                 : m_nm.property(wifi, NetworkManagerBus::DeviceInterface,
                                                                 QStringLiteral("Interface"))
                                                       .toString();
    const QString ethernetInterface
        = ethernet.isEmpty()
              ? QStringLiteral("eth0")
              : m_nm.property(ethernet, NetworkManagerBus::DeviceInterface, QStringLiteral("Interface"))
                    .toString();
    if (wifiInterface != m_wifiInterface || ethernetInterface != m_ethernetInterface) {
        m_wifiInterface = wifiInterface;
        m_ethernetInterface = ethernetInterface;
        emit interfacesChanged();
    }

    const bool wifiUp = !wifi.isEmpty()
                        && m_nm.property(NetworkManagerBus::ManagerPath, NetworkManagerBus::ManagerInterface,
                                         QStringLiteral("WirelessEnabled"))
                               .toBool();
    const uint state
        = ethernet.isEmpty()
              ? 0
              : m_nm.property(ethernet, NetworkManagerBus::DeviceInterface, QStringLiteral("State")).toUInt();
    const bool ethernetUp
        = state >= NetworkManagerBus::StatePrepare && state <= NetworkManagerBus::StateActivated;
    if (wifiUp != m_wifiUp) {
        m_wifiUp = wifiUp;
        emit isWifiUpChanged();
    }
    if (ethernetUp != m_ethernetUp) {
        m_ethernetUp = ethernetUp;
        emit isEthernetUpChanged();
    }
}

void NetworkInterfaces::watchEthernet(const QString &device)
{
    m_nm.rewatch(m_ethernetDevice, device, NetworkManagerBus::DeviceInterface, QStringLiteral("StateChanged"),
                 this, SLOT(scheduleRefresh()));
    m_ethernetDevice = device;
}
