#!/usr/bin/env bash
# Times the command-line mode of VHSettings: N runs each of -l, -g, -g KEY,
# -s KEY VALUE and -h against a throw-away settings home, and prints the
# median wall-clock time of each in milliseconds. -g KEY, -s KEY VALUE and -h
# are set against KDE's kreadconfig5/kwriteconfig5 doing the same on the same
# file, run alternately with them so that both see the same machine load.
# Usage: bench/commandline.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-21}
exe="$build/app/VHSettings"
[ -x "$exe" ] || { echo "no $exe; build first" >&2; exit 1; }
for tool in kreadconfig5 kwriteconfig5; do
  command -v "$tool" >/dev/null || { echo "no $tool; run scripts/install-deps.sh" >&2; exit 1; }
done

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/.config QT_LOGGING_RULES="*.debug=false"
# No system bus: the daemon calls fail at once, as on a device without it.
export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$home/no-bus
file=$XDG_CONFIG_HOME/Varnholt/Corvantis.ini
mkdir -p "$(dirname "$file")"
printf '[display]\nbrightnessLevel=5\n\n[locale]\nunits=1\n' >"$file"

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }

# Microseconds of one run of the command.
time_us() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 || true
  end=$(date +%s%N)
  echo $(( (end - start) / 1000 ))
}

ms() { echo "$1 / 1000" | bc -l; }

for args in "-l" "-g"; do
  # shellcheck disable=SC2086
  m=$(for _ in $(seq "$runs"); do time_us "$exe" $args; done | median)
  printf '%-22s median %6.1f ms over %d runs\n' "$args" "$(ms "$m")" "$runs"
done

# VHSettings arguments | the KDE tool's command on the same file. In the
# writes, V stands for 5 and 6 by turns, and the KDE tool writes the other
# one: each run changes the stored value (KConfig skips writing an unchanged
# one).
comparisons=(
  "-g units|kreadconfig5 --file $file --group locale --key units"
  "-s brightnessLevel @V@|kwriteconfig5 --file $file --group display --key brightnessLevel @V@"
  "-h|kreadconfig5 --file $file --group locale --key units"
)
for pair in "${comparisons[@]}"; do
  args=${pair%%|*}
  kde=${pair#*|}
  ours=$home/ours kdes=$home/kdes
  : >"$ours"; : >"$kdes"
  for i in $(seq "$runs"); do
    # shellcheck disable=SC2086
    time_us "$exe" ${args/@V@/$((5 + i % 2))} >>"$ours"
    # shellcheck disable=SC2086
    time_us ${kde/@V@/$((6 - i % 2))} >>"$kdes"
  done
  if [[ $args == -s* ]] && ! grep -qx "brightnessLevel=$((6 - runs % 2))" "$file"; then
    echo "kwriteconfig5 did not write $file; the -s times are not comparable" >&2
    exit 1
  fi
  a=$(median <"$ours") b=$(median <"$kdes")
  printf '%-22s median %6.1f ms, %-14s %6.1f ms, ratio %.2f (%d runs)\n' "$args" "$(ms "$a")" \
    "${kde%% *}" "$(ms "$b")" "$(echo "$a / $b" | bc -l)" "$runs"
done
