import QtQuick 2.10
import librariesqml.VHComponents 1.0

// One account of the list: its glyph and name, and at the right the
// buttons that open the change-password and delete dialogs for it.
Rectangle {
    id: row

    property string userName: ""

    objectName: "userRow_" + userName
    height: 50
    radius: VHQmlCommonDefines.buttonRadius
    color: VHColorPalette.windowBackground

    UserIcon {
        id: icon
        x: VHQmlCommonDefines.margin
        anchors.verticalCenter: parent.verticalCenter
        userName: row.userName
    }

    Text {
        objectName: "userRowName_" + row.userName
        anchors.left: icon.right
        anchors.leftMargin: VHQmlCommonDefines.margin
        anchors.right: settingsButton.left
        anchors.verticalCenter: parent.verticalCenter
        text: row.userName
        textFormat: Text.PlainText
        font.family: mainWindow.applicationFont
        font.pixelSize: mainWindow.fontSizeH2
        color: VHColorPalette.textPrimary
        elide: Text.ElideRight
    }

    UserActionIcon {
        id: settingsButton
        objectName: "userSettings_" + row.userName
        anchors.right: trashButton.left
        glyph: VHIconPalette.settingsMenuIcon
        onClicked: {
            modifyUserDialog.userName = row.userName
            modifyUserDialog.show()
        }
    }

    UserActionIcon {
        id: trashButton
        objectName: "userDelete_" + row.userName
        anchors.right: parent.right
        glyph: VHIconPalette.trashIcon
        onClicked: {
            deleteUserDialog.userName = row.userName
            deleteUserDialog.show()
        }
    }
}
