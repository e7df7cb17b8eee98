import QtQuick 2.12
import librariesqml.VHComponents 1.0

// Details of one Wi-Fi network, with the action to forget it. Forget is
// offered for the connected network and for saved ones.
VHGeneralDialogBasic {
    id: dialog

    property bool connected: false
    property bool savedNetwork: true
    property string accessPointSSID: ""
    property string accessPointBSSID: ""
    property string accessPointFlags: ""
    property int accessPointSignalLevel: 0
    property string accessPointIPAddress: ""

    signal accepted(string ssid, bool connected)
    signal rejected()

    width: 560
    height: 310
    title: dialog.accessPointSSID
    icon: VHIconPalette.wifiIcon

    Column {
        width: parent.width
        spacing: VHQmlCommonDefines.margin

        VHWiFiDetailRow {
            label: qsTr("Status")
            value: dialog.connected ? qsTr("Connected") : dialog.savedNetwork ? qsTr("Saved") : qsTr("Not connected")
        }
        VHWiFiDetailRow {
            label: qsTr("Security")
            value: dialog.accessPointFlags.length > 0 ? dialog.accessPointFlags : qsTr("Open")
        }
        VHWiFiDetailRow {
            label: qsTr("Signal strength")
            value: dialog.accessPointSignalLevel + " %"
        }
        VHWiFiDetailRow {
            label: qsTr("Access point")
            value: dialog.accessPointBSSID
        }
        VHWiFiDetailRow {
            visible: dialog.connected
            label: qsTr("IP address")
            value: dialog.accessPointIPAddress
        }
    }

    Row {
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        spacing: VHQmlCommonDefines.margin

        VHGeneralButton {
            objectName: "wifiDialogClose"
            text: qsTr("Close")
            onClicked: dialog.rejected()
        }
        VHGeneralButton {
            objectName: "wifiDialogForget"
            visible: dialog.connected || dialog.savedNetwork
            highlighted: true
            text: qsTr("Forget Network")
            onClicked: dialog.accepted(dialog.accessPointSSID, dialog.connected)
        }
    }
}
