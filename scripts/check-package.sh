#!/usr/bin/env bash
# Installs the Debian package on this machine with apt, runs "VHSettings -l"
# and the window (offscreen, in German) as installed, with no variable that
# points into a build tree, then purges the package and checks that none of
# its files is left. For a throwaway machine: it needs root and changes /usr.
#   scripts/check-package.sh [PACKAGE.deb]
# Without an argument the package is built from build/ first.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "$(id -u)" -ne 0 ]; then
  echo "check-package: run as root (it installs and removes a package)" >&2
  exit 2
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

deb=${1:-}
if [ -z "$deb" ]; then
  cpack -G DEB --config build/CPackConfig.cmake -B "$work/package" > "$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; exit 1; }
  deb=$(echo "$work"/package/*.deb)
fi
deb=$(realpath "$deb")
package=$(dpkg-deb -f "$deb" Package)
if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
  echo "check-package: $package is installed already; remove it first" >&2
  exit 2
fi

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

echo "== installing $(basename "$deb")"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" > "$work/install.log" 2>&1 \
  || { cat "$work/install.log"; exit 1; }
dpkg -L "$package" | sort > "$work/files"
pass "installed, $(wc -l < "$work/files") paths"

# The program as a user starts it: nothing but a home and the system's PATH.
home="$work/home"
mkdir -p "$home/.config/Varnholt" "$home/runtime"
chmod 0700 "$home/runtime"
run_clean() {
  env -i HOME="$home" PATH=/usr/sbin:/usr/bin:/sbin:/bin XDG_RUNTIME_DIR="$home/runtime" "$@"
}

echo "== VHSettings -l"
if run_clean VHSettings -l > "$work/list.out" 2> "$work/list.err" && [ -s "$work/list.out" ]; then
  pass "VHSettings -l listed $(wc -l < "$work/list.out") keys"
  head -3 "$work/list.out"
else
  fail "VHSettings -l: $(cat "$work/list.err")"
fi

echo "== the window, offscreen, on the About tab, in German"
printf '[locale]\nlanguage=de_DE\n' > "$home/.config/Varnholt/Corvantis.ini"
# It runs for a fixed time: long enough to build every page and dialog,
# which happens after the first frame.
# Software rendering: a machine without a display may have no OpenGL.
run_clean QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software QT_LOGGING_RULES=vh.window.debug=true \
  strace -f -qq -e trace=openat -e signal=none -o "$work/opened" \
  timeout 8 VHSettings 9 > "$work/window.log" 2>&1 && status=0 || status=$?
# Still running when the time was up: it neither crashed nor quit.
if [ "$status" -eq 124 ]; then
  pass "the window ran until it was stopped"
else
  fail "the window ended on its own, status $status: $(tail -3 "$work/window.log")"
fi
if grep -q "showing tab 9 page pageAbout" "$work/window.log"; then
  pass "the window showed the About page"
else
  fail "the window did not show the About page"
fi
if grep -E "\.qml:[0-9]+|qrc:|is not installed|not a type|cannot start the window|failed to load" \
    "$work/window.log" > "$work/qml-errors"; then
  fail "QML errors:"; cat "$work/qml-errors"
else
  pass "no QML error in the window's log"
fi
for opened in /usr/lib/librariesqml/VHSettingsQML/libVHSettingsQML.so \
              /usr/lib/librariesqml/VHComponents/libVHComponentsPlugin.so \
              /usr/share/data/Varnholt/translations/corvant_de_DE.qm; do
  if grep -q "\"$opened\".* = [0-9]" "$work/opened"; then
    pass "opened $opened"
  else
    fail "did not open $opened"
  fi
done
if grep -E "\"$PWD/[^\"]*\".* = [0-9]" "$work/opened" > "$work/foreign"; then
  fail "opened files of the source or build tree:"; head "$work/foreign"
else
  pass "opened nothing of the source or build tree"
fi

echo "== purging"
DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq "$package" > "$work/purge.log" 2>&1 \
  || { cat "$work/purge.log"; exit 1; }
left=0
while read -r path; do
  [ -e "$path" ] || [ -L "$path" ] || continue
  # Folders that other packages own stay, as they should.
  dpkg -S "$path" > /dev/null 2>&1 && continue
  fail "left behind: $path"
  left=$((left + 1))
done < "$work/files"
[ "$left" -eq 0 ] && pass "purged, none of its $(wc -l < "$work/files") paths is left"

if [ "$failures" -eq 0 ]; then
  echo "== the package passed every check"
else
  echo "== $failures check(s) failed"
fi
[ "$failures" -eq 0 ]
