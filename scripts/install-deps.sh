#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, run and test VHSettings.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qtbase5-dev qtdeclarative5-dev qtquickcontrols2-5-dev qttools5-dev-tools qttools5-dev
  qml-module-qtquick2 qml-module-qtquick-controls2 qml-module-qtquick-layouts
  qml-module-qtquick-window2 qml-module-qtgraphicaleffects qml-module-qttest
  qml-module-qtqml-models2 libqt5svg5
  qtvirtualkeyboard-plugin qml-module-qtquick-virtualkeyboard qml-module-qt-labs-folderlistmodel
  dbus dbus-x11 python3-dbusmock
  libcrypt-dev
  cups cups-client cups-bsd libcups2-dev libfontconfig-dev
  libubootenv-tool u-boot-tools
  libfaketime tzdata
  xvfb xauth xdotool libgl1-mesa-dri
  python3-fonttools fonts-material-design-icons-iconfont fonts-roboto-unhinted fonts-wqy-microhei fontconfig
  libkf5config-bin valgrind strace clang-format git
  weston qtwayland5
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
