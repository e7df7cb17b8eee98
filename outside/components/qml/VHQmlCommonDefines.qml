pragma Singleton
import QtQuick 2.12
import librariesqml.VHComponents 1.0

// Sizes, durations and the device model shared by the appliance's windows.
QtObject {
    readonly property bool isTundrel: VHDeviceModel.isTundrel
    readonly property bool isVeskMax: VHDeviceModel.isVeskMax
    // The model has been read; until then the flags are false.
    readonly property bool modelKnown: VHDeviceModel.known

    // A gloved finger needs at least this much in each direction.
    readonly property int touchTarget: 40
    readonly property int controlHeight: 40
    readonly property int buttonMinWidth: 120
    readonly property int buttonRadius: 6
    readonly property int comboBoxMinWidth: 200
    // For long entries: time zones, keyboard layouts.
    readonly property int comboBoxWideWidth: 320
    readonly property int popupMaxRows: 6
    readonly property int switchWidth: 56
    readonly property int switchHeight: 30
    readonly property int sliderHandle: 24
    readonly property int sliderTrack: 4
    readonly property int sliderWidth: 300
    readonly property int spinBoxValueWidth: 72
    readonly property int spinBoxUnitsMinWidth: 50
    readonly property int textFieldWidth: 220
    readonly property int iconSize: 26
    readonly property int smallMargin: 5
    readonly property int margin: 10
    readonly property int largeMargin: 20

    readonly property int fontSizeControl: 16
    readonly property int fontSizeSmall: 13
    readonly property int fontSizeDialogTitle: 20
    readonly property int fontSizeKeyboard: 24

    // The on-screen keyboard at the window's full width: four rows of keys
    // a gloved finger hits.
    readonly property int keyboardHeight: 250
    readonly property int keyboardKeySpacing: 8

    // What a text field takes, for the on-screen keyboard. A password is
    // hidden, never suggested, capitalised or remembered, even while shown.
    readonly property int passwordInputHints: Qt.ImhHiddenText | Qt.ImhSensitiveData | Qt.ImhNoPredictiveText
                                              | Qt.ImhNoAutoUppercase
    readonly property int addressInputHints: Qt.ImhFormattedNumbersOnly | Qt.ImhNoPredictiveText
    readonly property int nameInputHints: Qt.ImhNoAutoUppercase | Qt.ImhNoPredictiveText

    readonly property int pageFadeDuration: 200
    readonly property int pressFeedbackDuration: 60
}
