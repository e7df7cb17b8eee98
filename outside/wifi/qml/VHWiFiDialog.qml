import QtQuick 2.12
import librariesqml.VHComponents 1.0

// Details of one Wi-Fi network, with the action to forget it.
VHGeneralDialogBasic {
    id: dialog

    property bool connected: false
    property string accessPointSSID: ""
    property string accessPointBSSID: ""
    property string accessPointFlags: ""
    property int accessPointSignalLevel: 0
    property string accessPointIPAddress: ""

    signal accepted(string ssid, bool connected)
    signal rejected()

    width: 500
    height: 300
    title: dialog.accessPointSSID
    icon: VHIconPalette.wifiIcon

    VHGeneralButton {
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        text: qsTr("Cancel")
        onClicked: dialog.rejected()
    }
}
