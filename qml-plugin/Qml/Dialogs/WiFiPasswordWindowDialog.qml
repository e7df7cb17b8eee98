import QtQuick 2.10
import librariesqml.VHWiFi 1.0

// The Wi-Fi password dialog as the window shows it: connecting waits for
// NetworkManager, cancelling resumes the scan.
VHWiFiDialogPassword {
    id: dialog

    statusDescription: WiFiClient.statusDescription
    connecting: WiFiClient.networkStatus === VHNetworkStatusEnums.CONNECTING
    onAccepted: {
        WiFiClient.networkStatus = VHNetworkStatusEnums.CONNECTING
        WiFiClient.setScanning(false)
        connectTimer.network = network
        connectTimer.password = password
        connectTimer.start()
    }
    onRejected: {
        hide()
        pageNetworking.timerScan.start()
        connectTimer.network = ""
        connectTimer.password = ""
    }

    // Lets the connect button show its pressed colour before the request,
    // which waits for NetworkManager's reply.
    Timer {
        id: connectTimer
        property string network: ""
        property string password: ""
        interval: 50
        onTriggered: {
            WiFiClient.connectRequest(network, password)
            password = ""
            dialog.connectionStatusText.visible = true
        }
    }
}
