import QtQuick 2.10
import librariesqml.VHComponents 1.0
import librariesqml.VHSettingsQML 1.0
import "../Components"
import "PresetOptions.js" as PresetOptions

// The default print options of the queue, a preview of how a label comes
// out, and the printer's buttons. Shows the selected preset whenever the
// tab is opened.
PrinterButtonBarPage {
    id: page

    property bool loading: true
    // The selected preset's option list: name, value, name, value, …
    property var loadedOptions: []

    // Selects the preset's entry in the box; without a preset, the entry
    // with the back end's text.
    function followBackEnd(box, table, name, fallback, text) {
        if (loadedOptions.length > 0)
            PresetOptions.select(box, table, loadedOptions, name, fallback)
        else
            box.currentIndex = box.find(text)
    }

    function applyPreset() {
        var options = PresetOptions.load(SettingsPrinter, pagePrinterPresets.currentPreset)
        if (options.length === 0)
            return
        loadedOptions = options
        negativeSwitch.checked = PresetOptions.flag(options, "NegativePrint")
        mirrorSwitch.checked = PresetOptions.flag(options, "MirrorPrint")
        overprintSwitch.checked = PresetOptions.flag(options, "Overprint")
        whiteBaseSwitch.checked = PresetOptions.flag(options, "WhiteBase")
        PresetOptions.select(orientationBox, PresetOptions.orientations, options, "orientation-requested",
                             QMLCupsEnums.LANDSCAPE)
        PresetOptions.select(ditheringBox, PresetOptions.ditherings, options, "Dithering", 21)
        PresetOptions.select(cutBox, PresetOptions.cuts, options, "CutMedia", QMLCupsEnums.CUT_MEDIA_PAGE)
        heat1Slider.value = PresetOptions.number(options, "head1Offset")
        heat2Slider.value = PresetOptions.number(options, "head2Offset")
    }

    function heatChanged(head, value) {
        // At creation the sliders only take the back end's values.
        if (loading)
            return
        if (head === 1)
            SettingsPrinter.setHead1HeatOffset(value)
        else
            SettingsPrinter.setHead2HeatOffset(value)
        SettingsMain.sendAnalyticHit(head === 1 ? "Heat1" : "Heat2", value)
    }

    Component.onCompleted: loading = false

    Connections {
        target: mainWindow
        function onCurrentTabChanged() {
            if (mainWindow.currentTab === VHSettingsTabEnums.PRINTER)
                page.applyPreset()
        }
    }

    Connections {
        target: SettingsPrinter
        function onOrientationOptionChanged(text) {
            page.followBackEnd(orientationBox, PresetOptions.orientations, "orientation-requested", QMLCupsEnums.LANDSCAPE, text)
        }
        function onCutOptionChanged(text) {
            page.followBackEnd(cutBox, PresetOptions.cuts, "CutMedia", QMLCupsEnums.CUT_MEDIA_PAGE, text)
        }
        function onDitheringMethodChanged(text) {
            page.followBackEnd(ditheringBox, PresetOptions.ditherings, "Dithering", 21, text)
        }
    }

    Connections {
        target: VHIPCThread
        function onSupplySKUChanged() {
            VHIPCThread.updateSupplyDetails()
        }
    }

    SectionBox {
        metrics: page.metrics
        title: qsTr("Printer Setup")

        Item {
            width: parent.width
            height: Math.max(setupColumn.height, preview.height)

            Column {
                id: setupColumn
                width: parent.width - preview.width - VHQmlCommonDefines.largeMargin
                spacing: VHQmlCommonDefines.margin

                SettingRow {
                    metrics: page.metrics
                    title: qsTr("Orientation")

                    VHGeneralComboBox {
                        id: orientationBox
                        objectName: "orientationBox"
                        model: SettingsPrinter.orientationComboBoxModel
                        currentIndex: model.indexOf(SettingsPrinter.orientationOption)
                        onActivated: {
                            SettingsPrinter.setPrintOrientation(currentText)
                            SettingsMain.sendAnalyticHit("Orientation", PresetOptions.hitFor(PresetOptions.orientations, currentText))
                        }
                    }
                }

                SettingRow {
                    metrics: page.metrics
                    title: qsTr("Cut")

                    VHGeneralComboBox {
                        id: cutBox
                        objectName: "cutBox"
                        model: SettingsPrinter.cutComboBoxModel
                        currentIndex: model.indexOf(SettingsPrinter.cutOption)
                        onActivated: {
                            SettingsPrinter.setCutOption(currentText)
                            SettingsMain.sendAnalyticHit("Cut", PresetOptions.hitFor(PresetOptions.cuts, currentText))
                        }
                    }
                }

                Grid {
                    columns: 2
                    columnSpacing: VHQmlCommonDefines.largeMargin
                    rowSpacing: VHQmlCommonDefines.smallMargin
                    readonly property real cellWidth: (setupColumn.width - columnSpacing) / 2

                    PrinterSwitch {
                        id: mirrorSwitch
                        objectName: "mirrorSwitch"
                        width: parent.cellWidth
                        title: qsTr("Mirror")
                        checked: SettingsPrinter.mirror
                        onToggled: {
                            SettingsPrinter.setMirror(checked)
                            SettingsMain.sendAnalyticHit("Mirror", checked)
                        }
                    }
                    PrinterSwitch {
                        id: negativeSwitch
                        objectName: "negativeSwitch"
                        width: parent.cellWidth
                        title: qsTr("Negative")
                        checked: SettingsPrinter.negative
                        onToggled: {
                            SettingsPrinter.setNegative(checked)
                            SettingsMain.sendAnalyticHit("Negative", checked)
                        }
                    }
                    PrinterSwitch {
                        id: overprintSwitch
                        objectName: "overprintSwitch"
                        visible: VHQmlCommonDefines.isTundrel
                        width: parent.cellWidth
                        title: qsTr("Overprint")
                        checked: SettingsPrinter.overprint
                        onToggled: {
                            SettingsPrinter.setOverprint(checked)
                            SettingsMain.sendAnalyticHit("Overprint", checked)
                        }
                    }
                    PrinterSwitch {
                        id: whiteBaseSwitch
                        objectName: "whiteBaseSwitch"
                        visible: VHQmlCommonDefines.isTundrel
                        width: parent.cellWidth
                        title: qsTr("White Base")
                        checked: SettingsPrinter.whitebase
                        onToggled: {
                            SettingsPrinter.setWhitebase(checked)
                            SettingsMain.sendAnalyticHit("Whitebase", checked)
                        }
                    }
                }
            }

            PrintPreview {
                id: preview
                objectName: "printPreview"
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                height: Math.max(setupColumn.height, 140)
                orientation: SettingsPrinter.orientationEnum
                mirrored: mirrorSwitch.checked
                negative: negativeSwitch.checked
                cutting: SettingsPrinter.cutEnum > 0
                supplyColor: VHIPCThread.supplyColorHEX
                ribbonColor: VHIPCThread.ribbon1ColorHEX
            }
        }
    }

    SectionBox {
        metrics: page.metrics
        title: qsTr("Print Quality")

        SettingRow {
            metrics: page.metrics
            title: qsTr("Dithering Method")
            description: qsTr("Dithering methods affect the quality and speed of the print.")

            VHGeneralComboBox {
                id: ditheringBox
                objectName: "ditheringBox"
                width: 280
                model: SettingsPrinter.ditheringComboBoxModel
                currentIndex: model.indexOf(SettingsPrinter.ditheringMethod)
                onActivated: {
                    SettingsPrinter.setDitheringMethod(currentText)
                    SettingsMain.sendAnalyticHit("Dithering", PresetOptions.hitFor(PresetOptions.ditherings, currentText))
                }
            }
        }

        SettingRow {
            metrics: page.metrics
            title: qsTr("Heat Intensity Offset")
            description: qsTr("Adjust the heat offset from the nominal recommended setting.")

            Column {
                spacing: VHQmlCommonDefines.smallMargin

                Row {
                    spacing: VHQmlCommonDefines.margin

                    RibbonBadge {
                        anchors.verticalCenter: parent.verticalCenter
                        visible: VHQmlCommonDefines.isTundrel
                        ribbon: 1
                        ribbonColor: VHIPCThread.ribbon1ColorHEX
                    }
                    PrintOptionSlider {
                        id: heat1Slider
                        objectName: "heat1Slider"
                        from: -4
                        to: 4
                        centreFill: true
                        backEndValue: SettingsPrinter.head1HeatOffset
                        onChanged: page.heatChanged(1, value)
                    }
                }

                Row {
                    visible: mainWindow.isDualColor
                    spacing: VHQmlCommonDefines.margin

                    RibbonBadge {
                        anchors.verticalCenter: parent.verticalCenter
                        ribbon: 2
                        ribbonColor: VHIPCThread.ribbon2ColorHEX
                    }
                    PrintOptionSlider {
                        id: heat2Slider
                        objectName: "heat2Slider"
                        from: -4
                        to: 4
                        centreFill: true
                        backEndValue: SettingsPrinter.head2HeatOffset
                        onChanged: page.heatChanged(2, value)
                    }
                }
            }
        }
    }
}
