#include "NetworkInterfaces.h"

#include "EthernetProfile.h"
#include "NetworkLogging.h"

NetworkInterfaces::NetworkInterfaces(QObject *parent)
    : NetworkInterfaces(QDBusConnection::systemBus(), parent)
{
}

NetworkInterfaces::NetworkInterfaces(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_nm(bus)
{
    m_nm.watchChanges(this, SLOT(scheduleRefresh()));
    scheduleRefresh();
}

void NetworkInterfaces::changeInterfaceStatus(const QString &interface, bool up)
{
    const bool wifi = interface == m_wifiInterface;
    if (!wifi && interface != m_ethernetInterface) {
        qCWarning(lcNetwork) << "cannot switch" << interface << ": no such interface";
        return;
    }
    setUp(wifi ? up : m_wifiUp, wifi ? m_ethernetUp : up);
    m_nm.enqueueChange(
        [this, wifi, up] {
            if (wifi) {
                m_nm.setProperty(NetworkManagerBus::ManagerPath, NetworkManagerBus::ManagerInterface,
                                 QStringLiteral("WirelessEnabled"), up, [this](bool) { refresh(); });
            } else {
                switchEthernet(up);
            }
        },
        [this] { scheduleRefresh(); });
}

void NetworkInterfaces::switchEthernet(bool up)
{
    if (m_ethernetDevice.isEmpty()) {
        qCWarning(lcNetwork) << "cannot switch Ethernet: no Ethernet device";
        refresh();
        return;
    }
    if (!up) {
        m_nm.change(m_ethernetDevice, NetworkManagerBus::DeviceInterface, QStringLiteral("Disconnect"), {},
                    [this](const QDBusMessage &reply) {
                        m_nm.succeeded(reply, QStringLiteral("disconnecting Ethernet"));
                        refresh();
                    });
        return;
    }
    EthernetProfile::find(m_nm, m_ethernetDevice, m_ethernetInterface, true, [this](const QString &profile) {
        if (profile.isEmpty())
            refresh();
        else
            EthernetProfile::activate(m_nm, profile, m_ethernetDevice, [this](bool) { refresh(); });
    });
}

void NetworkInterfaces::scheduleRefresh()
{
    m_nm.enqueue([this] { refresh(); }, [this] { scheduleRefresh(); }, QStringLiteral("refresh"));
}

void NetworkInterfaces::refresh()
{
    m_nm.device(NetworkManagerBus::WifiDevice, [this](const QString &wifi) {
        m_nm.device(NetworkManagerBus::EthernetDevice, [this, wifi](const QString &ethernet) {
            if (ethernet != m_ethernetDevice)
                watchEthernet(ethernet);
            readNames(wifi, ethernet);
        });
    });
}

void NetworkInterfaces::readNames(const QString &wifi, const QString &ethernet)
{
    const QString name = QStringLiteral("Interface");
    m_nm.property(wifi, NetworkManagerBus::DeviceInterface, name, [=](const QVariant &wifiName) {
        m_nm.property(ethernet, NetworkManagerBus::DeviceInterface, name, [=](const QVariant &ethernetName) {
            const QString wifiInterface = wifi.isEmpty() ? QStringLiteral("wlan0") : wifiName.toString();
            const QString ethernetInterface
                = ethernet.isEmpty() ? QStringLiteral("eth0") : ethernetName.toString();
            if (wifiInterface != m_wifiInterface || ethernetInterface != m_ethernetInterface) {
                m_wifiInterface = wifiInterface;
                m_ethernetInterface = ethernetInterface;
                emit interfacesChanged();
            }
            readStates(wifi, ethernet);
        });
    });
}

void NetworkInterfaces::readStates(const QString &wifi, const QString &ethernet)
{
    const QString manager = wifi.isEmpty() ? QString() : NetworkManagerBus::ManagerPath;
    m_nm.property(manager, NetworkManagerBus::ManagerInterface, QStringLiteral("WirelessEnabled"),
                  [=](const QVariant &radio) {
                      m_nm.property(ethernet, NetworkManagerBus::DeviceInterface, QStringLiteral("State"),
                                    [=](const QVariant &state) {
                                        // A switch request still to come would show the old state.
                                        if (m_nm.changeQueued())
                                            return;
                                        setUp(radio.toBool(), NetworkManagerBus::isActive(state.toUInt()));
                                    });
                  });
}

void NetworkInterfaces::setUp(bool wifiUp, bool ethernetUp)
{
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
