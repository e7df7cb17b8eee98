import QtQuick 2.10
import librariesqml.VHComponents 1.0
import librariesqml.VHSettingsQML 1.0

// The printer page's sample label in the loaded supply's colours, turned
// and mirrored as it would print, with the cut line while cutting is on
// and the direction in which the label leaves the printer.
Rectangle {
    id: preview

    property int orientation: 0
    property bool mirrored: false
    property bool negative: false
    property bool cutting: false
    property string supplyColor: ""
    property string ribbonColor: ""

    readonly property color labelColor: supplyColor.length > 0 ? supplyColor : VHColorPalette.controlBackground
    readonly property color inkColor: ribbonColor.length > 0 ? ribbonColor : VHColorPalette.textPrimary

    // Degrees clockwise for each orientation code, without and with mirror.
    function rotationFor(code, mirror) {
        switch (code) {
        case QMLCupsEnums.PORTRAIT180: return mirror ? -90 : 90
        case QMLCupsEnums.LANDSCAPE: return mirror ? 0 : 180
        case QMLCupsEnums.PORTRAIT: return mirror ? 90 : 270
        default: return mirror ? -180 : 0
        }
    }

    width: 220
    height: 200
    radius: mainWindow.rectangleRadius
    color: VHColorPalette.windowBackground

    Text {
        id: directionArrow
        anchors.left: parent.left
        anchors.leftMargin: VHQmlCommonDefines.smallMargin
        anchors.verticalCenter: parent.verticalCenter
        text: VHIconPalette.printDirectionArrow
        font.family: VHIconPalette.fontName
        font.preferShaping: true
        font.pixelSize: VHQmlCommonDefines.iconSize
        color: VHColorPalette.accent
    }

    DashedLine {
        objectName: "printPreviewCutLine"
        x: directionArrow.x + directionArrow.width + VHQmlCommonDefines.smallMargin
        y: VHQmlCommonDefines.margin
        width: 2
        height: parent.height - 2 * VHQmlCommonDefines.margin
        visible: preview.cutting
    }

    Rectangle {
        id: label
        objectName: "printPreviewLabel"
        anchors.centerIn: parent
        anchors.horizontalCenterOffset: VHQmlCommonDefines.margin
        width: preview.height - 2 * VHQmlCommonDefines.largeMargin
        height: width
        radius: 4
        rotation: preview.rotationFor(preview.orientation, preview.mirrored)
        color: preview.negative ? preview.inkColor : preview.labelColor
        border.width: 1
        border.color: VHColorPalette.controlBorder

        Text {
            id: glyph
            objectName: "printPreviewGlyph"
            anchors.centerIn: parent
            text: VHIconPalette.printLabelExample
            font.family: VHIconPalette.fontName
            font.preferShaping: true
            font.pixelSize: label.width * 0.78
            color: preview.negative ? preview.labelColor : preview.inkColor
            // Flipped about its own middle, within the label.
            transform: Scale {
                origin.x: glyph.width / 2
                xScale: preview.mirrored ? -1 : 1
            }
        }
    }
}
