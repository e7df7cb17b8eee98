import QtQuick 2.10
import librariesqml.VHComponents 1.0
import "../Components"

SettingsPage {
    id: page

    SectionBox {
        title: qsTr("Languages")
    }
}
