import QtQuick 2.10
import librariesqml.VHComponents 1.0

// An on/off switch with its title to its left, for the printer page's
// grid of print options.
Item {
    id: cell

    property string title: ""
    property alias checked: control.checked
    signal toggled()

    height: Math.max(titleText.implicitHeight, control.height)

    Text {
        id: titleText
        anchors.left: parent.left
        anchors.right: control.left
        anchors.rightMargin: VHQmlCommonDefines.margin
        anchors.verticalCenter: parent.verticalCenter
        text: cell.title
        font.family: mainWindow.applicationFont
        font.pixelSize: mainWindow.fontSizeH2
        color: VHColorPalette.textPrimary
        elide: Text.ElideRight
    }

    VHGeneralPillSwitch {
        id: control
        objectName: cell.objectName + "Control"
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        onToggled: cell.toggled()
    }
}
