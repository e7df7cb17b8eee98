#pragma once

#include "NetworkManagerBus.h"

#include <QByteArray>
#include <QString>

// How a Wi-Fi network is protected: the key-management text the window shows
// ("WPA2-PSK", "WEP", empty when open) and the security part of a new
// connection profile for it.
namespace WifiSecurity {

// From an access point's Flags, WpaFlags and RsnFlags.
QString keyManagementText(uint flags, uint wpaFlags, uint rsnFlags);

// A person has to type a password for this network (WPA, WPA2, WPA3 or WEP).
bool needsPassword(const QString &keyManagement);
// Enterprise (802.1X) networks need a sign-in that this client cannot give.
bool isEnterprise(const QString &keyManagement);

// Whether NetworkManager would take the password for this kind of network.
bool acceptsPassword(const QString &keyManagement, const QString &password);

// A new profile for the network; the password goes into its security part.
NMConnectionSettings newConnection(const QByteArray &ssid, const QString &keyManagement,
                                   const QString &password);
// The security part alone, to give a saved profile a new password.
QVariantMap securitySettings(const QString &keyManagement, const QString &password);

} // namespace WifiSecurity
