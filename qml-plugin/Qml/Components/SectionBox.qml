import QtQuick 2.10
import librariesqml.VHComponents 1.0
import "SectionMetrics.js" as SectionMetrics

// One white section of a page: a bold title, a divider under it, then the
// section's rows.
Rectangle {
    id: section

    property string title: ""
    // The window's metrics, passed in by the page.
    property var metrics: SectionMetrics.defaults
    default property alias rows: rowColumn.data

    width: metrics.containerWidth
    height: rowColumn.y + rowColumn.height + VHQmlCommonDefines.largeMargin
    radius: metrics.rectangleRadius
    color: VHColorPalette.sectionBackground

    Text {
        id: titleText
        x: (section.width - section.metrics.dividerWidth) / 2
        y: VHQmlCommonDefines.largeMargin - 4
        width: section.metrics.dividerWidth
        text: section.title
        font.family: section.metrics.applicationFont
        font.pixelSize: section.metrics.fontSizeH1
        font.bold: true
        color: VHColorPalette.textPrimary
        elide: Text.ElideRight
    }

    Rectangle {
        id: titleDivider
        anchors.top: titleText.bottom
        anchors.topMargin: VHQmlCommonDefines.margin
        anchors.horizontalCenter: parent.horizontalCenter
        width: section.metrics.dividerWidth
        height: 1
        color: VHColorPalette.divider
    }

    Column {
        id: rowColumn
        anchors.top: titleDivider.bottom
        anchors.topMargin: VHQmlCommonDefines.margin
        anchors.horizontalCenter: parent.horizontalCenter
        width: section.metrics.dividerWidth
        spacing: VHQmlCommonDefines.margin
    }
}
