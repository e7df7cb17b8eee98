import QtQuick 2.10
import librariesqml.VHComponents 1.0
import librariesqml.VHUsersConfig 1.0

// Asks before a user account is deleted. A delete that fails keeps the
// dialog open.
VHGeneralDialogBasic {
    id: dialog

    property string userName: ""

    width: 500
    height: 300
    icon: VHIconPalette.trashIcon
    title: qsTr("Delete User?")

    Connections {
        target: VHUsersConfigHelper
        function onDeleteUserFinished(result) {
            if (result === UsersConfigResultCode.SUCCESS) {
                dialog.hide()
                SettingsMain.sendAnalyticHit("Users", "Deleted User")
            }
        }
    }

    // Long names wrap: the user must see whose account goes.
    Row {
        anchors.top: parent.top
        anchors.topMargin: VHQmlCommonDefines.largeMargin
        width: parent.width
        spacing: VHQmlCommonDefines.margin

        UserIcon {
            id: userIcon
            anchors.verticalCenter: parent.verticalCenter
            userName: dialog.userName
            font.pixelSize: VHQmlCommonDefines.iconSize + 10
        }
        Text {
            objectName: "deleteUserName"
            anchors.verticalCenter: parent.verticalCenter
            width: parent.width - userIcon.width - parent.spacing
            text: dialog.userName
            textFormat: Text.PlainText
            font.family: mainWindow.applicationFont
            font.pixelSize: mainWindow.fontSizeH1 + 4
            font.bold: true
            color: VHColorPalette.textPrimary
            wrapMode: Text.WrapAtWordBoundaryOrAnywhere
        }
    }

    Row {
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        spacing: VHQmlCommonDefines.margin

        VHGeneralButton {
            objectName: "deleteUserCancel"
            text: qsTr("Cancel")
            onClicked: dialog.hide()
        }
        VHGeneralButton {
            objectName: "deleteUserConfirm"
            highlighted: true
            text: qsTr("Delete User")
            enabled: !VHUsersConfigHelper.busy
            onClicked: VHUsersConfigHelper.deleteUser(dialog.userName)
        }
    }
}
