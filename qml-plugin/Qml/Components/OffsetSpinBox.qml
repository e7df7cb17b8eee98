import QtQuick 2.10
import librariesqml.VHComponents 1.0

// An alignment value: a spin box with its units, optionally preceded by
// the square of the ribbon it shifts. It shows the back end's value, which
// can arrive after the page was built when the print system answers late;
// every other change of the value, typed, stepped or set by the page, is
// passed to `changed` (the page decides what to store and report).
Row {
    id: offset

    property alias value: box.value
    property int backEndValue: 0
    property bool takingBackEndValue: false
    property alias from: box.from
    property alias to: box.to
    property alias unitsText: box.unitsText
    property int ribbon: 0
    property string ribbonColor: ""
    readonly property alias spinBox: box
    signal changed(int value)

    spacing: VHQmlCommonDefines.margin

    onBackEndValueChanged: {
        takingBackEndValue = true
        box.value = backEndValue
        takingBackEndValue = false
    }

    RibbonBadge {
        anchors.verticalCenter: parent.verticalCenter
        visible: offset.ribbon > 0
        ribbon: offset.ribbon
        ribbonColor: offset.ribbonColor
    }

    VHGeneralSpinBox {
        id: box
        objectName: offset.objectName + "Box"
        onValueChanged: {
            if (!offset.takingBackEndValue)
                offset.changed(value)
        }
    }
}
