import QtQuick 2.10

// Builds one window-level dialog after the window's first frame, in slices
// between frames (see MainContainer). The dialog's document is only read
// then, too: the first frame needs none of them.
Loader {
    // The dialog's document, relative to the window's, and the name the
    // dialog is found by.
    property string document
    property string name

    anchors.centerIn: parent
    asynchronous: true
    active: false
    source: "../" + document + ".qml"
    onLoaded: {
        item.objectName = name
        mainWindow.built(this)
    }
}
