import QtQuick 2.10
import librariesqml.VHComponents 1.0

// Asks before a user account is deleted.
VHGeneralDialogBasic {
    id: dialog

    property string userName: ""

    width: 500
    height: 300
    icon: VHIconPalette.trashIcon
    title: qsTr("Delete User?")

    VHGeneralButton {
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        text: qsTr("Cancel")
        onClicked: dialog.hide()
    }
}
