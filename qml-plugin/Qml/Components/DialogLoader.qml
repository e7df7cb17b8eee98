import QtQuick 2.10

// Builds one window-level dialog right after the window's first frame, in
// one go, so that it exists before any tap can ask for it.
Loader {
    anchors.centerIn: parent
    active: mainWindow.firstFrameShown
}
