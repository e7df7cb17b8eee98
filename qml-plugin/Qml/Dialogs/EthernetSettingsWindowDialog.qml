import QtQuick 2.10
import librariesqml.VHWiFi 1.0

// The wired connection's settings as the window shows them.
VHWiFiDialogEthernet {
    networkSettings: EthernetClient.ethernetSettings
    onAccepted: EthernetClient.setEthernetConfig(dhcp, ipAddress, gatewayAddress, netmask)
    onRejected: hide()
}
