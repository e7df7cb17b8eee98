import QtQuick 2.10
import librariesqml.VHComponents 1.0
import "../Components"

// The system language and keyboard layout. Both are only stored here (the
// layout also goes to the compositor's env file) and apply after a restart.
SettingsPage {
    id: page

    SectionBox {
        metrics: page.metrics
        title: qsTr("Languages")

        SettingRow {
            metrics: page.metrics
            title: qsTr("Language")
            description: qsTr("Set the system language. Change requires a restart.")

            VHGeneralComboBox {
                objectName: "languageBox"
                implicitWidth: VHQmlCommonDefines.comboBoxWideWidth
                model: SettingsMain.languagesComboBoxModel
                currentIndex: SettingsMain.getLanguageIndex()
                onActivated: {
                    SettingsMain.setSetting(SettingsMain.KEY_LANGUAGE, SettingsMain.getLanguageCode(index))
                    SettingsMain.sendAnalyticHit("Language", LocaleLanguageClass.getLanguageEnglishName(index))
                }
            }
        }

        SettingRow {
            metrics: page.metrics
            title: qsTr("Keyboard Layout")
            description: qsTr("Set the system keyboard layout. Change requires a restart.")

            VHGeneralComboBox {
                objectName: "keyboardLayoutBox"
                implicitWidth: VHQmlCommonDefines.comboBoxWideWidth
                model: SettingsMain.keyboardLanguagesComboBoxModel
                // Nothing stored yet reads as the first layout.
                currentIndex: Number(SettingsMain.settingKeyboardLayout)
                onActivated: {
                    SettingsMain.setSetting(SettingsMain.KEY_KEYBOARD_LAYOUT, index)
                    SettingsMain.setKeyboardLanguage(index)
                    SettingsMain.sendAnalyticHit("Keyboard", LocaleLanguageClass.getKeyboardLayoutEnglishName(index))
                }
            }
        }
    }
}
