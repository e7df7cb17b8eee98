#!/usr/bin/env bash
# Renders every tab of the settings window, and the on-screen keyboard over
# the Wi-Fi password dialog, for the three printer models (plain, Tundrel,
# VeskMax) in every language the window offers, to PNG files.
# Each run gets its own settings home and its own file-backed boot-loader
# environment holding the model, so nothing of this machine is read or changed.
# Usage: scripts/screenshots.sh [BUILD_DIR] [OUTPUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
out=$(realpath -m "${2:-$build/screenshots}")
tool="$build/tools/screenshots/vh-screenshots"
[ -x "$tool" ] || { echo "no $tool; build first" >&2; exit 1; }

work=$(mktemp -d)
mkdir -p "$out"

# The Networking page shows what NetworkManager's stand-in offers, when
# python3-dbusmock is there; otherwise the system bus leads nowhere.
system_bus="unix:path=$work/no-bus"
scene_pids=()
if scene=$(bash scripts/network-scene.sh "$work" 2>/dev/null); then
  read -r system_bus bus_pid mock_pid <<< "$scene"
  scene_pids=("$mock_pid" "$bus_pid")
fi
trap 'for pid in "${scene_pids[@]}"; do kill "$pid" 2>/dev/null || true; done; rm -rf "$work"' EXIT

source scripts/lib/device.sh

for model in Vesk Tundrel VeskMax; do
  for language in en_US en_GB de_DE fr_FR es_ES it_IT pt_BR nl_NL pl_PL sv_SE ja_JP zh_CN ko_KR; do
    run="$work/$model-$language"
    mkdir -p -m 700 "$run"
    make_device "$run" "$model"
    mkdir -p "$run/home/.config/Varnholt"
    printf '[locale]\nlanguage=%s\n' "$language" > "$run/home/.config/Varnholt/Corvantis.ini"
    HOME="$run/home" XDG_CONFIG_HOME="$run/home/.config" XDG_DATA_HOME="$run/home/.local/share" \
    XDG_CACHE_HOME="$run/home/.cache" XDG_RUNTIME_DIR="$run" \
    PATH="$run/bin:$PATH" QML2_IMPORT_PATH="$build/qml" \
    FONTCONFIG_FILE="$build/fontconfig/fonts.conf" \
    DBUS_SYSTEM_BUS_ADDRESS="$system_bus" QT_QPA_PLATFORM=xcb \
    QT_LOGGING_RULES="vh.*.debug=false" \
      xvfb-run -a -s "-screen 0 1024x545x24" \
      "$tool" "$out" "$build/translations" "${model,,}-${language}"
  done
done
echo "screenshots in $out"
