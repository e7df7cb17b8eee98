import QtQuick 2.12
import QtQuick.Controls 2.3
import librariesqml.VHComponents 1.0

// A whole-number box with - and + buttons of touch size on either side, and
// its units to the right, inside the box's width whatever their language.
// Typed input is limited to the range by the validator.
SpinBox {
    id: control

    property string unitsText: ""
    // Units of every length line up the boxes of a column the same.
    readonly property real unitsWidth: unitsText.length > 0
                                       ? Math.max(units.implicitWidth, VHQmlCommonDefines.spinBoxUnitsMinWidth)
                                         + VHQmlCommonDefines.margin
                                       : 0

    editable: true
    implicitWidth: 2 * VHQmlCommonDefines.touchTarget + VHQmlCommonDefines.spinBoxValueWidth + unitsWidth
    implicitHeight: VHQmlCommonDefines.controlHeight
    leftPadding: VHQmlCommonDefines.touchTarget
    rightPadding: VHQmlCommonDefines.touchTarget + unitsWidth
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
        // Digits, and the minus sign where the range goes below zero.
        inputMethodHints: (Math.min(control.from, control.to) < 0 ? Qt.ImhFormattedNumbersOnly : Qt.ImhDigitsOnly)
                          | Qt.ImhNoPredictiveText
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
        x: control.width - control.unitsWidth - width
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
        width: control.width - control.unitsWidth - 2 * VHQmlCommonDefines.touchTarget + 2
        color: VHColorPalette.controlBackground
        border.width: 1
        border.color: control.activeFocus ? VHColorPalette.accent : VHColorPalette.controlBorder
    }

    Text {
        id: units
        visible: control.unitsText.length > 0
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        width: control.unitsWidth - VHQmlCommonDefines.margin
        text: control.unitsText
        font.pixelSize: VHQmlCommonDefines.fontSizeControl
        color: VHColorPalette.textSecondary
    }
}
