import QtQuick 2.10
import librariesqml.VHComponents 1.0
import librariesqml.VHUsersConfig 1.0

// The form that adds an account, and the button that locks the screen.
Column {
    id: form

    function addUser() {
        // Ends editing, so the fields hold what was typed.
        form.forceActiveFocus()
        VHUsersConfigHelper.addUser(userNameField.text, passwordField.text, confirmField.text)
    }

    // The password is hashed in the background; the result comes here.
    function showResult(result) {
        switch (result) {
        case UsersConfigResultCode.SUCCESS:
            userNameField.text = ""
            passwordField.text = ""
            confirmField.text = ""
            SettingsMain.sendAnalyticHit("Users", "Added User")
            break
        case UsersConfigResultCode.USER_ALREADY_EXISTS:
            userNameField.errorText = qsTr("User already exists")
            userNameField.state = "ERROR"
            break
        case UsersConfigResultCode.INVALID_USERNAME:
            userNameField.errorText = qsTr("Invalid username")
            userNameField.state = "ERROR"
            break
        case UsersConfigResultCode.INVALID_PASSWORD:
            passwordField.errorText = qsTr("Invalid password")
            passwordField.state = "ERROR"
            break
        case UsersConfigResultCode.INVALID_USERNAME_AND_PASSWORD:
            userNameField.state = "ERROR"
            passwordField.state = "ERROR"
            userNameField.errorText = qsTr("Invalid Username & Password")
            passwordField.errorText = ""
            break
        case UsersConfigResultCode.MISMATCH_PASSWORDS:
            confirmField.errorText = qsTr("Passwords do not match")
            confirmField.state = "ERROR"
            break
        }
    }

    spacing: VHQmlCommonDefines.smallMargin

    Connections {
        target: VHUsersConfigHelper
        function onAddUserFinished(result) { form.showResult(result) }
    }

    Row {
        spacing: VHQmlCommonDefines.largeMargin

        VHTextFieldAccept {
            id: userNameField
            objectName: "addUserName"
            width: (form.width - 2 * parent.spacing) / 3
            title: qsTr("Username")
        }
        VHTextFieldAccept {
            id: passwordField
            objectName: "addUserPassword"
            width: userNameField.width
            title: qsTr("Password")
            passwordMode: true
        }
        VHTextFieldAccept {
            id: confirmField
            objectName: "addUserConfirm"
            width: userNameField.width
            title: qsTr("Confirm Password")
            passwordMode: true
        }
    }

    Item {
        width: form.width
        height: addButton.height

        VHGeneralButton {
            objectName: "lockButton"
            anchors.left: parent.left
            highlighted: true
            text: qsTr("Lock")
            onClicked: {
                VHUsersConfigHelper.enableLockScreen()
                SettingsMain.sendAnalyticHit("Display", "Locked")
            }
        }
        VHGeneralButton {
            id: addButton
            objectName: "addUserButton"
            anchors.right: parent.right
            text: qsTr("Add User")
            enabled: !VHUsersConfigHelper.busy
            onClicked: form.addUser()
        }
    }
}
