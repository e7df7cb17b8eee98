import QtQuick 2.12
import librariesqml.VHComponents 1.0

// A large glyph for the state of the software update: busy while checking
// or updating, an error mark, an update waiting, or up to date.
Item {
    id: icon

    property bool isUpdating: false
    property bool isChecking: false
    property string error: ""
    property string systemVersion: ""
    property string availableVersion: ""
    property int size: 120

    readonly property bool busy: isUpdating || isChecking
    readonly property bool failed: !busy && error.length > 0
    readonly property bool updateWaiting: !busy && !failed && availableVersion.length > 0
                                          && availableVersion !== systemVersion

    implicitWidth: size
    implicitHeight: size

    Rectangle {
        anchors.fill: parent
        radius: width / 2
        color: VHColorPalette.windowBackground
    }

    Text {
        visible: !icon.busy
        anchors.centerIn: parent
        text: icon.failed ? VHIconPalette.updateError
            : icon.updateWaiting ? VHIconPalette.updateAvailable : VHIconPalette.updateUpToDate
        font.family: VHIconPalette.fontName
        font.preferShaping: true
        font.pixelSize: icon.size * 0.6
        color: icon.failed ? VHColorPalette.error
             : icon.updateWaiting ? VHColorPalette.deepOrange : VHColorPalette.success
    }

    VHGeneralIconSpinner {
        visible: icon.busy
        anchors.centerIn: parent
        font.pixelSize: icon.size * 0.6
    }
}
