import QtQuick 2.12
import librariesqml.VHComponents 1.0

// A text field of the account forms. Its state is "NORMAL" or "ERROR"
// (outlined in red, with errorText below); the form sets "ERROR", and the
// field clears it itself as soon as its text changes.
VHTextField {
    id: root

    property bool passwordMode: false

    echoMode: passwordMode ? TextInput.Password : TextInput.Normal
    field.inputMethodHints: passwordMode ? VHQmlCommonDefines.passwordInputHints : VHQmlCommonDefines.nameInputHints
    state: "NORMAL"
    onTextChanged: {
        state = "NORMAL"
        errorText = ""
    }

    states: [
        State { name: "NORMAL" },
        State {
            name: "ERROR"
            PropertyChanges { target: root; showError: true }
        }
    ]
}
