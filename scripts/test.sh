#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
# CI also fails on C++ sources that .clang-format would change.
if [ "${CI:-}" = "true" ]; then
  git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
fi
# CI fails on any compiler warning; a developer's build only shows them.
warnings_as_errors=OFF
[ "${CI:-}" = "true" ] && warnings_as_errors=ON
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_COMPILE_WARNING_AS_ERROR=$warnings_as_errors
cmake --build build -j"$(nproc)"
# The product alone builds without Qt Test and the test fixtures.
if [ "${CI:-}" = "true" ]; then
  cmake -S . -B build-product -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
    -DCMAKE_DISABLE_FIND_PACKAGE_Qt5Test=ON -DCMAKE_DISABLE_FIND_PACKAGE_Qt5QuickTest=ON \
    -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
  cmake --build build-product -j"$(nproc)"
fi
ctest --test-dir build --output-on-failure --timeout 300 -j"$(nproc)"
