import QtQuick 2.12
import librariesqml.VHComponents 1.0

// A turning busy glyph; it only turns while shown.
Text {
    id: spinner

    property color iconColor: VHColorPalette.accent

    text: VHIconPalette.refreshIcon
    font.family: VHIconPalette.fontName
    font.preferShaping: true
    font.pixelSize: VHQmlCommonDefines.iconSize
    color: iconColor

    RotationAnimator on rotation {
        running: spinner.visible
        from: 0
        to: 360
        duration: 1000
        loops: Animation.Infinite
    }
}
