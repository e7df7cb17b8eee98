#!/usr/bin/env bash
# Times loadPreset and the opening of the Printer and Alignment tabs with a
# preset selected, against a private real cupsd (the tests' fixture), and
# prints the median of RUNS runs of each in milliseconds.
# Usage: bench/printerpages.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=$(realpath "${1:-build}")
runs=${2:-21}
exe="$build/bench/bench_printerpages"
[ -x "$exe" ] || { echo "no $exe; build first" >&2; exit 1; }

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/.config" "$home/.local/share" "$home/runtime"
chmod 700 "$home/runtime"
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
  XDG_RUNTIME_DIR=$home/runtime LC_ALL=C TZ=UTC TMPDIR=$home \
  QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software QML2_IMPORT_PATH=$build/qml \
  FONTCONFIG_FILE=$build/fontconfig/fonts.conf QT_LOGGING_RULES="*.debug=false;*.warning=false" \
  DBUS_SYSTEM_BUS_ADDRESS=unix:path=$home/no-bus DBUS_SESSION_BUS_ADDRESS=unix:path=$home/no-bus
cd "$home"
"$exe" "$runs"
