import QtQuick 2.10
import librariesqml.VHWiFi 1.0

// One Wi-Fi network's details as the window shows them: forgetting it
// removes it from the list; either way the scan resumes.
VHWiFiDialog {
    onAccepted: {
        accessPoints.removeSSID(ssid)
        WiFiClient.removeNetworkRequest(ssid, connected)
        hide()
        pageNetworking.timerScan.start()
    }
    onRejected: {
        hide()
        pageNetworking.timerScan.start()
    }
}
