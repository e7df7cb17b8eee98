import QtQuick 2.10

// The window's on-screen keyboard, where Qt's keyboard is the input method.
// It is built, with Qt's keyboard module, when a field that takes typing
// first gets the focus: the window's start-up reads none of it. The window
// lays it over everything else.
Loader {
    id: keyboardLoader

    // The keyboard is open.
    readonly property bool open: item !== null && item.open

    function takesTyping(focused) {
        return focused !== null && focused.inputMethodHints !== undefined && focused.readOnly === false
    }

    anchors.fill: parent
    active: false
    asynchronous: true
    source: "OnScreenKeyboardPanel.qml"
    // Its own loaders have finished too only now.
    onLoaded: item.start()

    Connections {
        target: mainWindow
        enabled: mainWindow.hasOnScreenKeyboard && !keyboardLoader.active
        function onActiveFocusItemChanged() {
            if (keyboardLoader.takesTyping(mainWindow.activeFocusItem))
                keyboardLoader.active = true
        }
    }
}
