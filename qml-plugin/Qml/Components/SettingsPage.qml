import QtQuick 2.10
import QtQuick.Controls 2.3
import librariesqml.VHComponents 1.0

// What every page of the window shares: hidden until `display` is set, a
// fade in and out, and a column of section boxes that scrolls only when it
// is taller than the page.
Flickable {
    id: page

    property bool display: false
    readonly property alias transition: pageTransition
    default property alias sections: sectionColumn.data
    // The window's metrics, which the page passes to its sections and rows.
    readonly property var metrics: mainWindow

    visible: false
    opacity: 0
    clip: true
    contentWidth: width
    contentHeight: sectionColumn.height + 2 * VHQmlCommonDefines.largeMargin
    interactive: contentHeight > height
    boundsBehavior: Flickable.StopAtBounds

    ScrollBar.vertical: ScrollBar {
        // A page that scrolls inside its sections turns interactive off.
        policy: page.interactive && page.contentHeight > page.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
    }

    onDisplayChanged: {
        if (display)
            pageTransition.fadeIn.restart()
        else
            pageTransition.fadeOut.restart()
    }

    VHAnimationPageTransition {
        id: pageTransition
        animationTarget: page
    }

    Column {
        id: sectionColumn
        y: VHQmlCommonDefines.largeMargin
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: VHQmlCommonDefines.smallMargin
    }
}
