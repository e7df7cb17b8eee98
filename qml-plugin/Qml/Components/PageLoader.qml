import QtQuick 2.10

// Builds one page of the window. Pages are built in the frames right after
// the window's first one, so that the window shows at once; a page that is
// asked for before it is built is built on the spot.
Loader {
    // The page's tab number.
    property int tab

    function buildNow() {
        asynchronous = false
    }

    anchors.fill: parent
    // The page fading in lies above the one fading out, which must not
    // take the taps meant for the new one.
    z: mainWindow.shownTab === tab ? 1 : 0
    asynchronous: true
    onLoaded: item.display = mainWindow.shownTab === tab
}
