import QtQuick 2.10
import librariesqml.VHComponents 1.0

// A small square in a ribbon's colour with the ribbon's number, placed
// before the controls that act on that ribbon.
Rectangle {
    id: badge

    property int ribbon: 1
    property string ribbonColor: ""

    width: VHQmlCommonDefines.iconSize
    height: width
    radius: 4
    color: ribbonColor.length > 0 ? ribbonColor : VHColorPalette.textPrimary
    border.width: 1
    border.color: VHColorPalette.controlBorder

    Text {
        anchors.centerIn: parent
        text: badge.ribbon
        font.family: mainWindow.applicationFont
        font.pixelSize: VHQmlCommonDefines.fontSizeSmall
        font.bold: true
        // Readable on dark and light ribbons alike.
        color: badge.color.hslLightness < 0.5 ? VHColorPalette.textOnAccent : VHColorPalette.textPrimary
    }
}
