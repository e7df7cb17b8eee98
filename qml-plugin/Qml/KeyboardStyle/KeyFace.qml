import QtQuick 2.12
import QtQuick.VirtualKeyboard.Styles 2.1
import librariesqml.VHComponents 1.0

// One key: a rounded face with the key's text, or a glyph of the window's
// icon font for a function key; darker while pressed, faded while disabled.
KeyPanel {
    id: face

    property string glyph: ""
    property color faceColor: VHColorPalette.controlBackground
    property color pressedColor: VHColorPalette.controlPressed
    property color labelColor: VHColorPalette.textPrimary
    // The key is handed over once the face is built.
    readonly property bool ready: control !== null

    Rectangle {
        anchors.fill: parent
        anchors.margins: VHQmlCommonDefines.keyboardKeySpacing / 2
        radius: VHQmlCommonDefines.buttonRadius
        color: face.ready && face.control.pressed ? face.pressedColor : face.faceColor
        border.width: 1
        border.color: VHColorPalette.controlBorder
        opacity: !face.ready || face.control.enabled ? 1 : VHColorPalette.disabledOpacity

        Text {
            visible: face.glyph.length === 0
            anchors.fill: parent
            anchors.margins: VHQmlCommonDefines.smallMargin
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            text: face.ready ? face.control.displayText : ""
            font.pixelSize: VHQmlCommonDefines.fontSizeKeyboard
            font.capitalization: face.ready && face.control.uppercased ? Font.AllUppercase : Font.MixedCase
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: VHQmlCommonDefines.fontSizeSmall
            color: face.labelColor
        }
        Text {
            visible: face.glyph.length > 0
            anchors.centerIn: parent
            text: face.glyph
            font.family: VHIconPalette.fontName
            font.preferShaping: true
            font.pixelSize: VHQmlCommonDefines.iconSize
            color: face.labelColor
        }
        // A key with more characters behind a long press says so.
        Text {
            visible: face.ready && face.glyph.length === 0 && face.control.smallTextVisible
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.margins: VHQmlCommonDefines.smallMargin
            text: face.ready ? face.control.smallText : ""
            font.pixelSize: VHQmlCommonDefines.fontSizeSmall
            color: VHColorPalette.textSecondary
        }
    }
}
