import QtQuick 2.12
import QtQuick.Controls 2.3
import librariesqml.VHComponents 1.0

// A thin progress bar in the accent colour.
ProgressBar {
    id: control

    from: 0
    to: 100
    implicitWidth: VHQmlCommonDefines.sliderWidth
    implicitHeight: VHQmlCommonDefines.sliderTrack * 2

    background: Rectangle {
        radius: height / 2
        color: VHColorPalette.controlTrack
    }

    contentItem: Item {
        Rectangle {
            width: control.visualPosition * parent.width
            height: parent.height
            radius: height / 2
            color: VHColorPalette.accent
        }
    }
}
