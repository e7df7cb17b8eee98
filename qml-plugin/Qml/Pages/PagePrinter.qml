import QtQuick 2.10
import librariesqml.VHComponents 1.0
import librariesqml.VHSettingsQML 1.0
import "../Components"

// The default print options of the queue, a preview of how a label comes
// out, and the printer's buttons. Shows the selected preset whenever the
// tab is opened.
PrinterButtonBarPage {
    id: page

    property bool loading: true
    // The selected preset's option list: name, value, name, value, …
    property var loadedOptions: []

    // Each table: the option's code, its English entry and its analytics
    // value. Entries are found by text so that a translated, re-sorted
    // list still selects the right one.
    readonly property var orientations: [
        { code: 5, text: QT_TRANSLATE_NOOP("QObject", "Landscape"), hit: "Landscape" },
        { code: 4, text: QT_TRANSLATE_NOOP("QObject", "Landscape 180"), hit: "Landscape 180" },
        { code: 6, text: QT_TRANSLATE_NOOP("QObject", "Portrait"), hit: "Portrait" },
        { code: 3, text: QT_TRANSLATE_NOOP("QObject", "Portrait 180"), hit: "Portrait 180" }
    ]
    readonly property var cuts: [
        { code: 2, text: QT_TRANSLATE_NOOP("QObject", "Cut After Job"), hit: "Cut After Job" },
        { code: 1, text: QT_TRANSLATE_NOOP("QObject", "Cut After Page"), hit: "Cut After Page" },
        { code: 0, text: QT_TRANSLATE_NOOP("QObject", "No Cut"), hit: "No Cut" }
    ]
    // Dithering entries keep their method name untranslated in front.
    readonly property var ditherings: [
        { code: 21, prefix: "Atkinson ", hit: "Atkinson" },
        { code: 32, prefix: "Bayer ", hit: "Bayer Ordered" },
        { code: 20, prefix: "Burkes ", hit: "Burkes" },
        { code: 16, prefix: "Floyd-Steinberg ", hit: "Floyd-Steinburg" },
        { code: 17, prefix: "JaJuNi ", hit: "JaJuNi" },
        { code: 24, prefix: "Sierra ", hit: "Sierra" },
        { code: 25, prefix: "Sierra2 ", hit: "Sierra2" },
        { code: 18, prefix: "Stucki ", hit: "Stucki" },
        { code: 0, prefix: "Threshold (No) ", hit: "Threshold" },
        { code: 33, prefix: "Yliluoma ", hit: "Yliluoma Ordered" }
    ]

    function optionValue(name) {
        var i = loadedOptions.indexOf(name)
        return i >= 0 && i + 1 < loadedOptions.length ? loadedOptions[i + 1] : undefined
    }

    // The option's value as a whole number, NaN when absent or not one.
    function intOption(name) {
        var value = optionValue(name)
        return /^[+-]?[0-9]+$/.test(value) ? parseInt(value, 10) : NaN
    }

    function entryOf(table, code) {
        for (var i = 0; i < table.length; ++i) {
            if (table[i].code === code)
                return table[i]
        }
        return null
    }

    function ditheringIndex(entry) {
        var model = ditheringBox.model
        for (var i = 0; i < model.length; ++i) {
            if (model[i].indexOf(entry.prefix) === 0)
                return i
        }
        return -1
    }

    function hitFor(table, text) {
        for (var i = 0; i < table.length; ++i) {
            if (table[i].prefix !== undefined ? text.indexOf(table[i].prefix) === 0
                                              : qsTranslate("QObject", table[i].text) === text)
                return table[i].hit
        }
        return ""
    }

    // Selects the entry for the preset's code of `name`; an absent option
    // selects `fallback`, a code outside the table changes nothing.
    function selectFromPreset(box, table, name, fallback) {
        var entry = entryOf(table, optionValue(name) === undefined ? fallback : intOption(name))
        if (!entry)
            return
        var index = table === ditherings ? ditheringIndex(entry) : box.find(qsTranslate("QObject", entry.text))
        if (index >= 0)
            box.currentIndex = index
    }

    function followBackEnd(box, table, name, fallback, text) {
        if (loadedOptions.length > 0)
            selectFromPreset(box, table, name, fallback)
        else
            box.currentIndex = box.find(text)
    }

    function applyPreset() {
        if (pagePrinterPresets.currentPreset === "")
            return
        var options = SettingsPrinter.loadPreset(pagePrinterPresets.currentPreset)
        if (options.length === 0)
            return
        loadedOptions = options
        negativeSwitch.checked = optionValue("NegativePrint") === "True"
        mirrorSwitch.checked = optionValue("MirrorPrint") === "True"
        overprintSwitch.checked = optionValue("Overprint") === "True"
        whiteBaseSwitch.checked = optionValue("WhiteBase") === "True"
        selectFromPreset(orientationBox, orientations, "orientation-requested", QMLCupsEnums.LANDSCAPE)
        selectFromPreset(ditheringBox, ditherings, "Dithering", 21)
        selectFromPreset(cutBox, cuts, "CutMedia", QMLCupsEnums.CUT_MEDIA_PAGE)
        heat1Slider.value = intOption("head1Offset") || 0
        heat2Slider.value = intOption("head2Offset") || 0
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
            page.followBackEnd(orientationBox, page.orientations, "orientation-requested", QMLCupsEnums.LANDSCAPE, text)
        }
        function onCutOptionChanged(text) {
            page.followBackEnd(cutBox, page.cuts, "CutMedia", QMLCupsEnums.CUT_MEDIA_PAGE, text)
        }
        function onDitheringMethodChanged(text) {
            page.followBackEnd(ditheringBox, page.ditherings, "Dithering", 21, text)
        }
    }

    Connections {
        target: VHIPCThread
        function onSupplySKUChanged() {
            VHIPCThread.updateSupplyDetails()
        }
    }

    SectionBox {
        title: qsTr("Printer Setup")

        Item {
            width: parent.width
            height: Math.max(setupColumn.height, preview.height)

            Column {
                id: setupColumn
                width: parent.width - preview.width - VHQmlCommonDefines.largeMargin
                spacing: VHQmlCommonDefines.margin

                SettingRow {
                    title: qsTr("Orientation")

                    VHGeneralComboBox {
                        id: orientationBox
                        objectName: "orientationBox"
                        model: SettingsPrinter.orientationComboBoxModel
                        currentIndex: model.indexOf(SettingsPrinter.orientationOption)
                        onActivated: {
                            SettingsPrinter.setPrintOrientation(currentText)
                            SettingsMain.sendAnalyticHit("Orientation", page.hitFor(page.orientations, currentText))
                        }
                    }
                }

                SettingRow {
                    title: qsTr("Cut")

                    VHGeneralComboBox {
                        id: cutBox
                        objectName: "cutBox"
                        model: SettingsPrinter.cutComboBoxModel
                        currentIndex: model.indexOf(SettingsPrinter.cutOption)
                        onActivated: {
                            SettingsPrinter.setCutOption(currentText)
                            SettingsMain.sendAnalyticHit("Cut", page.hitFor(page.cuts, currentText))
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
        title: qsTr("Print Quality")

        SettingRow {
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
                    SettingsMain.sendAnalyticHit("Dithering", page.hitFor(page.ditherings, currentText))
                }
            }
        }

        SettingRow {
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
