import QtQuick 2.10
import librariesqml.VHComponents 1.0

// Changes the password of one user account.
VHGeneralDialogBasic {
    id: dialog

    property string userName: ""

    width: 600
    height: 400
    icon: VHIconPalette.settingsMenuIcon
    title: qsTr("Change User Password")

}
