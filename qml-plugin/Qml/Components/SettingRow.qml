import QtQuick 2.10
import librariesqml.VHComponents 1.0
import "SectionMetrics.js" as SectionMetrics

// One setting: its title and description on the left, wrapping in their
// column, and the control on the right, centred on the row.
Item {
    id: row

    property string title: ""
    property string description: ""
    // The window's metrics, passed in by the page.
    property var metrics: SectionMetrics.defaults
    default property alias control: controlArea.data
    property alias titleExtras: titleLine.data

    width: parent ? parent.width : metrics.dividerWidth
    height: Math.max(texts.height, controlArea.childrenRect.height, VHQmlCommonDefines.touchTarget)

    Column {
        id: texts
        anchors.verticalCenter: parent.verticalCenter
        width: row.width - controlArea.width - VHQmlCommonDefines.largeMargin
        spacing: 2

        Row {
            id: titleLine
            spacing: VHQmlCommonDefines.margin

            Text {
                visible: row.title.length > 0
                text: row.title
                font.family: row.metrics.applicationFont
                font.pixelSize: row.metrics.fontSizeH2
                color: VHColorPalette.textPrimary
            }
        }

        Text {
            visible: row.description.length > 0
            width: parent.width
            text: row.description
            font.family: row.metrics.applicationFont
            font.pixelSize: row.metrics.fontSizeH3
            color: VHColorPalette.textSecondary
            wrapMode: Text.Wrap
        }
    }

    Item {
        id: controlArea
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        width: childrenRect.width
        height: childrenRect.height
    }
}
