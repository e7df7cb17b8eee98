import QtQuick 2.12
import librariesqml.VHComponents 1.0

// One labelled value in a network's details.
Row {
    id: row

    property string label: ""
    property string value: ""

    spacing: VHQmlCommonDefines.margin

    Text {
        width: 170
        text: row.label
        font.pixelSize: VHQmlCommonDefines.fontSizeControl
        color: VHColorPalette.textSecondary
        elide: Text.ElideRight
    }
    Text {
        width: 300
        text: row.value.length > 0 ? row.value : "–"
        // Values come from the access point and NetworkManager.
        textFormat: Text.PlainText
        font.pixelSize: VHQmlCommonDefines.fontSizeControl
        color: VHColorPalette.textPrimary
        elide: Text.ElideRight
    }
}
