import QtQuick 2.10
import QtQuick.Controls 2.3
import librariesqml.VHComponents 1.0

// A printer page: its sections scroll under a button bar that stays at
// the bottom. Otherwise it behaves like every page (hidden until
// `display` is set, faded in and out).
Item {
    id: page

    property bool display: false
    readonly property alias transition: pageTransition
    readonly property alias content: flickable
    default property alias sections: sectionColumn.data
    // The window's metrics, which the page passes to its sections and rows.
    readonly property var metrics: mainWindow

    visible: false
    opacity: 0

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

    Flickable {
        id: flickable
        objectName: page.objectName + "Content"
        anchors.fill: parent
        clip: true
        contentWidth: width
        contentHeight: sectionColumn.height + 2 * VHQmlCommonDefines.largeMargin + buttonBar.height
        interactive: contentHeight > height
        boundsBehavior: Flickable.StopAtBounds

        ScrollBar.vertical: ScrollBar {
            policy: flickable.contentHeight > flickable.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
        }

        Column {
            id: sectionColumn
            y: VHQmlCommonDefines.largeMargin
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: VHQmlCommonDefines.smallMargin
        }
    }

    PrinterButtonBar {
        id: buttonBar
        namePrefix: page.objectName
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
    }
}
