#!/usr/bin/env bash
# Times the Users page's account operations: the work (read, yescrypt hash,
# write) and what the window's thread sees of it (the call, and the longest
# time its event loop stood still until the result came), medians of RUNS
# runs in milliseconds.
# Usage: bench/accounts.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=$(realpath "${1:-build}")
runs=${2:-21}
exe="$build/bench/bench_accounts"
[ -x "$exe" ] || { echo "no $exe; build first" >&2; exit 1; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export TMPDIR=$tmp LC_ALL=C QT_LOGGING_RULES="*.info=false"
"$exe" "$runs"
