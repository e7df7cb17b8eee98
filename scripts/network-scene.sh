#!/usr/bin/env bash
# Starts a private bus with NetworkManager's stand-in (python3-dbusmock's
# networkmanager template) showing a few Wi-Fi networks, one of them
# connected, and a connected Ethernet device, so that screenshots of the
# Networking page have something to show. Prints the bus address and the
# two process ids to stop afterwards.
# Usage: scripts/network-scene.sh DIR
set -euo pipefail
dir=$1
python=/usr/bin/python3
$python -c 'import dbusmock' 2>/dev/null || { echo "python3-dbusmock is missing" >&2; exit 1; }

read -r bus_pid < <(dbus-daemon --session --address="unix:path=$dir/bus" --fork --print-pid)
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$dir/bus"
$python -m dbusmock --system --template networkmanager --logfile "$dir/nm.log" >/dev/null 2>"$dir/nm.err" &
mock_pid=$!
for _ in $(seq 50); do
  dbus-send --system --print-reply --dest=org.freedesktop.NetworkManager /org/freedesktop \
    org.freedesktop.DBus.Peer.Ping >/dev/null 2>&1 && break
  sleep 0.1
done

mock() {
  dbus-send --system --print-reply=literal --dest=org.freedesktop.NetworkManager /org/freedesktop \
    "org.freedesktop.DBus.Mock.$@" | tr -d ' '
}
wifi=$(mock AddWiFiDevice string:wifi0 string:wlan0 int32:100)
mock AddEthernetDevice string:eth0 string:eth0 int32:100 >/dev/null
# name, SSID, BSSID, strength, security (0x100: WPA2 once WpaFlags is cleared)
add_point() {
  mock AddAccessPoint string:"$wifi" string:"$1" string:"$2" string:"$3" \
    uint32:2 uint32:2437 uint32:54000 byte:"$4" uint32:"$5"
}
office=$(add_point office Varnholt-Office 02:00:00:00:01:01 86 256)
add_point warehouse Warehouse 02:00:00:00:01:02 71 256 >/dev/null
add_point guest Guest 02:00:00:00:01:03 58 0 >/dev/null
add_point lab Lab-5GHz 02:00:00:00:01:04 42 256 >/dev/null
add_point setup Printer-Setup 02:00:00:00:01:05 18 0 >/dev/null
for point in office warehouse; do
  mock SetProperty string:/org/freedesktop/NetworkManager/AccessPoint/$point \
    string:org.freedesktop.NetworkManager.AccessPoint string:WpaFlags variant:uint32:0 >/dev/null
done
profile=$(mock AddWiFiConnection string:"$wifi" string:office string:Varnholt-Office string:)
mock AddActiveConnection array:string:"$wifi" string:"$profile" string:"$office" string:office uint32:2 >/dev/null
echo "$DBUS_SYSTEM_BUS_ADDRESS $bus_pid $mock_pid"
