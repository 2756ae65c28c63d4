#!/usr/bin/env bash
# Many autosave runs in a row in one program instance, printing what the
# program holds after each (GDI objects, windows, memory).
#   soak.sh [RUNS]   (default 50; CI runs the same test with 10)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
. scripts/desktop.sh
trap desktop_stop EXIT
cmake --preset mingw >/dev/null
cmake --build --preset mingw >/dev/null
scripts/printers.sh install
AUTOSAVE_SOAK_RUNS="${1:-50}" wine build/mingw/bin/soak_tests.exe 2>&1 | grep -a -E '^\[ soak \]|OK|FAILED|Failure'
