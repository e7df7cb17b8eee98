#pragma once

#include "NetworkManagerBus.h"

#include <QString>

// The NetworkManager profile that the Ethernet device connects with, shared by
// the interface switch and the address settings.
namespace EthernetProfile {

// The device's active profile, else one it may use; with `create`, a new
// DHCP profile for the interface when there is none. Empty when none.
void find(NetworkManagerBus &nm, const QString &device, const QString &interface, bool create,
          const NetworkManagerBus::Answer<const QString &> &done);
// Connects the device with the profile; answers whether NetworkManager took it.
void activate(NetworkManagerBus &nm, const QString &profile, const QString &device,
              const NetworkManagerBus::Answer<bool> &done);
// The ipv4 setting: DHCP, or a static address with its prefix and gateway.
QVariantMap ipv4(bool dhcp, const QString &address, int prefix, const QString &gateway);

} // namespace EthernetProfile
