#!/usr/bin/env bash
# Installs what is missing, builds the program and runs it with the given
# arguments (none: the settings window).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target VHSettings
exec build/app/VHSettings "$@"
