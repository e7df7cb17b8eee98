#!/usr/bin/env bash
# Installs what is missing, builds the program and runs it with the given
# arguments (none: the settings window on its first tab).
#   scripts/run.sh [--model Vesk|Tundrel|VeskMax] [ARGUMENTS...]
# --model makes the window see that printer model (a boot-loader environment
# of its own under build/); without it the device's own environment is read.
# Without a display the window cannot open: every page is then rendered to
# PNG files instead, and their folder is printed.
set -euo pipefail
cd "$(dirname "$0")/.."

model=""
if [ "${1:-}" = "--model" ]; then
  model=${2:?--model needs a name}
  shift 2
fi

bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target VHSettings VHSettingsQML VHComponentsPlugin \
  vh_translations vh-screenshots > build/run-build.log 2>&1 || { cat build/run-build.log; exit 1; }

# The window reads its translations from the product's folder only.
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
$SUDO install -d /usr/share/data/Varnholt/translations
$SUDO install -m 0644 build/translations/*.qm /usr/share/data/Varnholt/translations/

# Run from the build tree: Qt finds the QML modules and fontconfig the font
# alias through their own variables.
export QML2_IMPORT_PATH="$PWD/build/qml"
export FONTCONFIG_FILE="$PWD/build/fontconfig/fonts.conf"
if [ -n "$model" ]; then
  source scripts/lib/device.sh
  make_device "$PWD/build/run-device" "$model"
  export PATH="$PWD/build/run-device/bin:$PATH"
fi

# Window mode: no argument, -u/--ui, or one argument without "-".
wants_window=false
if [ $# -eq 0 ] || [ "$1" = "-u" ] || [ "$1" = "--ui" ] || { [ $# -eq 1 ] && [[ "$1" != *-* ]]; }; then
  wants_window=true
fi

if $wants_window && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display here, so the window cannot open; rendering every page to PNG files instead."
  exec bash scripts/screenshots.sh build build/screenshots
fi
exec build/app/VHSettings "$@"
