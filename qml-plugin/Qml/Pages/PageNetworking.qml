import QtQuick 2.10
import QtQuick.Controls 2.3
import librariesqml.VHComponents 1.0
import librariesqml.VHWiFi 1.0
import "../Components"

// Ethernet and Wi-Fi: switching each on and off, the Ethernet address
// settings, the connected network and the scanned ones. The list and the
// dialogs live at window level; scanning runs only while the page is shown.
SettingsPage {
    id: page

    // Started by the window when a Wi-Fi dialog closes without connecting.
    property alias timerScan: scanDelay
    readonly property bool connectedShown: NetworkInterface.isWifiUp
                                           && WiFiClient.accessPointConnected.wpaState === "COMPLETED"
    readonly property int rowHeight: 50

    function needsPassword(flags) {
        var text = (flags || "").toLowerCase()
        return text.indexOf("wpa") !== -1 || text.indexOf("wep") !== -1
    }

    // The page never scrolls as a whole; the list scrolls inside its section.
    interactive: false

    onDisplayChanged: {
        if (!display)
            WiFiClient.setScanning(false)
    }

    Connections {
        target: page.transition
        function onFadeInFinished() {
            if (NetworkInterface.isWifiUp)
                scanDelay.start()
        }
    }

    // NetworkManager's first answer may come after the page has faded in.
    Connections {
        target: NetworkInterface
        function onIsWifiUpChanged() {
            if (page.display && NetworkInterface.isWifiUp && !WiFiClient.wifiScanning)
                scanDelay.start()
        }
    }

    Timer {
        id: scanDelay
        objectName: "timerScan"
        interval: 200
        onTriggered: WiFiClient.setScanning(true)
    }

    Rectangle {
        id: ethernetSection
        objectName: "ethernetSection"
        width: mainWindow.containerWidth
        height: page.rowHeight + 2 * VHQmlCommonDefines.smallMargin + 6
        radius: mainWindow.rectangleRadius
        color: VHColorPalette.sectionBackground

        Text {
            id: ethernetIcon
            x: VHQmlCommonDefines.largeMargin + VHQmlCommonDefines.margin
            anchors.verticalCenter: parent.verticalCenter
            text: VHIconPalette.ethernetIcon
            font.family: VHIconPalette.fontName
            font.preferShaping: true
            font.pixelSize: VHQmlCommonDefines.iconSize
            color: VHColorPalette.textPrimary
        }
        Text {
            anchors.left: ethernetIcon.right
            anchors.leftMargin: VHQmlCommonDefines.margin
            anchors.verticalCenter: parent.verticalCenter
            text: qsTr("Ethernet")
            font.family: mainWindow.applicationFont
            font.pixelSize: mainWindow.fontSizeH1
            font.bold: true
            color: VHColorPalette.textPrimary
        }
        VHGeneralPillSwitch {
            id: ethernetSwitch
            objectName: "ethernetSwitch"
            anchors.right: ethernetSettingsIcon.left
            anchors.rightMargin: VHQmlCommonDefines.margin
            anchors.verticalCenter: parent.verticalCenter
            checked: NetworkInterface.isEthernetUp
            onToggled: {
                NetworkInterface.changeInterfaceStatus(NetworkInterface.ethernetInterface, checked)
                SettingsMain.sendAnalyticHit("Ethernet", checked)
                checked = Qt.binding(function() { return NetworkInterface.isEthernetUp })
            }
        }
        MouseArea {
            id: ethernetSettingsIcon
            objectName: "ethernetSettingsIcon"
            anchors.right: parent.right
            anchors.rightMargin: VHQmlCommonDefines.largeMargin
            anchors.verticalCenter: parent.verticalCenter
            width: page.rowHeight
            height: page.rowHeight
            onClicked: {
                if (!ethernetSwitch.checked)
                    return
                ethernetSettingsDialog.show()
                SettingsMain.sendAnalyticHit("EthernetSettings", "Opened")
            }

            Text {
                anchors.centerIn: parent
                text: VHIconPalette.settingsMenuIcon
                font.family: VHIconPalette.fontName
                font.preferShaping: true
                font.pixelSize: VHQmlCommonDefines.iconSize
                color: ethernetSwitch.checked ? VHColorPalette.textPrimary : VHColorPalette.controlBorder
            }
        }
    }

    Rectangle {
        id: wirelessSection
        objectName: "wirelessSection"
        width: mainWindow.containerWidth
        height: page.connectedShown
                ? (accessPoints.count <= 5 ? (accessPoints.count + 1) * page.rowHeight + 95 : 425)
                : (accessPoints.count <= 6 ? (accessPoints.count + 1) * page.rowHeight + 40 : 425)
        radius: mainWindow.rectangleRadius
        color: VHColorPalette.sectionBackground
        clip: true

        Behavior on height {
            NumberAnimation { duration: 240; easing.type: Easing.InOutQuad }
        }

        Item {
            id: wirelessHeader
            x: VHQmlCommonDefines.largeMargin
            y: VHQmlCommonDefines.margin
            width: parent.width - 2 * VHQmlCommonDefines.largeMargin
            height: page.rowHeight

            Text {
                id: wifiIcon
                x: VHQmlCommonDefines.margin
                anchors.verticalCenter: parent.verticalCenter
                text: VHIconPalette.wifiIcon
                font.family: VHIconPalette.fontName
                font.preferShaping: true
                font.pixelSize: VHQmlCommonDefines.iconSize
                color: VHColorPalette.textPrimary
            }
            Text {
                anchors.left: wifiIcon.right
                anchors.leftMargin: VHQmlCommonDefines.margin
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Wireless")
                font.family: mainWindow.applicationFont
                font.pixelSize: mainWindow.fontSizeH1
                font.bold: true
                color: VHColorPalette.textPrimary
            }
            VHGeneralIconSpinner {
                objectName: "scanSpinner"
                anchors.right: wifiSwitch.left
                anchors.rightMargin: VHQmlCommonDefines.largeMargin
                anchors.verticalCenter: parent.verticalCenter
                visible: NetworkInterface.isWifiUp && WiFiClient.wifiScanning
            }
            VHGeneralPillSwitch {
                id: wifiSwitch
                objectName: "wifiSwitch"
                // In line with the Ethernet switch, whose settings icon sits to its right.
                anchors.right: parent.right
                anchors.rightMargin: page.rowHeight + VHQmlCommonDefines.margin
                anchors.verticalCenter: parent.verticalCenter
                checked: NetworkInterface.isWifiUp
                onToggled: {
                    var on = checked
                    NetworkInterface.changeInterfaceStatus(NetworkInterface.wifiInterface, on)
                    if (on) {
                        scanDelay.start()
                    } else {
                        WiFiClient.setScanning(false)
                        accessPoints.clear()
                        WiFiClient.clearConnectedAccessPoint()
                    }
                    SettingsMain.sendAnalyticHit("WiFi", on)
                    checked = Qt.binding(function() { return NetworkInterface.isWifiUp })
                }
            }
        }

        Rectangle {
            id: wirelessDivider
            anchors.top: wirelessHeader.bottom
            anchors.horizontalCenter: parent.horizontalCenter
            width: mainWindow.dividerWidth
            height: 1
            color: VHColorPalette.divider
        }

        VHWiFiAccessPointDelegate {
            id: connectedRow
            objectName: "connectedAccessPoint"
            anchors.top: wirelessDivider.bottom
            anchors.topMargin: VHQmlCommonDefines.smallMargin
            anchors.left: wirelessDivider.left
            width: mainWindow.dividerWidth - VHQmlCommonDefines.margin
            visible: page.connectedShown
            connected: true
            savedNetwork: true
            networkName: WiFiClient.accessPointConnected.ssid || ""
            signalStrength: WiFiClient.accessPointConnected.signalLevel || 0
            password: page.needsPassword(WiFiClient.accessPointConnected.keyManagement)
            onVisibleChanged: {
                if (visible)
                    accessPoints.removeSSID(networkName)
            }
            onSettingClicked: {
                var network = WiFiClient.accessPointConnected
                wifiDialog.connected = true
                wifiDialog.savedNetwork = true
                wifiDialog.accessPointSSID = network.ssid
                wifiDialog.accessPointBSSID = network.bssid
                wifiDialog.accessPointFlags = network.keyManagement
                wifiDialog.accessPointSignalLevel = network.signalLevel
                wifiDialog.accessPointIPAddress = network.ipAddress
                wifiDialog.show()
            }
        }

        ListView {
            id: accessPointList
            objectName: "accessPointList"
            anchors.top: page.connectedShown ? connectedRow.bottom : wirelessDivider.bottom
            anchors.topMargin: page.connectedShown ? 0 : VHQmlCommonDefines.smallMargin
            anchors.bottom: parent.bottom
            anchors.bottomMargin: VHQmlCommonDefines.smallMargin
            anchors.horizontalCenter: parent.horizontalCenter
            width: mainWindow.dividerWidth
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            enabled: WiFiClient.networkStatus !== VHNetworkStatusEnums.CONNECTING
            model: accessPoints

            ScrollBar.vertical: ScrollBar {
                policy: ScrollBar.AlwaysOn
            }

            delegate: VHWiFiAccessPointDelegate {
                objectName: "accessPoint_" + model.ssid
                width: accessPointList.width - VHQmlCommonDefines.margin
                networkName: model.ssid
                signalStrength: model.signalLevel
                password: page.needsPassword(model.flags)
                savedNetwork: model.saved
                onDelegateClicked: {
                    WiFiClient.setScanning(false)
                    // An unsaved network must not inherit the last saved one's key.
                    wifiPasswordDialog.savedPasswordHash = model.saved ? model.psk : ""
                    wifiPasswordDialog.requiresPassword = page.needsPassword(model.flags)
                    wifiPasswordDialog.ssid = model.ssid
                    wifiPasswordDialog.show()
                }
                onSettingClicked: {
                    wifiDialog.connected = false
                    wifiDialog.savedNetwork = model.saved
                    wifiDialog.accessPointSSID = model.ssid
                    wifiDialog.accessPointBSSID = model.bssid
                    wifiDialog.accessPointFlags = model.flags
                    wifiDialog.accessPointSignalLevel = model.signalLevel
                    wifiDialog.accessPointIPAddress = ""
                    wifiDialog.show()
                }
            }
        }
    }
}
