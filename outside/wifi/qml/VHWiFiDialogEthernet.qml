import QtQuick 2.12
import librariesqml.VHComponents 1.0

// The Ethernet interface's address settings: DHCP or a static address.
VHGeneralDialogBasic {
    id: dialog

    property var networkSettings: ({})

    signal accepted(bool dhcp, string ipAddress, string gatewayAddress, string netmask)
    signal rejected()

    width: 600
    height: 400
    title: qsTr("Ethernet Settings")
    icon: VHIconPalette.ethernetIcon

    VHGeneralButton {
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        text: qsTr("Cancel")
        onClicked: dialog.rejected()
    }
}
