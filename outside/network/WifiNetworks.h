#pragma once

#include "NetworkManagerBus.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariantMap>

// What NetworkManager knows of Wi-Fi networks besides the scan: the saved
// profiles and the network a device is connected to; and the readable name
// under which the window shows a network.
namespace WifiNetworks {

struct Profile
{
    QString path;
    QByteArray ssid;
    QString uuid;
};

// Names that are not UTF-8 read with replacement characters, so two
// networks may share one.
QString ssidText(const QByteArray &ssid);

// The saved Wi-Fi profiles, and the paths of those of one network.
void readProfiles(NetworkManagerBus &nm, const NetworkManagerBus::Answer<const QList<Profile> &> &done);
void readProfilePaths(NetworkManagerBus &nm, const QByteArray &ssid,
                      const NetworkManagerBus::Answer<const QStringList &> &done);

// The network the device (in this NMDeviceState) is connected to: ssid,
// bssid, signalLevel, keyManagement, ipAddress and wpaState; empty without
// a device or a connection.
void readConnected(NetworkManagerBus &nm, const QString &device, uint state,
                   const NetworkManagerBus::Answer<const QVariantMap &> &done);

} // namespace WifiNetworks
