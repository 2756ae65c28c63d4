#!/usr/bin/env bash
# The main job: installs what is missing, prepares the desktop, builds, starts
# the program and leaves screenshots in out/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
. scripts/desktop.sh
trap desktop_stop EXIT
cmake --preset mingw >/dev/null
cmake --build --preset mingw >/dev/null
out="$root/out"
rm -rf "$out"; mkdir -p "$out"

wine build/mingw/bin/Autosave.exe </dev/null >/dev/null 2>&1 &
app=$!
for _ in $(seq 100); do xdotool search --name '^Form1$' >/dev/null 2>&1 && break; sleep 0.1; done
sleep 0.5
import -window root "$out/1-form1.png"
echo "main-job: screenshot $out/1-form1.png"
wineserver -k >/dev/null 2>&1 || true
wait "$app" 2>/dev/null || true
