import QtQuick 2.10
import librariesqml.VHComponents 1.0

// What the USB shared folder is and how it behaves.
VHGeneralDialogBasic {
    id: dialog

    width: 500
    height: 300
    icon: VHIconPalette.infoIcon
    title: qsTr("Information")

    Column {
        width: parent.width
        spacing: VHQmlCommonDefines.smallMargin

        Repeater {
            model: [qsTr("File share is accessible on host computer when connected."),
                    qsTr("File share is accessible on printer when disconnected from host computer."),
                    qsTr("Max capacity 200MB.")]

            Text {
                width: parent.width
                text: "- " + modelData
                font.family: mainWindow.applicationFont
                font.pixelSize: mainWindow.fontSizeH3
                color: VHColorPalette.textPrimary
                wrapMode: Text.Wrap
            }
        }
    }

    VHGeneralButton {
        objectName: "msdInfoOk"
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        highlighted: true
        text: qsTr("OK")
        onClicked: dialog.hide()
    }
}
