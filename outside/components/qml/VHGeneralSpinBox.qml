import QtQuick 2.12
import QtQuick.Controls 2.3
import librariesqml.VHComponents 1.0

// A whole-number box with - and + buttons of touch size on either side.
// Typed input is limited to the range by the validator.
SpinBox {
    id: control

    property string unitsText: ""

    editable: true
    implicitWidth: 2 * VHQmlCommonDefines.touchTarget + VHQmlCommonDefines.spinBoxValueWidth
    implicitHeight: VHQmlCommonDefines.controlHeight
    leftPadding: VHQmlCommonDefines.touchTarget
    rightPadding: VHQmlCommonDefines.touchTarget
    font.pixelSize: VHQmlCommonDefines.fontSizeControl
    opacity: enabled ? 1 : VHColorPalette.disabledOpacity

    validator: IntValidator {
        bottom: Math.min(control.from, control.to)
        top: Math.max(control.from, control.to)
    }

    contentItem: TextInput {
        text: control.displayText
        font: control.font
        color: VHColorPalette.textPrimary
        selectionColor: VHColorPalette.accent
        horizontalAlignment: Qt.AlignHCenter
        verticalAlignment: Qt.AlignVCenter
        readOnly: !control.editable
        validator: control.validator
        inputMethodHints: Qt.ImhFormattedNumbersOnly
    }

    down.indicator: Rectangle {
        x: 0
        height: parent.height
        width: VHQmlCommonDefines.touchTarget
        radius: VHQmlCommonDefines.buttonRadius
        color: control.down.pressed ? VHColorPalette.controlPressed : VHColorPalette.controlBackground
        border.width: 1
        border.color: VHColorPalette.controlBorder
        opacity: control.value > Math.min(control.from, control.to) ? 1 : VHColorPalette.disabledOpacity

        Text {
            anchors.centerIn: parent
            text: VHIconPalette.minusIcon
            font.family: VHIconPalette.fontName
            font.preferShaping: true
            font.pixelSize: VHQmlCommonDefines.iconSize
            color: VHColorPalette.textPrimary
        }
    }

    up.indicator: Rectangle {
        x: control.width - width
        height: parent.height
        width: VHQmlCommonDefines.touchTarget
        radius: VHQmlCommonDefines.buttonRadius
        color: control.up.pressed ? VHColorPalette.controlPressed : VHColorPalette.controlBackground
        border.width: 1
        border.color: VHColorPalette.controlBorder
        opacity: control.value < Math.max(control.from, control.to) ? 1 : VHColorPalette.disabledOpacity

        Text {
            anchors.centerIn: parent
            text: VHIconPalette.plusIcon
            font.family: VHIconPalette.fontName
            font.preferShaping: true
            font.pixelSize: VHQmlCommonDefines.iconSize
            color: VHColorPalette.textPrimary
        }
    }

    background: Rectangle {
        x: VHQmlCommonDefines.touchTarget - 1
        width: control.width - 2 * VHQmlCommonDefines.touchTarget + 2
        color: VHColorPalette.controlBackground
        border.width: 1
        border.color: control.activeFocus ? VHColorPalette.accent : VHColorPalette.controlBorder
    }

    Text {
        visible: control.unitsText.length > 0
        anchors.left: parent.right
        anchors.leftMargin: VHQmlCommonDefines.margin
        anchors.verticalCenter: parent.verticalCenter
        text: control.unitsText
        font.pixelSize: VHQmlCommonDefines.fontSizeControl
        color: VHColorPalette.textSecondary
    }
}
