import QtQuick 2.10
import librariesqml.VHComponents 1.0
import librariesqml.VHSettingsQML 1.0
import "../Components"
import "PresetOptions.js" as PresetOptions

// Ribbon tension and ribbon saver, and the sensor calibrations. Shows and
// applies the selected preset's tensions whenever the tab is opened.
SettingsPage {
    id: page

    property bool loading: true
    property bool calibrating: false

    // The back end keeps tensions in percent of nominal; the sliders show
    // the offset from nominal.
    function tensionChanged(ribbon, value) {
        // At creation the sliders only take the back end's values.
        if (loading)
            return
        if (ribbon === 1)
            SettingsPrinter.setR1Tension(value + 100)
        else
            SettingsPrinter.setR2Tension(value + 100)
        SettingsMain.sendAnalyticHit(ribbon === 1 ? "Tension1" : "Tension2", value)
    }

    function applyPreset() {
        if (PresetOptions.load(SettingsPrinter, pagePrinterPresets.currentPreset).length === 0)
            return
        // As loading read them: a tension the preset lacks is nominal.
        tension1Slider.value = SettingsPrinter.r1Tension - 100
        tension2Slider.value = SettingsPrinter.r2Tension - 100
    }

    function startCalibration() {
        calibrating = true
        calibrationTimer.restart()
    }

    Component.onCompleted: loading = false

    Connections {
        target: mainWindow
        function onCurrentTabChanged() {
            if (mainWindow.currentTab === VHSettingsTabEnums.PRINTER_ADVANCED)
                page.applyPreset()
        }
    }

    // Keeps impatient taps from starting a calibration again and again.
    Timer {
        id: calibrationTimer
        interval: 3000
        onTriggered: page.calibrating = false
    }

    SectionBox {
        metrics: page.metrics
        title: qsTr("Advanced")

        SettingRow {
            metrics: page.metrics
            title: qsTr("Tension Offset")
            description: qsTr("Adjust the tension offset of the ribbon.")

            Column {
                spacing: VHQmlCommonDefines.smallMargin

                Row {
                    spacing: VHQmlCommonDefines.margin

                    RibbonBadge {
                        anchors.verticalCenter: parent.verticalCenter
                        ribbon: 1
                        ribbonColor: VHIPCThread.ribbon1ColorHEX
                    }
                    PrintOptionSlider {
                        id: tension1Slider
                        objectName: "tension1Slider"
                        from: -50
                        to: 50
                        stepSize: 10
                        unitsText: "%"
                        centreFill: true
                        backEndValue: SettingsPrinter.r1Tension - 100
                        onChanged: page.tensionChanged(1, value)
                    }
                }

                Row {
                    spacing: VHQmlCommonDefines.margin

                    RibbonBadge {
                        anchors.verticalCenter: parent.verticalCenter
                        ribbon: 2
                        ribbonColor: VHIPCThread.ribbon2ColorHEX
                    }
                    PrintOptionSlider {
                        id: tension2Slider
                        objectName: "tension2Slider"
                        from: -50
                        to: 50
                        stepSize: 10
                        unitsText: "%"
                        centreFill: true
                        backEndValue: SettingsPrinter.r2Tension - 100
                        onChanged: page.tensionChanged(2, value)
                    }
                }
            }
        }

        SettingRow {
            metrics: page.metrics
            title: qsTr("Ribbon Saver")
            description: qsTr("May decrease ribbon consumption.")
            titleExtras: Rectangle {
                objectName: "betaBadge"
                anchors.verticalCenter: parent.verticalCenter
                width: betaText.implicitWidth + 2 * VHQmlCommonDefines.smallMargin
                height: betaText.implicitHeight + 4
                radius: 4
                color: VHColorPalette.accent

                Text {
                    id: betaText
                    anchors.centerIn: parent
                    text: qsTr("BETA")
                    font.family: mainWindow.applicationFont
                    font.pixelSize: VHQmlCommonDefines.fontSizeSmall
                    font.bold: true
                    color: VHColorPalette.textOnAccent
                }
            }

            VHGeneralPillSwitch {
                objectName: "ribbonSaverSwitch"
                checked: SettingsPrinter.ribbonSaver
                onToggled: {
                    SettingsPrinter.setRibbonSaver(checked)
                    SettingsMain.sendAnalyticHit("RibbonSaver", checked)
                }
            }
        }
    }

    SectionBox {
        metrics: page.metrics
        title: qsTr("Calibration")

        Row {
            id: calibrationColumns
            spacing: VHQmlCommonDefines.largeMargin
            readonly property real columnWidth: (parent.width - spacing) / 2

            Column {
                width: calibrationColumns.columnWidth
                spacing: VHQmlCommonDefines.margin

                Text {
                    width: parent.width
                    text: qsTr("Calibrate the ribbon tach sensors. Recommended if your printer continues to display error 32, 33, 34 or 35")
                    font.family: mainWindow.applicationFont
                    font.pixelSize: mainWindow.fontSizeH3
                    color: VHColorPalette.textSecondary
                    wrapMode: Text.Wrap
                }

                VHGeneralButton {
                    objectName: "calibrateRibbonSensorButton"
                    text: qsTr("Calibrate Ribbon Sensor")
                    enabled: !page.calibrating
                    onClicked: {
                        VHIPCThread.calibrateTach()
                        page.startCalibration()
                        SettingsMain.sendAnalyticHit("CalibrateRibbonSensorButton", "Pressed")
                    }
                }
            }

            Column {
                width: calibrationColumns.columnWidth
                spacing: VHQmlCommonDefines.margin

                Text {
                    width: parent.width
                    text: qsTr("Calibrate the supply sensor. Recommended if your printer continues to display error 2 or 3.")
                    font.family: mainWindow.applicationFont
                    font.pixelSize: mainWindow.fontSizeH3
                    color: VHColorPalette.textSecondary
                    wrapMode: Text.Wrap
                }

                VHGeneralButton {
                    objectName: "calibrateSupplySensorButton"
                    text: qsTr("Calibrate Supply Sensor")
                    enabled: !page.calibrating
                    onClicked: {
                        VHIPCThread.calibrateSupply()
                        page.startCalibration()
                        SettingsMain.sendAnalyticHit("CalibrateSupplyButton", "Pressed")
                    }
                }

                VHGeneralButton {
                    objectName: "resetSupplySensorButton"
                    text: qsTr("Reset Supply Sensor")
                    enabled: !page.calibrating
                    onClicked: {
                        SettingsMain.resetSupplyCalibration()
                        SettingsMain.sendAnalyticHit("ResetSupplySensorButton", "Pressed")
                    }
                }
            }
        }
    }
}
