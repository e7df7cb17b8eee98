import QtQuick 2.10
import librariesqml.VHComponents 1.0
import librariesqml.VHSettingsQML 1.0
import "../Components"
import "PresetOptions.js" as PresetOptions

// Where the print lands on the label: the print heads' offsets and the
// feed around a cut, each with a preview. Shows and applies the selected
// preset whenever the tab is opened.
PrinterButtonBarPage {
    id: page

    property bool loading: true
    readonly property int backfeedShift: backfeedBox.value
    readonly property real cutLinePosition: 50 + 4.5 * feedBox.value

    function report(setter, name, value) {
        // At creation the boxes only take the back end's values.
        if (loading)
            return
        setter(value)
        SettingsMain.sendAnalyticHit(name, value)
    }

    function applyPreset() {
        var options = PresetOptions.load(SettingsPrinter, pagePrinterPresets.currentPreset)
        if (options.length === 0)
            return
        printheads.horizontal1 = PresetOptions.number(options, "Hoffset1")
        printheads.horizontal2 = PresetOptions.number(options, "Hoffset2")
        printheads.vertical1 = PresetOptions.number(options, "Voffset1")
        printheads.vertical2 = PresetOptions.number(options, "Voffset2")
        backfeedBox.value = PresetOptions.number(options, "Stop")
        feedBox.value = PresetOptions.number(options, "Feed")
    }

    Component.onCompleted: {
        loading = false
        printheads.loading = false
    }

    Connections {
        target: mainWindow
        function onCurrentTabChanged() {
            if (mainWindow.currentTab === VHSettingsTabEnums.PRINTER_ALIGNMENT)
                page.applyPreset()
        }
    }

    PrintheadOffsetsComponent {
        id: printheads
        objectName: "printheadOffsets"
        metrics: page.metrics
    }

    SectionBox {
        metrics: page.metrics
        title: qsTr("Feed Offsets")

        Item {
            width: parent.width
            height: Math.max(feedRows.height, feedPreview.height)

            Column {
                id: feedRows
                width: parent.width - feedPreview.width - VHQmlCommonDefines.largeMargin
                spacing: VHQmlCommonDefines.margin

                SettingRow {
                    metrics: page.metrics
                    visible: !VHQmlCommonDefines.isTundrel
                    objectName: "backfeedRow"
                    title: qsTr("Backfeed")
                    description: qsTr("Adjust the backfeed amount after a cut.")

                    OffsetSpinBox {
                        id: backfeedBox
                        objectName: "backfeed"
                        from: -5
                        to: 10
                        unitsText: qsTr("mm")
                        backEndValue: SettingsPrinter.backfeedOffset
                        onChanged: page.report(SettingsPrinter.setBackfeedOffset, "Backfeed", value)
                    }
                }

                SettingRow {
                    metrics: page.metrics
                    title: qsTr("Feed")
                    description: qsTr("Adjust the feed amount before cutting.")

                    OffsetSpinBox {
                        id: feedBox
                        objectName: "feed"
                        from: -10
                        to: 10
                        unitsText: qsTr("mm")
                        backEndValue: SettingsPrinter.feedOffset
                        onChanged: page.report(SettingsPrinter.setFeedOffset, "Feed", value)
                    }
                }
            }

            // Drawn on a 100-pixel-wide area, shown twice as large.
            Item {
                id: feedPreview
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                width: 200
                height: 90

                Item {
                    id: feedArea
                    objectName: "feedPreviewArea"
                    width: 100
                    height: 45
                    scale: 2
                    anchors.centerIn: parent

                    Rectangle {
                        x: 2
                        y: 4
                        width: 44
                        height: 37
                        radius: 2
                        color: VHColorPalette.previewGrey
                    }

                    Rectangle {
                        x: 54
                        y: 4
                        width: 44
                        height: 37
                        radius: 2
                        color: VHColorPalette.previewGrey
                        clip: true

                        Text {
                            objectName: "feedPreviewGlyph"
                            anchors.centerIn: parent
                            anchors.horizontalCenterOffset: page.backfeedShift
                            text: VHIconPalette.printLabelExample
                            font.family: VHIconPalette.fontName
                            font.preferShaping: true
                            font.pixelSize: 30
                            color: VHColorPalette.textPrimary
                        }
                    }

                    DashedLine {
                        objectName: "feedPreviewCutLine"
                        x: page.cutLinePosition
                        width: 1
                        height: parent.height
                        lineColor: VHColorPalette.accent
                    }
                }
            }
        }
    }
}
