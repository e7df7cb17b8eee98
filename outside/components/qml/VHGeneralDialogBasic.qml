import QtQuick 2.12
import librariesqml.VHComponents 1.0

// A modal panel with an icon and a title. The window centres it over its
// dimming layer; the content goes below the title.
Rectangle {
    id: dialog

    property string title: ""
    property string icon: ""
    default property alias content: body.data

    function show() { visible = true }
    function hide() { visible = false }

    visible: false
    radius: VHQmlCommonDefines.buttonRadius * 2
    color: VHColorPalette.sectionBackground

    // Taps on the panel itself must not reach what lies under the dimming.
    MouseArea { anchors.fill: parent }

    Row {
        id: header
        x: VHQmlCommonDefines.largeMargin
        y: VHQmlCommonDefines.largeMargin
        spacing: VHQmlCommonDefines.margin

        Text {
            visible: dialog.icon.length > 0
            anchors.verticalCenter: parent.verticalCenter
            text: dialog.icon
            font.family: VHIconPalette.fontName
            font.preferShaping: true
            font.pixelSize: VHQmlCommonDefines.iconSize + 4
            color: VHColorPalette.accent
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            width: dialog.width - 3 * VHQmlCommonDefines.largeMargin - VHQmlCommonDefines.iconSize
            text: dialog.title
            // Titles name networks and users, whose names come from outside.
            textFormat: Text.PlainText
            font.pixelSize: VHQmlCommonDefines.fontSizeDialogTitle
            font.bold: true
            color: VHColorPalette.textPrimary
            elide: Text.ElideRight
        }
    }

    Rectangle {
        id: headerDivider
        anchors.top: header.bottom
        anchors.topMargin: VHQmlCommonDefines.margin
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width - 2 * VHQmlCommonDefines.largeMargin
        height: 1
        color: VHColorPalette.divider
    }

    Item {
        id: body
        anchors.top: headerDivider.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: VHQmlCommonDefines.largeMargin
    }
}
