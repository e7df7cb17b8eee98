import QtQuick 2.12
import librariesqml.VHComponents 1.0

// The window's top bar: a close button at the right that stays above every
// other layer. Only the button takes touches; the rest of the bar lets the
// content under it show through.
Item {
    id: bar

    signal windowClosed()

    implicitHeight: 48

    Rectangle {
        id: closeButton
        objectName: "closeButton"
        anchors.right: parent.right
        anchors.top: parent.top
        width: bar.height
        height: bar.height
        color: closeArea.pressed ? VHColorPalette.controlPressed : VHColorPalette.transparent
        radius: VHQmlCommonDefines.buttonRadius

        Text {
            anchors.centerIn: parent
            text: VHIconPalette.closeIcon
            font.family: VHIconPalette.fontName
            font.preferShaping: true
            font.pixelSize: VHQmlCommonDefines.iconSize
            color: VHColorPalette.textPrimary
        }

        MouseArea {
            id: closeArea
            anchors.fill: parent
            onClicked: bar.windowClosed()
        }
    }
}
