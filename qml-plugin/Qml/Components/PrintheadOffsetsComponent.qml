import QtQuick 2.10
import librariesqml.VHComponents 1.0

// Where each print head puts the print: horizontal and vertical offsets in
// printer dots, with a preview that moves as they change. The second head
// exists on the Tundrel model only.
SectionBox {
    id: section

    property bool loading: true
    property alias horizontal1: horizontal1Box.value
    property alias horizontal2: horizontal2Box.value
    property alias vertical1: vertical1Box.value
    property alias vertical2: vertical2Box.value
    readonly property bool dualHead: VHQmlCommonDefines.isTundrel

    function report(setter, name, value) {
        // At creation the boxes only take the back end's values.
        if (loading)
            return
        setter(value)
        SettingsMain.sendAnalyticHit(name, value)
    }

    title: qsTr("Printhead Offsets")

    Item {
        width: parent.width
        height: Math.max(offsetRows.height, preview.height)

        Column {
            id: offsetRows
            width: parent.width - preview.width - VHQmlCommonDefines.largeMargin
            spacing: VHQmlCommonDefines.margin

            SettingRow {
                metrics: section.metrics
                title: qsTr("Horizontal")
                description: qsTr("Shift the entire print horizontally.")

                Column {
                    spacing: VHQmlCommonDefines.smallMargin

                    OffsetSpinBox {
                        id: horizontal1Box
                        objectName: "horizontal1"
                        from: -100
                        to: 100
                        unitsText: qsTr("dots")
                        ribbon: section.dualHead ? 1 : 0
                        ribbonColor: VHIPCThread.ribbon1ColorHEX
                        backEndValue: SettingsPrinter.horizontal1Offset
                        onChanged: section.report(SettingsPrinter.setHorizontal1Offset, "Horizontal1", value)
                    }
                    OffsetSpinBox {
                        id: horizontal2Box
                        objectName: "horizontal2"
                        visible: section.dualHead
                        from: -100
                        to: 100
                        unitsText: qsTr("dots")
                        ribbon: 2
                        ribbonColor: VHIPCThread.ribbon2ColorHEX
                        backEndValue: SettingsPrinter.horizontal2Offset
                        onChanged: section.report(SettingsPrinter.setHorizontal2Offset, "Horizontal2", value)
                    }
                }
            }

            SettingRow {
                metrics: section.metrics
                title: qsTr("Vertical")
                description: qsTr("Shift the entire print vertically.")

                Column {
                    spacing: VHQmlCommonDefines.smallMargin

                    OffsetSpinBox {
                        id: vertical1Box
                        objectName: "vertical1"
                        from: -100
                        to: 100
                        unitsText: qsTr("dots")
                        ribbon: section.dualHead ? 1 : 0
                        ribbonColor: VHIPCThread.ribbon1ColorHEX
                        backEndValue: SettingsPrinter.vertical1Offset
                        onChanged: section.report(SettingsPrinter.setVertical1Offset, "Vertical1", value)
                    }
                    OffsetSpinBox {
                        id: vertical2Box
                        objectName: "vertical2"
                        visible: section.dualHead
                        from: -100
                        to: 100
                        unitsText: qsTr("dots")
                        ribbon: 2
                        ribbonColor: VHIPCThread.ribbon2ColorHEX
                        backEndValue: SettingsPrinter.vertical2Offset
                        onChanged: section.report(SettingsPrinter.setVertical2Offset, "Vertical2", value)
                    }
                }
            }
        }

        // A quarter of a dot per preview pixel.
        Rectangle {
            id: preview
            objectName: "printheadPreview"
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            width: 180
            height: 110
            radius: section.metrics.rectangleRadius
            color: VHColorPalette.windowBackground
            clip: true

            Text {
                anchors.centerIn: parent
                rotation: 90
                text: VHIconPalette.printLabelExample
                font.family: VHIconPalette.fontName
                font.preferShaping: true
                font.pixelSize: 76
                color: VHColorPalette.previewGrey
            }

            Text {
                objectName: "printheadPreviewGlyph"
                anchors.centerIn: parent
                anchors.horizontalCenterOffset: section.horizontal1 / 4
                anchors.verticalCenterOffset: -section.vertical1 / 4
                rotation: 90
                text: VHIconPalette.printLabelExample
                font.family: VHIconPalette.fontName
                font.preferShaping: true
                font.pixelSize: 76
                color: VHIPCThread.ribbon1ColorHEX.length > 0 ? VHIPCThread.ribbon1ColorHEX : VHColorPalette.textPrimary
            }

            Rectangle {
                visible: section.dualHead
                anchors.centerIn: parent
                width: 50
                height: 20
                color: VHColorPalette.previewGrey
            }

            Rectangle {
                objectName: "printheadPreviewRibbon2"
                visible: section.dualHead
                anchors.centerIn: parent
                anchors.horizontalCenterOffset: section.horizontal2 / 4
                anchors.verticalCenterOffset: -section.vertical2 / 4
                width: 50
                height: 20
                color: VHIPCThread.ribbon2ColorHEX.length > 0 ? VHIPCThread.ribbon2ColorHEX : VHColorPalette.textSecondary
                opacity: 0.8
            }

            DashedLine {
                horizontal: true
                y: parent.height / 2
                width: parent.width
                height: 2
            }
        }
    }
}
