import QtQuick 2.10

// Builds one page of the window. Pages are built in the frames right after
// the window's first one, so that the window shows at once; a page that is
// asked for before it is built is built on the spot. The page's document is
// only read then, too.
Loader {
    // The page's tab number, and its document under Pages/.
    property int tab
    property string document

    function buildNow() {
        asynchronous = false
        active = true
    }

    anchors.fill: parent
    // The page fading in lies above the one fading out, which must not
    // take the taps meant for the new one.
    z: mainWindow.shownTab === tab ? 1 : 0
    asynchronous: true
    // Nothing but the start page competes with the window's first frame.
    active: mainWindow.firstFrameShown
    source: "../Pages/" + document + ".qml"
    onLoaded: {
        // "PageGeneral" is reached as pageGeneral.
        item.objectName = document.charAt(0).toLowerCase() + document.slice(1)
        item.display = mainWindow.shownTab === tab
    }
}
