import QtQuick 2.12
import librariesqml.VHComponents 1.0

// One Wi-Fi network as a 50-pixel row: signal bars, name, a lock when it
// needs a password, whether it is saved or connected, and a settings icon
// for its details.
Item {
    id: delegate

    property string networkName: ""
    property int signalStrength: 0 // 0 to 100
    property bool password: false
    property bool savedNetwork: false
    property bool connected: false

    signal delegateClicked()
    signal settingClicked()

    readonly property int bars: signalStrength >= 80 ? 4 : signalStrength >= 60 ? 3
                              : signalStrength >= 40 ? 2 : signalStrength >= 20 ? 1 : 0

    width: parent ? parent.width : 640
    height: 50
    opacity: enabled ? 1 : VHColorPalette.disabledOpacity

    Rectangle {
        anchors.fill: parent
        color: rowArea.pressed ? VHColorPalette.controlPressed : VHColorPalette.transparent
    }

    MouseArea {
        id: rowArea
        anchors.fill: parent
        onClicked: delegate.delegateClicked()
    }

    Text {
        id: signalIcon
        objectName: "signalIcon"
        x: VHQmlCommonDefines.margin
        anchors.verticalCenter: parent.verticalCenter
        text: [VHIconPalette.wifiSignal0, VHIconPalette.wifiSignal1, VHIconPalette.wifiSignal2,
               VHIconPalette.wifiSignal3, VHIconPalette.wifiSignal4][delegate.bars]
        font.family: VHIconPalette.fontName
        font.preferShaping: true
        font.pixelSize: VHQmlCommonDefines.iconSize
        color: delegate.connected ? VHColorPalette.accent : VHColorPalette.textPrimary
    }

    Column {
        anchors.left: signalIcon.right
        anchors.leftMargin: VHQmlCommonDefines.margin
        anchors.right: lockIcon.left
        anchors.rightMargin: VHQmlCommonDefines.margin
        anchors.verticalCenter: parent.verticalCenter

        Text {
            objectName: "networkName"
            width: parent.width
            text: delegate.networkName
            // A network's name is whatever its owner chose.
            textFormat: Text.PlainText
            font.pixelSize: VHQmlCommonDefines.fontSizeControl + 1
            font.bold: delegate.connected
            color: VHColorPalette.textPrimary
            elide: Text.ElideRight
        }
        Text {
            objectName: "networkState"
            visible: text.length > 0
            text: delegate.connected ? qsTr("Connected") : delegate.savedNetwork ? qsTr("Saved") : ""
            font.pixelSize: VHQmlCommonDefines.fontSizeSmall
            color: delegate.connected ? VHColorPalette.accent : VHColorPalette.textSecondary
        }
    }

    Text {
        id: lockIcon
        objectName: "lockIcon"
        anchors.right: settingsButton.left
        anchors.verticalCenter: parent.verticalCenter
        visible: delegate.password
        text: VHIconPalette.lockIcon
        font.family: VHIconPalette.fontName
        font.preferShaping: true
        font.pixelSize: VHQmlCommonDefines.iconSize - 6
        color: VHColorPalette.textSecondary
    }

    MouseArea {
        id: settingsButton
        objectName: "settingsButton"
        anchors.right: parent.right
        width: 50
        height: parent.height
        onClicked: delegate.settingClicked()

        Text {
            anchors.centerIn: parent
            text: VHIconPalette.settingsMenuIcon
            font.family: VHIconPalette.fontName
            font.preferShaping: true
            font.pixelSize: VHQmlCommonDefines.iconSize - 2
            color: settingsButton.pressed ? VHColorPalette.accentPressed : VHColorPalette.textSecondary
        }
    }

    Rectangle {
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        height: 1
        color: VHColorPalette.divider
    }
}
