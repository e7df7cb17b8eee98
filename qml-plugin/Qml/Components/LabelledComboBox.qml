import QtQuick 2.10
import librariesqml.VHComponents 1.0

// A combo box with its label above it. The label sits outside the box's
// own height, so the row holding these leaves labelHeight free on top.
VHGeneralComboBox {
    id: box

    property string label: ""
    readonly property int labelHeight: labelText.height + VHQmlCommonDefines.smallMargin

    Text {
        id: labelText
        y: -box.labelHeight
        width: box.width
        text: box.label
        font.family: mainWindow.applicationFont
        font.pixelSize: mainWindow.fontSizeH3
        color: VHColorPalette.textSecondary
        elide: Text.ElideRight
    }
}
