import QtQuick 2.10
import librariesqml.VHComponents 1.0
import librariesqml.VHSettings 1.0
import "../Components"

// The system software update: what is installed and on offer, the one
// action that fits the updater's state, its progress and errors, and the
// automatic-check switch.
SettingsPage {
    id: page

    // The stored time until the updater has checked, then the updater's (the
    // start-up stores it).
    readonly property string lastChecked: UpdateHelperClass.lastUpdateCheck.length > 0
                                          ? UpdateHelperClass.lastUpdateCheck
                                          : SettingsMain.settingUpdateLastCheck

    // What the updater's state shows; these are the defaults, the states
    // below change them. (Not the items' own visible and enabled: those
    // read back as false while the page is hidden, and a state restores
    // what it read.)
    property string statusText: qsTr("Updates Available")
    property string buttonText: qsTr("Install Updates")
    property string buttonAction: ""
    property bool buttonShown: true
    property bool buttonEnabled: true
    property bool progressShown: true
    property bool restartShown: false
    property bool errorShown: false

    function runAction(action) {
        switch (action) {
        case "install":
            UpdateHelperClass.installLatestUpdate()
            SettingsMain.sendAnalyticHit("InstallUpdatesButton", "Pressed")
            break
        case "reinstall":
            UpdateHelperClass.installLatestUpdate()
            SettingsMain.sendAnalyticHit("ReInstallUpdatesButton", "Pressed")
            break
        case "check":
            UpdateHelperClass.checkForNetworkUpdate()
            SettingsMain.sendAnalyticHit("CheckForUpdate", "Pressed")
            break
        case "checkAfterError":
            UpdateHelperClass.checkForNetworkUpdate()
            SettingsMain.sendAnalyticHit("CheckForUpdatesButton", "Pressed")
            break
        }
    }

    SectionBox {
        id: section
        metrics: page.metrics
        title: qsTr("System Updates")

        Item {
            id: statusRow
            width: parent.width
            height: Math.max(statusIcon.height, statusTexts.height)

            VHUpdaterStatusIcon {
                id: statusIcon
                objectName: "updateStatusIcon"
                anchors.verticalCenter: parent.verticalCenter
                size: 120
                isUpdating: UpdateHelperClass.isUpdating
                isChecking: UpdateHelperClass.isChecking
                error: UpdateHelperClass.error
                systemVersion: UpdateHelperClass.systemVersion
                availableVersion: UpdateHelperClass.availableVersion
            }

            Column {
                id: statusTexts
                anchors.left: statusIcon.right
                anchors.leftMargin: VHQmlCommonDefines.largeMargin
                anchors.right: actionButton.left
                anchors.rightMargin: VHQmlCommonDefines.largeMargin
                anchors.verticalCenter: parent.verticalCenter
                spacing: VHQmlCommonDefines.smallMargin

                Text {
                    id: statusText
                    objectName: "updateStatusText"
                    width: parent.width
                    text: page.statusText
                    font.family: mainWindow.applicationFont
                    font.pixelSize: mainWindow.fontSizeH1
                    font.bold: true
                    color: VHColorPalette.textPrimary
                    wrapMode: Text.Wrap
                }
                Text {
                    objectName: "updateLastChecked"
                    width: parent.width
                    text: qsTr("Last Checked: ") + (page.lastChecked.length > 0 ? page.lastChecked
                                                                              : qsTr("Never"))
                    textFormat: Text.PlainText
                    font.family: mainWindow.applicationFont
                    font.pixelSize: mainWindow.fontSizeH3
                    color: VHColorPalette.textSecondary
                    wrapMode: Text.Wrap
                }
                VersionRow {
                    objectName: "updateCurrentVersion"
                    width: parent.width
                    label: qsTr("Current Version:")
                    text: UpdateHelperClass.systemVersion
                }
                VersionRow {
                    objectName: "updateAvailableVersion"
                    width: parent.width
                    label: qsTr("Available Version:")
                    text: UpdateHelperClass.availableVersion
                    versionColor: VHColorPalette.deepOrange
                }
            }

            VHGeneralButton {
                id: actionButton
                objectName: "updateActionButton"

                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                visible: page.buttonShown
                enabled: page.buttonEnabled
                highlighted: true
                text: page.buttonText
                onClicked: page.runAction(page.buttonAction)
            }
        }

        VHGeneralProgressBar {
            id: progressBar
            objectName: "updateProgressBar"
            visible: page.progressShown
            width: parent.width
            to: 100
            value: UpdateHelperClass.progress
        }

        Text {
            id: restartText
            objectName: "updateRestartText"
            visible: page.restartShown
            width: parent.width
            text: qsTr("Please restart the system to complete the update.")
            font.family: mainWindow.applicationFont
            font.pixelSize: mainWindow.fontSizeH2
            color: VHColorPalette.accent
            wrapMode: Text.Wrap
        }

        Text {
            id: errorText
            objectName: "updateErrorText"
            visible: page.errorShown
            width: parent.width
            text: UpdateHelperClass.error
            textFormat: Text.PlainText
            font.family: mainWindow.applicationFont
            font.pixelSize: mainWindow.fontSizeH3
            color: VHColorPalette.error
            wrapMode: Text.Wrap
        }

        Rectangle {
            anchors.horizontalCenter: parent.horizontalCenter
            width: mainWindow.innerDividerWidth
            height: 1
            color: VHColorPalette.divider
        }

        SettingRow {
            metrics: page.metrics
            title: qsTr("Check For Updates Automatically")
            description: qsTr("Requires a valid internet connection.")

            VHGeneralPillSwitch {
                objectName: "updateAutoCheckSwitch"
                checked: SettingsMain.settingUpdateAutoCheck
                onToggled: {
                    SettingsMain.setSetting(SettingsMain.KEY_UPDATE_AUTOCHECK, checked)
                    SettingsMain.sendAnalyticHit("AutomaticUpdateCheck", checked)
                }
            }
        }
    }

    // The first state whose condition holds applies; the rest fall back to
    // the defaults set on the items above.
    states: [
        State {
            name: "finished"
            when: UpdateHelperClass.progress === 100
            PropertyChanges { target: page; statusText: qsTr("Update Finished"); restartShown: true }
        },
        State {
            name: "reinstallable"
            when: !UpdateHelperClass.isUpdating && !UpdateHelperClass.isChecking
                  && UpdateHelperClass.isUpdateable === QMLUpdatabilityEnums.REINSTALLABLE
            PropertyChanges {
                target: page
                statusText: qsTr("Up To Date")
                buttonText: qsTr("Re-install Update")
                buttonAction: "reinstall"
                progressShown: false
            }
        },
        State {
            name: "upToDate"
            when: !UpdateHelperClass.isUpdating && !UpdateHelperClass.isChecking
                  && UpdateHelperClass.isUpdateable === QMLUpdatabilityEnums.NONUPDATABLE
            PropertyChanges {
                target: page
                statusText: qsTr("Up To Date")
                buttonText: qsTr("Check For Updates")
                buttonAction: "check"
                progressShown: false
            }
        },
        State {
            name: "available"
            when: !UpdateHelperClass.isUpdating && !UpdateHelperClass.isChecking
                  && UpdateHelperClass.error.length === 0
                  && UpdateHelperClass.isUpdateable === QMLUpdatabilityEnums.UPDATABLE
            PropertyChanges { target: page; buttonAction: "install"; progressShown: false }
        },
        State {
            name: "checking"
            when: !UpdateHelperClass.isUpdating && UpdateHelperClass.isChecking
            PropertyChanges {
                target: page
                statusText: qsTr("Checking for updates...")
                buttonEnabled: false
                progressShown: false
                errorShown: false
            }
        },
        State {
            name: "updating"
            when: UpdateHelperClass.isUpdating && !UpdateHelperClass.isChecking
            PropertyChanges { target: page; statusText: qsTr("Updating, Please Wait..."); buttonShown: false }
        },
        State {
            name: "error"
            when: !UpdateHelperClass.isUpdating && !UpdateHelperClass.isChecking
                  && UpdateHelperClass.error.length > 0
            PropertyChanges {
                target: page
                statusText: qsTr("Error Updating")
                buttonText: qsTr("Check For Updates")
                buttonAction: "checkAfterError"
                errorShown: true
            }
        }
    ]
}
