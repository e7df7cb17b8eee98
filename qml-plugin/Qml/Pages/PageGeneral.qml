import QtQuick 2.10
import librariesqml.VHComponents 1.0
import "../Components"
import "../Models"

// Units, display, USB sharing, home screen, privacy and first-boot options.
// Every control writes its key at once; the restart hints compare with the
// state the device was in when the window opened.
SettingsPage {
    id: page

    property bool sharedFolderAtLoad
    property bool doubleClickAtLoad

    Component.onCompleted: {
        sharedFolderAtLoad = SettingsMain.settingMountSharedFolder
        doubleClickAtLoad = SettingsMain.settingDoubleClickOpen
    }

    ModelDisplayTimeouts {
        id: timeouts
    }

    SectionBox {
        metrics: page.metrics
        title: qsTr("Units")

        SettingRow {
            metrics: page.metrics
            description: qsTr("Set the default units of all applications.")

            VHGeneralComboBox {
                objectName: "unitsBox"
                model: [qsTr("inches"), qsTr("mm")]
                currentIndex: SettingsMain.settingUnits
                onActivated: {
                    SettingsMain.setSetting(SettingsMain.KEY_UNITS, index)
                    SettingsMain.sendAnalyticHit("Units", index === 0 ? "Inches" : "MM")
                }
            }
        }
    }

    SectionBox {
        metrics: page.metrics
        title: qsTr("Display")

        SettingRow {
            metrics: page.metrics
            title: qsTr("Brightness")
            description: qsTr("Adjust the display brightness.")

            VHGeneralSlider {
                objectName: "brightnessSlider"
                from: 1
                to: 9
                stepSize: 1
                value: SettingsMain.settingDisplayBrightness
                onMoved: {
                    var level = Math.round(value)
                    SettingsMain.setSetting(SettingsMain.KEY_DISPLAY_BRIGHTNESS, level)
                    SettingsMain.sendAnalyticHit("Brightness", level)
                }
            }
        }

        SettingRow {
            metrics: page.metrics
            title: qsTr("Dimming")
            description: qsTr("Dim the display when inactive after the selected time.")

            VHGeneralComboBox {
                objectName: "dimmingBox"
                model: timeouts.labels
                currentIndex: SettingsMain.settingDisplayDimming
                onActivated: {
                    SettingsMain.setSetting(SettingsMain.KEY_DISPLAY_DIMMING, index)
                    SettingsMain.sendAnalyticHit("Dimming", timeouts.analyticsValues[index])
                }
            }
        }

        SettingRow {
            metrics: page.metrics
            title: qsTr("Power")
            description: qsTr("Turn the display off after the period of inactivity.")

            VHGeneralComboBox {
                objectName: "powerBox"
                model: timeouts.labels
                currentIndex: SettingsMain.settingDisplayPower
                onActivated: {
                    SettingsMain.setSetting(SettingsMain.KEY_DISPLAY_POWER, index)
                    SettingsMain.sendAnalyticHit("Power", timeouts.analyticsValues[index])
                }
            }
        }
    }

    SectionBox {
        metrics: page.metrics
        title: qsTr("Sharing")

        SettingRow {
            metrics: page.metrics
            title: qsTr("USB Shared Folder")
            description: qsTr("Create a shared drive between printer and PC")
            titleExtras: RestartHint {
                objectName: "sharedFolderHint"
                visible: sharedFolderSwitch.checked !== page.sharedFolderAtLoad
            }

            VHGeneralPillSwitch {
                id: sharedFolderSwitch
                objectName: "sharedFolderSwitch"
                checked: SettingsMain.settingMountSharedFolder
                onToggled: {
                    SettingsMain.setSetting(SettingsMain.KEY_MOUNT_SHARED_FOLDER, checked)
                    if (checked)
                        msdInfoDialog.show()
                }
            }
        }
    }

    SectionBox {
        metrics: page.metrics
        title: qsTr("Home")

        SettingRow {
            metrics: page.metrics
            title: qsTr("File / Folder")
            description: qsTr("Enable file and folder double click to open.")
            titleExtras: RestartHint {
                objectName: "doubleClickHint"
                visible: doubleClickSwitch.checked !== page.doubleClickAtLoad
            }

            VHGeneralPillSwitch {
                id: doubleClickSwitch
                objectName: "doubleClickSwitch"
                checked: SettingsMain.settingDoubleClickOpen
                onToggled: {
                    SettingsMain.setSetting(SettingsMain.KEY_DOUBLECLICK, checked)
                    SettingsMain.sendAnalyticHit("DoubleClick", checked)
                }
            }
        }
    }

    SectionBox {
        metrics: page.metrics
        title: qsTr("Privacy")

        SettingRow {
            metrics: page.metrics
            title: qsTr("Analytics")
            description: qsTr("Help improve Varnholt software development through anonymous analytics data.")

            VHGeneralPillSwitch {
                objectName: "analyticsSwitch"
                checked: SettingsMain.settingPrivacyAnalytics
                onToggled: {
                    SettingsMain.setSetting(SettingsMain.KEY_PRIVACY_ANALYTICS, checked)
                    SettingsMain.sendAnalyticHit("SendAnalytics", checked)
                }
            }
        }
    }

    SectionBox {
        metrics: page.metrics
        title: qsTr("Initialization")

        SettingRow {
            metrics: page.metrics
            title: qsTr("Enable first boot application on the next restart")

            VHGeneralPillSwitch {
                objectName: "firstBootSwitch"
                checked: SettingsMain.settingFirstBootApplication
                onToggled: {
                    SettingsMain.setSetting(SettingsMain.KEY_INIT_FIRSTBOOTAPP, checked)
                    SettingsMain.sendAnalyticHit("Initialization", checked)
                }
            }
        }
    }
}
