#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
# CI fails on any compiler warning; a developer's build only shows them.
warnings_as_errors=OFF
[ "${CI:-}" = "true" ] && warnings_as_errors=ON
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_COMPILE_WARNING_AS_ERROR=$warnings_as_errors
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure --timeout 300 -j"$(nproc)"
