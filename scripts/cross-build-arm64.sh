#!/usr/bin/env bash
# Cross-builds the product for the appliance (arm64) and its arm64 Debian
# package, on a Debian 12 amd64 machine: installs what is missing (Debian's
# aarch64 cross compiler and the arm64 development packages, beside the
# machine's own), builds without tests in build-arm64/ and packs it there.
# Arm64 code cannot run here, so this checks the build only.
#   scripts/cross-build-arm64.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-arm64}

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
export DEBIAN_FRONTEND=noninteractive

# The build machine's own packages first: the Qt tools and the icon font's
# generator run here.
bash scripts/install-deps.sh

packages=(
  crossbuild-essential-arm64 file
  qtbase5-dev:arm64 qtdeclarative5-dev:arm64 qtquickcontrols2-5-dev:arm64 qttools5-dev:arm64
  libcups2-dev:arm64 libcrypt-dev:arm64 libfontconfig-dev:arm64
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if ! dpkg --print-foreign-architectures | grep -qx arm64; then
    $SUDO dpkg --add-architecture arm64
  fi
  $SUDO apt-get update -qq
  # The amd64 build and its tests must keep working: refuse anything that
  # would remove a package of this machine's.
  removed=$(apt-get -s install --no-install-recommends "${missing[@]}" | grep '^Remv' || true)
  if [ -n "$removed" ]; then
    echo "Installing the arm64 packages would remove:" >&2
    echo "$removed" >&2
    exit 1
  fi
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/toolchain-aarch64.cmake" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
cmake --build "$build" -j"$(nproc)"
# dpkg-shlibdeps looks up the arm64 libraries' packages.
(cd "$build" && DEB_HOST_ARCH=arm64 cpack -G DEB)

echo "== what was built"
for f in "$build"/app/VHSettings "$build"/app/libVHSettingsProgram.so "$build"/app/libVHSettingsWindow.so "$build"/settings/libVHSettings.so.* \
         "$build"/settings/libVHSettingsServer.so \
         "$build"/daemon/vh-utilityd "$build"/qml/librariesqml/*/*.so; do
  [ -L "$f" ] || file "$f"
done
ls -l "$build"/*.deb
dpkg-deb -f "$build"/*.deb Package Version Architecture Depends
