#!/usr/bin/env bash
# The settings window's longest stall per touch while a service it uses is
# frozen with SIGSTOP (utility daemon, NetworkManager, cupsd, logind,
# timedatectl) or a boot-loader tool is slow, and whether each change still
# lands; prints a Markdown table (progress on standard error). Everything
# runs on a private bus, a private cupsd and a temporary home; nothing is
# left running afterwards, also after Ctrl-C. Takes about half an hour with
# 3 runs; --list names the actions for --only.
# Usage: bench/responsiveness.sh [BUILD_DIR] [--runs N] [--only A,B] [--give-up S] [--hold S] [--list]
set -euo pipefail
build=build
if [ $# -gt 0 ] && [ "${1#-}" = "$1" ]; then
  build=$1
  shift
fi
exe="$(realpath "$build")/bench/bench_responsiveness"
[ -x "$exe" ] || { echo "no $exe; build first (cmake --build $build --target bench_responsiveness)" >&2; exit 1; }
export LC_ALL=C.UTF-8 TZ=UTC
exec "$exe" "$@"
