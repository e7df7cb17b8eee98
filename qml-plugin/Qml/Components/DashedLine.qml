import QtQuick 2.10
import librariesqml.VHComponents 1.0

// A dashed line, vertical unless `horizontal` is set; its length is the
// item's height (or width when horizontal).
Item {
    id: line

    property bool horizontal: false
    property color lineColor: VHColorPalette.textSecondary
    readonly property int dash: 6

    implicitWidth: horizontal ? 100 : 2
    implicitHeight: horizontal ? 2 : 100

    Repeater {
        model: Math.ceil((line.horizontal ? line.width : line.height) / (2 * line.dash))
        delegate: Rectangle {
            x: line.horizontal ? index * 2 * line.dash : 0
            y: line.horizontal ? 0 : index * 2 * line.dash
            width: line.horizontal ? line.dash : line.width
            height: line.horizontal ? line.height : line.dash
            color: line.lineColor
        }
    }
}
