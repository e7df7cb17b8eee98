#include "EthernetClientIPC.h"

#include "EthernetProfile.h"
#include "Ipv4Settings.h"
#include "NetworkLogging.h"

namespace {

QVariantMap settingsOf(bool dhcp, const QString &address, int prefix, const QString &gateway)
{
    return {
        {QStringLiteral("dhcp"), dhcp},
        {QStringLiteral("ipAddress"), address},
        {QStringLiteral("netmask"), address.isEmpty() ? QString() : Ipv4Settings::netmaskFromPrefix(prefix)},
        {QStringLiteral("gatewayAddress"), gateway}};
}

} // namespace

EthernetClientIPC::EthernetClientIPC(QObject *parent)
    : EthernetClientIPC(QDBusConnection::systemBus(), parent)
{
}

EthernetClientIPC::EthernetClientIPC(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_nm(bus)
{
    m_nm.watchChanges(this, SLOT(scheduleRefresh()));
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
    QVariantMap shown = m_settings;
    // With DHCP the device keeps its address until it is given a new one.
    if (dhcp)
        shown.insert(QStringLiteral("dhcp"), true);
    else
        shown = settingsOf(false, ipAddress.trimmed(), Ipv4Settings::prefixLength(netmask),
                           gatewayAddress.trimmed());
    if (shown != m_settings) {
        m_settings = shown;
        emit ethernetSettingsChanged();
    }
    m_nm.enqueueChange([=] { apply(dhcp, ipAddress, gatewayAddress, netmask); },
                       [this] { scheduleRefresh(); });
}

void EthernetClientIPC::apply(bool dhcp, const QString &ipAddress, const QString &gatewayAddress,
                              const QString &netmask)
{
    // What went wrong is logged; the settings shown go back to NetworkManager's.
    if (m_device.isEmpty()) {
        qCWarning(lcNetwork) << "cannot apply Ethernet settings: no Ethernet device";
        refresh();
        return;
    }
    const QVariantMap ipv4 = EthernetProfile::ipv4(
        dhcp, ipAddress.trimmed(), Ipv4Settings::prefixLength(netmask), gatewayAddress.trimmed());
    m_nm.property(m_device, NetworkManagerBus::DeviceInterface, QStringLiteral("Interface"),
                  [this, ipv4](const QVariant &interface) {
                      EthernetProfile::find(m_nm, m_device, interface.toString(), true,
                                            [this, ipv4](const QString &profile) {
                                                if (profile.isEmpty())
                                                    refresh();
                                                else
                                                    save(profile, ipv4);
                                            });
                  });
}

void EthernetClientIPC::save(const QString &profile, const QVariantMap &ipv4)
{
    m_nm.connectionSettings(profile, [this, profile, ipv4](NMConnectionSettings settings) {
        settings[QStringLiteral("ipv4")] = ipv4;
        m_nm.change(profile, NetworkManagerBus::ConnectionInterface, QStringLiteral("Update"),
                    {QVariant::fromValue(settings)}, [this, profile](const QDBusMessage &reply) {
                        if (!m_nm.succeeded(reply, QStringLiteral("saving the Ethernet settings"))) {
                            refresh();
                            return;
                        }
                        // A connected device takes the new address only when connected anew.
                        m_nm.property(m_device, NetworkManagerBus::DeviceInterface, QStringLiteral("State"),
                                      [this, profile](const QVariant &state) {
                                          if (NetworkManagerBus::isActive(state.toUInt()))
                                              EthernetProfile::activate(m_nm, profile, m_device,
                                                                        [this](bool) { refresh(); });
                                          else
                                              refresh();
                                      });
                    });
    });
}

void EthernetClientIPC::scheduleRefresh()
{
    m_nm.enqueue([this] { refresh(); }, [this] { scheduleRefresh(); }, QStringLiteral("refresh"));
}

void EthernetClientIPC::refresh()
{
    m_nm.device(NetworkManagerBus::EthernetDevice, [this](const QString &device) {
        if (device != m_device)
            watchDevice(device);
        if (m_device.isEmpty()) {
            publish(QVariantMap());
            return;
        }
        m_nm.property(m_device, NetworkManagerBus::DeviceInterface, QStringLiteral("Interface"),
                      [this](const QVariant &interface) {
                          EthernetProfile::find(
                              m_nm, m_device, interface.toString(), false, [this](const QString &profile) {
                                  m_nm.connectionSettings(profile,
                                                          [this](const NMConnectionSettings &settings) {
                                                              readSettings(settings);
                                                          });
                              });
                      });
    });
}

void EthernetClientIPC::readSettings(const NMConnectionSettings &profile)
{
    const QVariantMap ipv4 = profile.value(QStringLiteral("ipv4"));
    if (ipv4.value(QStringLiteral("method")).toString() != QLatin1String("manual")) {
        m_nm.ip4Address(m_device, [this](const QString &address, int prefix, const QString &gateway) {
            publish(settingsOf(true, address, prefix, gateway));
        });
        return;
    }
    const QList<QVariantMap> addresses
        = NetworkManagerBus::mapList(ipv4.value(QStringLiteral("address-data")));
    const QVariantMap first = addresses.value(0);
    publish(settingsOf(false, first.value(QStringLiteral("address")).toString(),
                       first.value(QStringLiteral("prefix")).toInt(),
                       ipv4.value(QStringLiteral("gateway")).toString()));
}

void EthernetClientIPC::publish(const QVariantMap &settings)
{
    // A change still to come would show the old settings.
    if (m_nm.changeQueued() || settings == m_settings)
        return;
    m_settings = settings;
    emit ethernetSettingsChanged();
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
