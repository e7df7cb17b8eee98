import QtQuick 2.10
import librariesqml.VHComponents 1.0

// A slider for one print option. It shows the back end's value, which can
// arrive after the page was built when the print system answers late, and
// passes on as `changed` every other change of its value: a move, or a value
// the page sets.
VHGeneralSlider {
    id: slider

    property real backEndValue: 0
    property bool takingBackEndValue: false
    signal changed(int value)

    onBackEndValueChanged: {
        takingBackEndValue = true
        value = backEndValue
        takingBackEndValue = false
    }
    onValueChanged: {
        if (!takingBackEndValue)
            changed(Math.round(value))
    }
}
