import QtQuick 2.12
import librariesqml.VHComponents 1.0

// Asks for the password of a Wi-Fi network before connecting to it.
VHGeneralDialogBasic {
    id: dialog

    property string ssid: ""
    property bool requiresPassword: true
    property string savedPasswordHash: ""
    property string statusDescription: ""
    property alias connectionStatusText: statusText

    signal accepted(string network, string password)
    signal rejected()

    width: 500
    height: 300
    title: dialog.ssid
    icon: VHIconPalette.wifiIcon

    Text {
        id: statusText
        visible: false
        width: parent.width
        text: dialog.statusDescription
        font.pixelSize: VHQmlCommonDefines.fontSizeControl
        color: VHColorPalette.textSecondary
        wrapMode: Text.Wrap
    }

    VHGeneralButton {
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        text: qsTr("Cancel")
        onClicked: dialog.rejected()
    }
}
