import QtQuick 2.12
import librariesqml.VHComponents 1.0

// A soft shadow cast to the right of a panel's edge: a gradient, so that it
// costs nothing to draw and looks the same on every renderer.
Rectangle {
    implicitWidth: 8
    gradient: Gradient {
        orientation: Gradient.Horizontal
        GradientStop { position: 0.0; color: VHColorPalette.shadow }
        GradientStop { position: 1.0; color: VHColorPalette.transparent }
    }
}
