import QtQuick 2.10
import librariesqml.VHComponents 1.0
import librariesqml.VHUsersConfig 1.0
import "../Components"
import "../UsersPasswords"

// The device's user accounts: the list (or why it is empty), the form that
// adds one, and the button that locks the screen.
SettingsPage {
    id: page

    // The form stays where it is; only the list scrolls.
    interactive: false

    SectionBox {
        metrics: page.metrics
        title: qsTr("Users and Passwords")

        Item {
            width: parent.width
            // Four rows, so that the form stays on the page.
            height: 4 * 50 + 3 * 2

            UsersListView {
                objectName: "usersList"
                anchors.fill: parent
                visible: VHUsersConfigHelper.hasUsers
            }

            Text {
                objectName: "noUsersText"
                anchors.centerIn: parent
                width: parent.width
                visible: !VHUsersConfigHelper.hasUsers
                text: qsTr("There are currently no users.\nAdding a user will prompt for a login on reboot.")
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                font.family: mainWindow.applicationFont
                font.pixelSize: mainWindow.fontSizeH2
                color: VHColorPalette.textSecondary
            }
        }

        Rectangle {
            anchors.horizontalCenter: parent.horizontalCenter
            width: mainWindow.innerDividerWidth
            height: 1
            color: VHColorPalette.divider
        }

        AddUserContainer {
            width: parent.width
        }
    }
}
