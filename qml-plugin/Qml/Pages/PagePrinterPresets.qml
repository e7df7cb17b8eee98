import QtQuick 2.10
import librariesqml.VHComponents 1.0
import "../Components"

// Named sets of print options: select one (which applies it), save the
// current settings over it, delete it, or save them as a new one.
SettingsPage {
    id: page

    // The preset the printer pages show; empty while none is selected.
    property string currentPreset: presetBox.currentText === "<Current Settings>" ? "" : presetBox.currentText

    function refill() {
        presetBox.model = SettingsPrinter.populatePresetList()
    }

    SectionBox {
        metrics: page.metrics
        title: qsTr("Manage Presets")

        SettingRow {
            metrics: page.metrics
            title: qsTr("Preset Selection")
            description: qsTr("Select a preset to modify or delete. Selecting \"Update\" will save the settings selected on Printer and Print Alignment pages to the currently selected preset.")

            Column {
                spacing: VHQmlCommonDefines.margin

                VHGeneralComboBox {
                    id: presetBox
                    objectName: "presetBox"
                    width: presetButtons.width
                    model: SettingsPrinter.populatePresetList()
                    onActivated: {
                        if (currentText !== "")
                            SettingsPrinter.loadPreset(currentText)
                        SettingsMain.sendAnalyticHit("PresetSelect", index === 0 ? "Current Settings" : "User Preset")
                    }
                }

                Row {
                    id: presetButtons
                    spacing: VHQmlCommonDefines.margin

                    // "<Current Settings>" stands for the printer itself: it
                    // can be neither deleted nor overwritten.
                    VHGeneralButton {
                        objectName: "deletePresetButton"
                        text: qsTr("Delete")
                        enabled: page.currentPreset !== ""
                        onClicked: {
                            SettingsPrinter.deletePreset(presetBox.currentText)
                            page.refill()
                            SettingsMain.sendAnalyticHit("DeletePreset", "User Preset")
                        }
                    }

                    VHGeneralButton {
                        objectName: "updatePresetButton"
                        text: qsTr("Update")
                        enabled: page.currentPreset !== ""
                        onClicked: {
                            var name = presetBox.currentText
                            SettingsPrinter.deletePreset(name)
                            SettingsPrinter.addPreset(name)
                            page.refill()
                            SettingsMain.sendAnalyticHit("UpdatePreset", "User Preset")
                        }
                    }
                }
            }
        }
    }

    SectionBox {
        metrics: page.metrics
        title: qsTr("Create New Preset")

        SettingRow {
            metrics: page.metrics
            title: qsTr("Preset Name")
            description: qsTr("Type the name of the preset you'll be creating. Clicking \"Add\" will create the new preset with settings selected in the Printer and Print Alignment pages.")

            Row {
                spacing: VHQmlCommonDefines.margin

                VHTextField {
                    id: presetName
                    objectName: "presetNameField"
                    field.inputMethodHints: VHQmlCommonDefines.nameInputHints
                }

                VHGeneralButton {
                    objectName: "addPresetButton"
                    highlighted: true
                    text: qsTr("Add")
                    onClicked: {
                        if (presetName.text === "")
                            return
                        SettingsPrinter.addPreset(presetName.text)
                        page.refill()
                        presetName.text = ""
                        SettingsMain.sendAnalyticHit("CreatedPreset", "Created Preset")
                    }
                }
            }
        }
    }
}
