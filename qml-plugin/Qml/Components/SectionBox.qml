import QtQuick 2.10
import librariesqml.VHComponents 1.0

// One white section of a page: a bold title, a divider under it, then the
// section's rows.
Rectangle {
    id: section

    property string title: ""
    default property alias rows: rowColumn.data

    width: mainWindow.containerWidth
    height: rowColumn.y + rowColumn.height + VHQmlCommonDefines.largeMargin
    radius: mainWindow.rectangleRadius
    color: VHColorPalette.sectionBackground

    Text {
        id: titleText
        x: (section.width - mainWindow.dividerWidth) / 2
        y: VHQmlCommonDefines.largeMargin - 4
        width: mainWindow.dividerWidth
        text: section.title
        font.family: mainWindow.applicationFont
        font.pixelSize: mainWindow.fontSizeH1
        font.bold: true
        color: VHColorPalette.textPrimary
        elide: Text.ElideRight
    }

    Rectangle {
        id: titleDivider
        anchors.top: titleText.bottom
        anchors.topMargin: VHQmlCommonDefines.margin
        anchors.horizontalCenter: parent.horizontalCenter
        width: mainWindow.dividerWidth
        height: 1
        color: VHColorPalette.divider
    }

    Column {
        id: rowColumn
        anchors.top: titleDivider.bottom
        anchors.topMargin: VHQmlCommonDefines.margin
        anchors.horizontalCenter: parent.horizontalCenter
        width: mainWindow.dividerWidth
        spacing: VHQmlCommonDefines.margin
    }
}
