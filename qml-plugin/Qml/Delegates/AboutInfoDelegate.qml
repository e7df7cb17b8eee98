import QtQuick 2.10
import librariesqml.VHComponents 1.0

// One line of the About page: the label on the left, wrapping in its part
// of the line, the value right-aligned, and a divider under both.
Item {
    id: line

    property string label: ""
    property string value: ""

    width: parent ? parent.width : 0
    height: Math.max(labelText.height, valueText.height) + 2 * VHQmlCommonDefines.smallMargin + 1

    Text {
        id: labelText
        y: VHQmlCommonDefines.smallMargin
        width: parent.width * 0.55
        text: line.label
        font.family: mainWindow.applicationFont
        font.pixelSize: mainWindow.fontSizeH3
        color: VHColorPalette.textSecondary
        wrapMode: Text.Wrap
    }

    Text {
        id: valueText
        y: VHQmlCommonDefines.smallMargin
        anchors.right: parent.right
        width: parent.width - labelText.width - VHQmlCommonDefines.largeMargin
        text: line.value
        // Serial number, addresses, firmware: read from the device and its services.
        textFormat: Text.PlainText
        font.family: mainWindow.applicationFont
        font.pixelSize: mainWindow.fontSizeH3
        color: VHColorPalette.textPrimary
        horizontalAlignment: Text.AlignRight
        wrapMode: Text.WrapAnywhere
    }

    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: VHColorPalette.divider
    }
}
