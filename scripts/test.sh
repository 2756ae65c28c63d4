#!/usr/bin/env bash
# Installs what is missing, prepares the desktop, builds and runs every test.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
. scripts/desktop.sh
trap desktop_stop EXIT
cmake --preset mingw >/dev/null
cmake --build --preset mingw
scripts/printers.sh install --with-letter-printer
ctest --preset mingw "$@"
