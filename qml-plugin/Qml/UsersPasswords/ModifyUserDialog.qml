import QtQuick 2.10
import librariesqml.VHComponents 1.0
import librariesqml.VHUsersConfig 1.0

// Changes the password of one user account. It has no cancel button of its
// own: success or the window closes it.
VHGeneralDialogBasic {
    id: dialog

    property string userName: ""

    function reset() {
        oldField.text = ""
        newField.text = ""
        confirmField.text = ""
        oldField.state = "NORMAL"
        newField.state = "NORMAL"
        confirmField.state = "NORMAL"
        message.text = ""
    }

    function changePassword() {
        // Ends editing, so the fields hold what was typed.
        dialog.forceActiveFocus()
        VHUsersConfigHelper.changePassword(dialog.userName, oldField.text, newField.text,
                                           confirmField.text)
    }

    // The passwords are hashed in the background; the result comes here.
    function showResult(result) {
        switch (result) {
        case UsersConfigResultCode.SUCCESS:
            dialog.hide()
            message.text = ""
            SettingsMain.sendAnalyticHit("Users", "Password Changed")
            break
        case UsersConfigResultCode.INVALID_PASSWORD:
            message.text = qsTr("Invalid new password. Please try something else.")
            newField.state = "ERROR"
            break
        case UsersConfigResultCode.MISMATCH_PASSWORDS:
            message.text = qsTr("Passwords do not match.")
            confirmField.state = "ERROR"
            break
        case UsersConfigResultCode.INCORRECT_PASSWORD:
            message.text = qsTr("Incorrect password.")
            oldField.state = "ERROR"
            break
        }
    }

    width: 600
    height: 400
    icon: VHIconPalette.settingsMenuIcon
    title: qsTr("Change User Password")

    onVisibleChanged: reset()

    Connections {
        target: VHUsersConfigHelper
        function onChangePasswordFinished(result) { dialog.showResult(result) }
    }

    Column {
        id: fields
        width: (parent.width - VHQmlCommonDefines.largeMargin) / 2
        spacing: VHQmlCommonDefines.smallMargin

        VHTextFieldAccept {
            id: oldField
            objectName: "modifyUserOld"
            width: parent.width
            title: qsTr("Old Password")
            passwordMode: true
        }
        VHTextFieldAccept {
            id: newField
            objectName: "modifyUserNew"
            width: parent.width
            title: qsTr("New Password")
            passwordMode: true
        }
        VHTextFieldAccept {
            id: confirmField
            objectName: "modifyUserConfirm"
            width: parent.width
            title: qsTr("Confirm Password")
            passwordMode: true
        }
    }

    Column {
        anchors.left: fields.right
        anchors.leftMargin: VHQmlCommonDefines.largeMargin
        anchors.right: parent.right
        anchors.verticalCenter: fields.verticalCenter
        spacing: VHQmlCommonDefines.largeMargin

        Row {
            width: parent.width
            spacing: VHQmlCommonDefines.margin

            UserIcon {
                id: userIcon
                anchors.verticalCenter: parent.verticalCenter
                userName: dialog.userName
                font.pixelSize: VHQmlCommonDefines.iconSize + 10
            }
            Text {
                objectName: "modifyUserName"
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

        VHGeneralButton {
            objectName: "modifyUserChange"
            width: parent.width
            highlighted: true
            text: qsTr("Change Password")
            enabled: oldField.text.length > 0 && newField.text.length > 0
                     && confirmField.text.length > 0 && !VHUsersConfigHelper.busy
            onClicked: dialog.changePassword()
        }

        Text {
            id: message
            objectName: "modifyUserMessage"
            width: parent.width
            font.family: mainWindow.applicationFont
            font.pixelSize: mainWindow.fontSizeH3
            color: VHColorPalette.error
            wrapMode: Text.Wrap
        }
    }
}
