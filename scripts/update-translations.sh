#!/usr/bin/env bash
# Collects every translatable text of the window into the .ts files, keeping
# the translations already made. Translate new entries with Qt Linguist.
set -euo pipefail
cd "$(dirname "$0")/.."
for ts in translations/*.ts; do
  lupdate -locations none -no-obsolete app settings qml-plugin outside -ts "$ts"
done
