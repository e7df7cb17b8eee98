#!/usr/bin/env bash
# Times the command-line mode of VHSettings: N runs each of -l, -g, -g KEY,
# -s KEY VALUE and -h against a throw-away settings home, and prints the
# median wall-clock time of each in milliseconds with its range. -g KEY,
# -s KEY VALUE and -h are set against KDE's kreadconfig5/kwriteconfig5 doing
# the same on the same file, run alternately with them so that both see the
# same machine load; the ratio of the medians comes with the range of the
# ratios of the runs taken one after the other.
#
# Usage: bench/commandline.sh [BUILD_DIR] [RUNS] [--daemon] [--callgrind]
#   --daemon     the utility daemon (vh-utilityd) answers on a private bus,
#                as on the device; without it no system bus is reachable
#   --callgrind  counts each command's instructions once (valgrind's
#                callgrind) instead of timing it: these do not drift with
#                the machine's load
set -euo pipefail
positional=()
daemon=false callgrind=false
for arg in "$@"; do
  case $arg in
    --daemon) daemon=true ;;
    --callgrind) callgrind=true ;;
    *) positional+=("$arg") ;;
  esac
done
build=${positional[0]:-build}
runs=${positional[1]:-21}
exe="$build/app/VHSettings"
[ -x "$exe" ] || { echo "no $exe; build first" >&2; exit 1; }
for tool in kreadconfig5 kwriteconfig5; do
  command -v "$tool" >/dev/null || { echo "no $tool; run scripts/install-deps.sh" >&2; exit 1; }
done

home=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$home"
}
trap cleanup EXIT
export HOME=$home XDG_CONFIG_HOME=$home/.config QT_LOGGING_RULES="*.debug=false"
if $daemon; then
  address=$(dbus-daemon --session --fork --print-address=1 --print-pid=3 3>"$home/bus.pid")
  pids+=("$(cat "$home/bus.pid")")
  mkdir -p "$home/backlight/panel"
  echo 255 >"$home/backlight/panel/max_brightness"
  echo 128 >"$home/backlight/panel/brightness"
  "$build/daemon/vh-utilityd" --bus "$address" --backlight-dir "$home/backlight" \
    --state-file "$home/utilityd.json" >/dev/null 2>&1 &
  pids+=("$!")
  for _ in $(seq 100); do
    dbus-send --bus="$address" --print-reply --dest=org.freedesktop.DBus / \
      org.freedesktop.DBus.NameHasOwner string:com.varnholt.VHUtilityd 2>/dev/null \
      | grep -q 'boolean true' && break
    sleep 0.1
  done
  export DBUS_SYSTEM_BUS_ADDRESS=$address
  echo "utility daemon on a private bus"
else
  # No system bus: the daemon calls fail at once, as on a device without it.
  export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$home/no-bus
  echo "no system bus"
fi
file=$XDG_CONFIG_HOME/Varnholt/Corvantis.ini
mkdir -p "$(dirname "$file")"
printf '[display]\nbrightnessLevel=5\n\n[locale]\nunits=1\n' >"$file"

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }
range() { sort -n | awk 'NR==1 {lo=$1} {hi=$1} END {printf "%.1f-%.1f", lo/1000, hi/1000}'; }

# Microseconds of one run of the command.
time_us() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 || true
  end=$(date +%s%N)
  echo $(( (end - start) / 1000 ))
}

# Instructions of one run of the command, all threads.
instructions() {
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null \
    | awk '/Collected/ {print $4}'
}

ms() { echo "$1 / 1000" | bc -l; }

# VHSettings arguments | the KDE tool's command on the same file. In the
# writes, V stands for 5 and 6 by turns, and the KDE tool writes the other
# one: each run changes the stored value (KConfig skips writing an unchanged
# one).
comparisons=(
  "-g units|kreadconfig5 --file $file --group locale --key units"
  "-s brightnessLevel @V@|kwriteconfig5 --file $file --group display --key brightnessLevel @V@"
  "-h|kreadconfig5 --file $file --group locale --key units"
)

if $callgrind; then
  for pair in "${comparisons[@]}"; do
    args=${pair%%|*}
    kde=${pair#*|}
    # shellcheck disable=SC2086
    a=$(instructions "$exe" ${args/@V@/6})
    # shellcheck disable=SC2086
    b=$(instructions ${kde/@V@/5})
    printf '%-22s %6.2f M instructions, %-14s %6.2f M, ratio %.2f\n' "$args" "$(echo "$a / 1000000" | bc -l)" \
      "${kde%% *}" "$(echo "$b / 1000000" | bc -l)" "$(echo "$a / $b" | bc -l)"
  done
  exit 0
fi

for args in "-l" "-g"; do
  # shellcheck disable=SC2086
  times=$(for _ in $(seq "$runs"); do time_us "$exe" $args; done)
  printf '%-22s median %6.1f ms (%s) over %d runs\n' "$args" "$(ms "$(median <<<"$times")")" \
    "$(range <<<"$times")" "$runs"
done

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
  pairs=$(paste "$ours" "$kdes" | awk '{printf "%.2f\n", $1 / $2}' | sort -n)
  printf '%-22s median %6.1f ms (%s), %-14s %6.1f ms (%s), ratio %.2f (runs %s-%s, %d runs)\n' \
    "$args" "$(ms "$a")" "$(range <"$ours")" "${kde%% *}" "$(ms "$b")" "$(range <"$kdes")" \
    "$(echo "$a / $b" | bc -l)" "$(head -1 <<<"$pairs")" "$(tail -1 <<<"$pairs")" "$runs"
done
