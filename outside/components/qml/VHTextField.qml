import QtQuick 2.12
import QtQuick.Controls 2.3
import librariesqml.VHComponents 1.0

// A text field with its title above and an error text below in red.
Column {
    id: root

    property string title: ""
    property string errorText: ""
    // Outlined in red; by default while there is an error text.
    property bool showError: errorText.length > 0
    property alias text: field.text
    property alias placeholderText: field.placeholderText
    property alias echoMode: field.echoMode
    property alias validator: field.validator
    property alias field: field
    signal accepted()

    width: VHQmlCommonDefines.textFieldWidth
    spacing: 2

    Text {
        visible: root.title.length > 0
        width: parent.width
        text: root.title
        font.pixelSize: VHQmlCommonDefines.fontSizeSmall + 2
        color: VHColorPalette.textSecondary
        elide: Text.ElideRight
    }

    TextField {
        id: field
        width: parent.width
        height: VHQmlCommonDefines.controlHeight
        font.pixelSize: VHQmlCommonDefines.fontSizeControl
        color: VHColorPalette.textPrimary
        selectionColor: VHColorPalette.accent
        placeholderTextColor: VHColorPalette.textSecondary
        leftPadding: VHQmlCommonDefines.margin
        onAccepted: root.accepted()

        background: Rectangle {
            radius: VHQmlCommonDefines.buttonRadius
            color: VHColorPalette.controlBackground
            border.width: field.activeFocus || root.showError ? 2 : 1
            border.color: root.showError ? VHColorPalette.error
                        : field.activeFocus ? VHColorPalette.accent : VHColorPalette.controlBorder
        }
    }

    Text {
        width: parent.width
        text: root.errorText
        font.pixelSize: VHQmlCommonDefines.fontSizeSmall
        color: VHColorPalette.error
        wrapMode: Text.Wrap
    }
}
