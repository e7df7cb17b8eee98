import QtQuick 2.10
import librariesqml.VHComponents 1.0

// A glyph that acts on a row of the user list, with a touch area as high
// as the row.
MouseArea {
    id: area

    property string glyph: ""

    width: 50
    height: 50

    Text {
        anchors.centerIn: parent
        text: area.glyph
        font.family: VHIconPalette.fontName
        font.preferShaping: true
        font.pixelSize: VHQmlCommonDefines.iconSize
        color: area.pressed ? VHColorPalette.accentPressed : VHColorPalette.textSecondary
    }
}
