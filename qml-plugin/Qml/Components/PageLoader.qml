import QtQuick 2.10

// Builds one page of the window, once the window shows (see MainContainer):
// the page to show first, then the others one after another, in slices
// between frames. The page's document is only read then, too.
Loader {
    // The page's tab number, and its document under Pages/.
    property int tab
    property string document
    // Laid out for the printer model: built once the model is known.
    property bool followsModel: false
    // "PageGeneral" is reached as pageGeneral.
    readonly property string pageName: document.charAt(0).toLowerCase() + document.slice(1)

    anchors.fill: parent
    // The page fading in lies above the one fading out, which must not
    // take the taps meant for the new one.
    z: mainWindow.shownTab === tab ? 1 : 0
    asynchronous: true
    active: false
    source: "../Pages/" + document + ".qml"
    onLoaded: {
        item.objectName = pageName
        item.display = mainWindow.shownTab === tab
        mainWindow.built(this)
    }
}
