#!/usr/bin/env bash
# Installs what is missing, builds the program and runs it with the given
# arguments. Until the settings window is part of the build, no arguments
# means the key listing (-l).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target VHSettings
[ $# -eq 0 ] && set -- -l
exec build/app/VHSettings "$@"
