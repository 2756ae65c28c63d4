#!/usr/bin/env bash
# Prints timing, CPU and memory figures of autosave runs (not a test).
#   benchmark.sh [RUNS]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
. scripts/desktop.sh
trap desktop_stop EXIT
cmake --preset mingw >/dev/null
cmake --build --preset mingw >/dev/null
scripts/printers.sh install
AUTOSAVE_BIN="$root/build/mingw/bin" python3 scripts/benchmark.py "$@"
