import QtQuick 2.12
import QtQuick.Controls 2.3
import librariesqml.VHComponents 1.0

// A touch button: highlighted ones are orange with white text, plain ones
// white with a grey border; pressing darkens both.
Button {
    id: control

    implicitWidth: Math.max(VHQmlCommonDefines.buttonMinWidth,
                            contentItem.implicitWidth + leftPadding + rightPadding)
    implicitHeight: VHQmlCommonDefines.controlHeight
    leftPadding: VHQmlCommonDefines.largeMargin
    rightPadding: VHQmlCommonDefines.largeMargin
    font.pixelSize: VHQmlCommonDefines.fontSizeControl
    opacity: enabled ? 1 : VHColorPalette.disabledOpacity

    contentItem: Text {
        text: control.text
        font: control.font
        color: control.highlighted ? VHColorPalette.textOnAccent : VHColorPalette.textPrimary
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    background: Rectangle {
        radius: VHQmlCommonDefines.buttonRadius
        color: control.highlighted ? (control.down ? VHColorPalette.accentPressed : VHColorPalette.accent)
                                   : (control.down ? VHColorPalette.controlPressed : VHColorPalette.controlBackground)
        border.width: control.highlighted ? 0 : 1
        border.color: VHColorPalette.controlBorder
    }
}
