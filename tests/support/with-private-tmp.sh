#!/bin/sh
# Runs a test with TMPDIR and XDG_RUNTIME_DIR in a fresh folder right under
# /tmp, removed afterwards. The unix sockets a test makes there (the window's
# tab-request socket among them) stay far below the 107 bytes a socket path
# may hold wherever the build folder lies, and tests running side by side
# never share one. Other users may pass through TMPDIR but not list it, so a
# test acting as one reaches its own files; the runtime folder is the
# owner's alone, as Qt wants it.
dir=$(mktemp -d /tmp/vh-test.XXXXXX) || exit 1
chmod 0711 "$dir" && mkdir -m 0700 "$dir/runtime" || { rm -rf "$dir"; exit 1; }
TMPDIR=$dir XDG_RUNTIME_DIR=$dir/runtime "$@"
status=$?
rm -rf "$dir"
exit $status
