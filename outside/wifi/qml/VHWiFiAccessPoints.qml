import QtQuick 2.12

// The scanned Wi-Fi access points, one entry per network, refilled from the
// Wi-Fi client's list and empty while the Wi-Fi interface is down. Entries
// have ssid, bssid, signalLevel, flags, saved and psk.
ListModel {
    id: model

    property var modelValues: []
    property bool wifiInterfaceUp: false
    // Filled while it was still being built, the model kept entries that a
    // later clear() did not remove; so filling waits until it is complete.
    property bool completed: false

    function refill() {
        if (!completed)
            return
        model.clear()
        if (!wifiInterfaceUp || !modelValues)
            return
        for (var i = 0; i < modelValues.length; ++i) {
            var point = modelValues[i]
            model.append({ "ssid": point.ssid || "", "bssid": point.bssid || "",
                           "signalLevel": point.signalLevel || 0, "flags": point.flags || "",
                           "saved": !!point.saved, "psk": point.psk || "" })
        }
    }

    function removeSSID(ssid) {
        for (var i = model.count - 1; i >= 0; --i) {
            if (model.get(i).ssid === ssid)
                model.remove(i)
        }
    }

    onModelValuesChanged: refill()
    onWifiInterfaceUpChanged: refill()
    Component.onCompleted: {
        completed = true
        refill()
    }
}
