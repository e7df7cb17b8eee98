import QtQuick 2.10
import librariesqml.VHComponents 1.0

// The orange note beside a setting's title that the change waits for a restart.
Text {
    anchors.verticalCenter: parent ? parent.verticalCenter : undefined
    text: qsTr("Please restart for this setting to take effect.")
    font.family: mainWindow.applicationFont
    font.pixelSize: mainWindow.fontSizeH3
    color: VHColorPalette.accent
}
