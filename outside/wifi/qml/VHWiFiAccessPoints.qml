import QtQuick 2.12

// The scanned Wi-Fi access points, one entry per network, refilled from the
// Wi-Fi client's list and empty while the Wi-Fi interface is down.
ListModel {
    id: accessPoints

    property var modelValues: []
    property bool wifiInterfaceUp: false

    function refill() {
        clear()
        if (!wifiInterfaceUp || !modelValues)
            return
        for (var i = 0; i < modelValues.length; ++i) {
            var point = modelValues[i]
            append({ "ssid": point.ssid || "", "bssid": point.bssid || "",
                     "signalLevel": point.signalLevel || 0, "flags": point.flags || "",
                     "saved": !!point.saved, "psk": point.psk || "" })
        }
    }

    function removeSSID(ssid) {
        for (var i = count - 1; i >= 0; --i) {
            if (get(i).ssid === ssid)
                remove(i)
        }
    }

    onModelValuesChanged: refill()
    onWifiInterfaceUpChanged: refill()
}
