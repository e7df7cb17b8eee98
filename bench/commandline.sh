#!/usr/bin/env bash
# Times the command-line mode of VHSettings: N runs each of -l, -g, -g KEY and
# -s KEY VALUE against a throw-away settings home, and prints the median
# wall-clock time of each in milliseconds.
# Usage: bench/commandline.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-21}
exe="$build/app/VHSettings"
[ -x "$exe" ] || { echo "no $exe; build first" >&2; exit 1; }

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/.config QT_LOGGING_RULES="*.debug=false"
# No system bus: the daemon calls fail at once, as on a device without it.
export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$home/no-bus

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }

time_ms() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 || true
  end=$(date +%s%N)
  echo $(( (end - start) / 1000 ))
}

for args in "-l" "-g" "-g brightnessLevel" "-s brightnessLevel 5"; do
  # shellcheck disable=SC2086
  m=$(for _ in $(seq "$runs"); do time_ms "$exe" $args; done | median)
  printf '%-22s median %6.1f ms over %d runs\n' "$args" "$(echo "$m / 1000" | bc -l)" "$runs"
done
