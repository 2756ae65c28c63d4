#!/usr/bin/env bash
# The main job: installs what is missing, prepares the desktop with the
# "PDFCreator" printer and the stand-in, starts the program, presses
# "Autosave to Pdf" with the real pointer, waits for the PDF and leaves
# screenshots of each step and a PNG of the PDF's page in out/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
. scripts/desktop.sh
cleanup() { scripts/standin.sh stop; desktop_stop; }
trap cleanup EXIT
cmake --preset mingw >/dev/null
cmake --build --preset mingw >/dev/null
scripts/printers.sh install
out="$root/out"
rm -rf "$out"; mkdir -p "$out"
probe() { wine build/mingw/bin/WindowProbe.exe "$@" 2>/dev/null | tr -d '\r'; }
pdf="$WINEPREFIX/drive_c/測試轉入pdf"
rm -f "$pdf" "$WINEPREFIX"/drive_c/PDFCreatorSpool/*

scripts/standin.sh start
wine build/mingw/bin/Autosave.exe </dev/null >/dev/null 2>&1 &
for _ in $(seq 100); do probe rect Form1 "Autosave to Pdf" >/dev/null && break; sleep 0.1; done
sleep 0.5
import -window root "$out/1-form1.png"

# Screenshots of the stand-in's window and of the filled Save dialog, taken
# while the run goes on.
(
  shot_window=0 shot_dialog=0
  for _ in $(seq 600); do
    [ -f "$pdf" ] && break
    if [ $shot_window = 0 ] && xdotool search --name '^PDFCreator 0\.9\.5$' >/dev/null 2>&1; then
      import -window root "$out/2-standin-window.png"; shot_window=1
    fi
    if [ $shot_dialog = 0 ] && probe text 另存新檔 Edit | grep -q pdf; then
      import -window root "$out/3-save-dialog-filled.png"; shot_dialog=1
    fi
    sleep 0.05
  done
) &
shots=$!

read -r x y w h < <(probe rect Form1 "Autosave to Pdf")
xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
echo "main-job: pressed Autosave to Pdf"
for _ in $(seq 600); do [ -f "$pdf" ] && break; sleep 0.1; done
wait "$shots" || true
sleep 0.5
import -window root "$out/4-end.png"
[ -f "$pdf" ] || { echo "main-job: no PDF at $pdf" >&2; cat .desktop/standin.log >&2; exit 1; }
pdftoppm -r 60 -png -singlefile "$pdf" "$out/5-pdf-page"
echo "main-job: PDF saved at C:\\測試轉入pdf ($pdf, $(stat -c %s "$pdf") bytes)"
echo "main-job: status log:"
probe text Form1 Edit | iconv -f BIG5 -t UTF-8 | sed 's/^/  | /'
echo
echo "main-job: stand-in log:"; sed 's/^/  | /' .desktop/standin.log | iconv -f BIG5 -t UTF-8 -c
ls "$out"
