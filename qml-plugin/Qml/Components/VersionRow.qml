import QtQuick 2.10
import librariesqml.VHComponents 1.0

// A label and, beside it in bold, a version that comes from outside and
// is therefore shown as plain text.
Row {
    id: row

    property string label: ""
    property alias text: version.text
    property alias versionColor: version.color

    spacing: VHQmlCommonDefines.smallMargin

    Text {
        id: labelText
        text: row.label
        font.family: mainWindow.applicationFont
        font.pixelSize: mainWindow.fontSizeH2
        color: VHColorPalette.textPrimary
    }
    Text {
        id: version
        width: row.width - labelText.width - row.spacing
        textFormat: Text.PlainText
        font.family: mainWindow.applicationFont
        font.pixelSize: mainWindow.fontSizeH2
        font.bold: true
        color: VHColorPalette.textPrimary
        wrapMode: Text.WrapAnywhere
    }
}
