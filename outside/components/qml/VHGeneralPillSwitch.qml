import QtQuick 2.12
import QtQuick.Controls 2.3
import librariesqml.VHComponents 1.0

// An on/off switch: orange when on, grey when off. A tap reports the new
// state through toggled(); the whole 40-pixel-high area takes the tap.
Switch {
    id: control

    implicitWidth: VHQmlCommonDefines.switchWidth + leftPadding + rightPadding
    implicitHeight: VHQmlCommonDefines.touchTarget
    padding: 0
    spacing: 0
    opacity: enabled ? 1 : VHColorPalette.disabledOpacity

    indicator: Rectangle {
        implicitWidth: VHQmlCommonDefines.switchWidth
        implicitHeight: VHQmlCommonDefines.switchHeight
        x: control.leftPadding
        anchors.verticalCenter: parent.verticalCenter
        radius: height / 2
        color: control.checked ? (control.down ? VHColorPalette.accentPressed : VHColorPalette.accent)
                               : (control.down ? VHColorPalette.textSecondary : VHColorPalette.switchOff)

        Rectangle {
            readonly property int inset: 3
            x: control.checked ? parent.width - width - inset : inset
            anchors.verticalCenter: parent.verticalCenter
            width: parent.height - 2 * inset
            height: width
            radius: width / 2
            color: VHColorPalette.controlBackground

            Behavior on x {
                NumberAnimation { duration: VHQmlCommonDefines.pageFadeDuration / 2; easing.type: Easing.OutCubic }
            }
        }
    }

    contentItem: Item {}
}
