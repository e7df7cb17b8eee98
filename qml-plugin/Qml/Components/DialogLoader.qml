import QtQuick 2.10

// Builds one window-level dialog right after the window's first frame, in
// one go, so that it exists before any tap can ask for it. The dialog's
// document is only read then, too: the first frame needs none of them.
Loader {
    // The dialog's document, relative to the window's, and the name the
    // dialog is found by.
    property string document
    property string name

    anchors.centerIn: parent
    active: mainWindow.firstFrameShown
    source: "../" + document + ".qml"
    onLoaded: item.objectName = name
}
