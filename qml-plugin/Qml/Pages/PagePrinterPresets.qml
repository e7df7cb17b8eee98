import QtQuick 2.10
import librariesqml.VHComponents 1.0
import "../Components"

SettingsPage {
    id: page

    // The preset the printer pages show; empty while none is selected.
    property string currentPreset: ""

    SectionBox {
        title: qsTr("Presets")
    }
}
