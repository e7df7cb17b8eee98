import QtQuick 2.10
import QtQuick.Controls 2.3
import librariesqml.VHUsersConfig 1.0

// The device's accounts, one row each.
ListView {
    id: list

    clip: true
    spacing: 2
    boundsBehavior: Flickable.StopAtBounds
    model: VHUsersConfigHelper.usersList
    delegate: UserListDelegate {
        width: list.width - scrollBar.width - 4
        userName: modelData
    }

    ScrollBar.vertical: ScrollBar {
        id: scrollBar
        policy: ScrollBar.AlwaysOn
    }
}
