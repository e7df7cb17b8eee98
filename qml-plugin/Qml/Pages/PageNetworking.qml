import QtQuick 2.10
import librariesqml.VHComponents 1.0
import "../Components"

SettingsPage {
    id: page

    // Started by the window when a Wi-Fi dialog closes without connecting.
    property alias timerScan: scanDelay

    Timer {
        id: scanDelay
        interval: 200
        onTriggered: WiFiClient.setScanning(true)
    }

    SectionBox {
        title: qsTr("Networking")
    }
}
