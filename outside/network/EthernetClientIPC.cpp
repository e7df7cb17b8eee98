#include "EthernetClientIPC.h"

#include "EthernetProfile.h"
#include "Ipv4Settings.h"
#include "NetworkLogging.h"


EthernetClientIPC::EthernetClientIPC(QObject *parent)
    : EthernetClientIPC(QDBusConnection::systemBus(), parent)
{
}

EthernetClientIPC::EthernetClientIPC(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_nm(bus)
{
    m_refreshTimer.setSingleShot(true);
    m_refreshTimer.setInterval(0);
    connect(&m_refreshTimer, &QTimer::timeout, this, &EthernetClientIPC::refresh);

    m_nm.watchChanges(this, SLOT(scheduleRefresh()));

    // NetworkManager is read once the event loop runs, not in the way of the
    // window that publishes this object.
    scheduleRefresh();
}

void EthernetClientIPC::setEthernetConfig(bool dhcp, const QString &ipAddress, const QString &gatewayAddress,
                                          const QString &netmask)
{
    if (!dhcp) {
        const int problem = Ipv4Settings::check(ipAddress, netmask, gatewayAddress);
        if (problem != Ipv4Settings::NO_PROBLEM) {
            qCWarning(lcNetwork) << "refusing the static Ethernet address" << ipAddress << netmask
                                 << gatewayAddress << ":" << Ipv4Settings::Problem(problem);
            return;
        }
    }
    if (m_device.isEmpty()) {
        qCWarning(lcNetwork) << "cannot apply Ethernet settings: no Ethernet device";
        return;
    }
    const QString interface = m_nm.property(m_device, NetworkManagerBus::DeviceInterface,
                                            QStringLiteral("Interface"))
                                  .toString();
    const QString profile = EthernetProfile::find(m_nm, m_device, interface, true);
    if (profile.isEmpty())
        return;
    NMConnectionSettings settings = m_nm.connectionSettings(profile);
    settings[QStringLiteral("ipv4")] = EthernetProfile::ipv4(
        dhcp, ipAddress.trimmed(), Ipv4Settings::prefixLength(netmask), gatewayAddress.trimmed());
    const QDBusMessage reply = m_nm.call(profile, NetworkManagerBus::ConnectionInterface,
                                         QStringLiteral("Update"), {QVariant::fromValue(settings)});
    if (!m_nm.succeeded(reply, QStringLiteral("saving the Ethernet settings")))
        return;
    // A connected device takes the new address only when connected anew.
    const uint state
        = m_nm.property(m_device, NetworkManagerBus::DeviceInterface, QStringLiteral("State")).toUInt();
    if (state >= NetworkManagerBus::StatePrepare && state <= NetworkManagerBus::StateActivated)
        EthernetProfile::activate(m_nm, profile, m_device);
    refresh();
}

void EthernetClientIPC::scheduleRefresh()
{
    m_refreshTimer.start();
}

void EthernetClientIPC::refresh()
{
    const QString device = m_nm.device(NetworkManagerBus::EthernetDevice);
    if (device != m_device)
        watchDevice(device);
    QVariantMap settings;
    if (!m_device.isEmpty()) {
        const QString interface = m_nm.property(m_device, NetworkManagerBus::DeviceInterface,
                                                QStringLiteral("Interface"))
                                      .toString();
        const QString profile = EthernetProfile::find(m_nm, m_device, interface, false);
        const QVariantMap ipv4 = profile.isEmpty()
                                     ? QVariantMap()
                                     : m_nm.connectionSettings(profile).value(QStringLiteral("ipv4"));
        const bool dhcp = ipv4.value(QStringLiteral("method")).toString() != QLatin1String("manual");
        QString address;
        QString gateway;
        int prefix = 0;
        if (dhcp) {
            address = m_nm.ip4Address(m_device, &prefix, &gateway);
        } else {
            const QList<QVariantMap> addresses
                = NetworkManagerBus::mapList(ipv4.value(QStringLiteral("address-data")));
            if (!addresses.isEmpty()) {
                address = addresses.constFirst().value(QStringLiteral("address")).toString();
                prefix = addresses.constFirst().value(QStringLiteral("prefix")).toInt();
            }
            gateway = ipv4.value(QStringLiteral("gateway")).toString();
        }
        settings = {{QStringLiteral("dhcp"), dhcp},
                    {QStringLiteral("ipAddress"), address},
                    {QStringLiteral("netmask"),
                     address.isEmpty() ? QString() : Ipv4Settings::netmaskFromPrefix(prefix)},
                    {QStringLiteral("gatewayAddress"), gateway}};
    }
    if (settings != m_settings) {
        m_settings = settings;
        emit ethernetSettingsChanged();
    }
}

void EthernetClientIPC::watchDevice(const QString &device)
{
    const char *slot = SLOT(scheduleRefresh());
    m_nm.rewatch(m_device, device, NetworkManagerBus::DeviceInterface, QStringLiteral("StateChanged"), this,
                 slot);
    m_nm.rewatch(m_device, device, NetworkManagerBus::PropertiesInterface,
                 QStringLiteral("PropertiesChanged"), this, slot);
    m_device = device;
}
