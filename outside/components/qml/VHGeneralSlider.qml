import QtQuick 2.12
import QtQuick.Controls 2.3
import librariesqml.VHComponents 1.0

// A slider that snaps to its steps and can show its value. For offsets
// (centreFill) the fill grows from the middle of the range, which is marked.
Slider {
    id: control

    property bool showValue: true
    property string unitsText: ""
    property bool centreFill: false
    readonly property real centrePosition: (0 - from) / (to - from)

    implicitWidth: VHQmlCommonDefines.sliderWidth
    implicitHeight: VHQmlCommonDefines.touchTarget
    stepSize: 1
    snapMode: Slider.SnapAlways
    leftPadding: VHQmlCommonDefines.sliderHandle / 2
    rightPadding: VHQmlCommonDefines.sliderHandle / 2 + (showValue ? valueLabel.width + VHQmlCommonDefines.margin : 0)
    opacity: enabled ? 1 : VHColorPalette.disabledOpacity

    background: Item {
        x: control.leftPadding
        y: control.topPadding + control.availableHeight / 2 - height / 2
        width: control.availableWidth
        height: VHQmlCommonDefines.sliderTrack

        Rectangle {
            anchors.fill: parent
            radius: height / 2
            color: VHColorPalette.controlTrack
        }

        Rectangle {
            readonly property real start: control.centreFill ? Math.min(control.centrePosition, control.visualPosition) : 0
            readonly property real end: control.centreFill ? Math.max(control.centrePosition, control.visualPosition)
                                                           : control.visualPosition
            x: start * parent.width
            width: (end - start) * parent.width
            height: parent.height
            radius: height / 2
            color: VHColorPalette.accent
        }

        Rectangle {
            visible: control.centreFill
            x: control.centrePosition * parent.width - width / 2
            anchors.verticalCenter: parent.verticalCenter
            width: 2
            height: VHQmlCommonDefines.sliderHandle * 0.75
            color: VHColorPalette.textSecondary
        }
    }

    handle: Rectangle {
        x: control.leftPadding + control.visualPosition * control.availableWidth - width / 2
        y: control.topPadding + control.availableHeight / 2 - height / 2
        width: VHQmlCommonDefines.sliderHandle
        height: width
        radius: width / 2
        color: control.pressed ? VHColorPalette.accentPressed : VHColorPalette.accent
        border.width: 2
        border.color: VHColorPalette.controlBackground
    }

    Text {
        id: valueLabel
        visible: control.showValue
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        width: Math.max(implicitWidth, VHQmlCommonDefines.touchTarget)
        horizontalAlignment: Text.AlignRight
        text: Math.round(control.value) + control.unitsText
        font.pixelSize: VHQmlCommonDefines.fontSizeControl
        color: VHColorPalette.textPrimary
    }
}
