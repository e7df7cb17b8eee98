import QtQuick 2.12
import librariesqml.VHComponents 1.0

// Asks for the password of a Wi-Fi network before connecting to it, then
// shows how the connection goes. A saved network (savedPasswordHash set)
// connects with its saved password unless a new one is typed; an open one
// needs none.
VHGeneralDialogBasic {
    id: dialog

    property string ssid: ""
    property bool requiresPassword: true
    property string savedPasswordHash: ""
    property string statusDescription: ""
    // While a request is on its way no second one can be made.
    property bool connecting: false
    property alias connectionStatusText: statusText

    signal accepted(string network, string password)
    signal rejected()

    readonly property bool passwordSaved: savedPasswordHash.length > 0
    readonly property bool canConnect: !connecting
                                       && (!requiresPassword || passwordSaved || passwordField.text.length > 0)

    width: 560
    height: 320
    title: dialog.ssid
    icon: VHIconPalette.wifiIcon

    onVisibleChanged: {
        if (!visible)
            return
        passwordField.text = ""
        passwordField.echoMode = TextInput.Password
        statusText.visible = false
    }

    Column {
        width: parent.width
        spacing: VHQmlCommonDefines.margin

        Text {
            objectName: "passwordHint"
            width: parent.width
            text: !dialog.requiresPassword ? qsTr("This network is open: no password is needed.")
                  : dialog.passwordSaved ? qsTr("The password of this network is saved. Type a new one only if it has changed.")
                  : qsTr("Enter the password of this network.")
            font.pixelSize: VHQmlCommonDefines.fontSizeControl
            color: VHColorPalette.textPrimary
            wrapMode: Text.Wrap
        }

        Row {
            visible: dialog.requiresPassword
            spacing: VHQmlCommonDefines.margin

            VHTextField {
                id: passwordField
                objectName: "wifiPasswordField"
                width: 360
                echoMode: TextInput.Password
                field.inputMethodHints: VHQmlCommonDefines.passwordInputHints
                placeholderText: dialog.passwordSaved ? qsTr("Saved password") : qsTr("Password")
                onAccepted: if (dialog.canConnect) connectButton.clicked()
            }
            MouseArea {
                id: revealButton
                width: VHQmlCommonDefines.touchTarget
                height: VHQmlCommonDefines.controlHeight
                onClicked: passwordField.echoMode = passwordField.echoMode === TextInput.Password
                           ? TextInput.Normal : TextInput.Password

                Text {
                    anchors.centerIn: parent
                    text: passwordField.echoMode === TextInput.Password ? VHIconPalette.visibilityIcon
                                                                        : VHIconPalette.visibilityOffIcon
                    font.family: VHIconPalette.fontName
                    font.preferShaping: true
                    font.pixelSize: VHQmlCommonDefines.iconSize
                    color: revealButton.pressed ? VHColorPalette.accentPressed : VHColorPalette.textSecondary
                }
            }
        }

        Text {
            id: statusText
            objectName: "connectionStatusText"
            visible: false
            width: parent.width
            text: dialog.statusDescription
            // It names the network, whose name its owner chose.
            textFormat: Text.PlainText
            font.pixelSize: VHQmlCommonDefines.fontSizeControl
            font.bold: true
            color: VHColorPalette.textSecondary
            wrapMode: Text.Wrap
        }
    }

    Row {
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        spacing: VHQmlCommonDefines.margin

        VHGeneralButton {
            objectName: "wifiPasswordCancel"
            text: statusText.visible && !dialog.connecting ? qsTr("Close") : qsTr("Cancel")
            onClicked: dialog.rejected()
        }
        VHGeneralButton {
            id: connectButton
            objectName: "wifiPasswordConnect"
            highlighted: true
            enabled: dialog.canConnect
            text: qsTr("Connect")
            onClicked: dialog.accepted(dialog.ssid, dialog.requiresPassword ? passwordField.text : "")
        }
    }
}
