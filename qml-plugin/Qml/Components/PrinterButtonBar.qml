import QtQuick 2.10
import librariesqml.VHComponents 1.0

// The buttons at the foot of the printer pages: a test page for the loaded
// supply, the supply calibration (VeskMax) and the supply-status program.
Rectangle {
    id: bar

    // Names the buttons after the page that holds them, for the tests.
    property string namePrefix: ""

    height: buttons.height + 2 * VHQmlCommonDefines.margin
    color: VHColorPalette.windowBackground

    Rectangle {
        width: parent.width
        height: 1
        color: VHColorPalette.divider
    }

    Row {
        id: buttons
        anchors.centerIn: parent
        spacing: VHQmlCommonDefines.largeMargin

        VHGeneralButton {
            objectName: bar.namePrefix + "PrintTestPageButton"
            text: qsTr("Print Test Page")
            onClicked: {
                SettingsPrinter.printTestPage(VHIPCThread.supplyWidth)
                SettingsMain.sendAnalyticHit("PrintTestPageButton", "Pressed")
            }
        }

        VHGeneralButton {
            objectName: bar.namePrefix + "CalibrateSupplyButton"
            visible: VHQmlCommonDefines.isVeskMax
            highlighted: true
            text: qsTr("Calibrate Supply")
            onClicked: {
                VHIPCThread.calibrateSupply()
                SettingsMain.sendAnalyticHit("CalibrateSupplyButton", "Pressed")
            }
        }

        VHGeneralButton {
            objectName: bar.namePrefix + "SupplyStatusButton"
            text: qsTr("Supply Status")
            onClicked: VHGeneralClassAppLauncher.launchApplication("VHSupplyStatusUtility", [""], true, true)
        }
    }
}
