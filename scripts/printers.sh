#!/usr/bin/env bash
# Printers of the test desktop, on Wine's PostScript driver; each job is
# turned into a PDF by Ghostscript and left in the printer's spool folder.
#   printers.sh install [--without-pdfcreator] [--with-letter-printer]
#   printers.sh remove NAME
# Source scripts/desktop.sh first, or let this script do it. Installing twice
# is harmless.
#
#   printer          port   spool folder (inside the prefix)
#   PDFCreator       LPT1:  C:\PDFCreatorSpool       (A4 offered)
#   Letter Printer   LPT2:  C:\LetterPrinterSpool    (no A4: Letter and others)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
[ -n "${WINEPREFIX:-}" ] || . "$root/scripts/desktop.sh"
tool="$root/build/mingw/bin/InstallPrinter.exe"
[ -f "$tool" ] || { echo "printers: build first ($tool missing)" >&2; exit 1; }

ppd_source="$(ls /usr/share/ghostscript/*/lib/ghostpdf.ppd 2>/dev/null | head -n1)"
[ -n "$ppd_source" ] || { echo "printers: ghostpdf.ppd not found (package ghostscript)" >&2; exit 1; }

driver_dir() { winepath -u "$(wine "$tool" driver-dir | tr -d '\r')"; }

map_port() {  # PORT SPOOLFOLDER
  local spool="$WINEPREFIX/drive_c/$2"
  mkdir -p "$spool"
  wine reg add 'HKCU\Software\Wine\Printing\Spooler' /v "$1" /t REG_SZ \
    /d "|$root/scripts/print-job.sh $spool" /f >/dev/null 2>&1
}

install() {
  local with_pdfcreator=1 with_letter=0
  for a in "$@"; do
    case "$a" in
      --without-pdfcreator) with_pdfcreator=0 ;;
      --with-letter-printer) with_letter=1 ;;
      *) echo "printers: unknown option $a" >&2; exit 2 ;;
    esac
  done
  local dir; dir="$(driver_dir)"
  mkdir -p "$dir"
  cp "$ppd_source" "$dir/ghostpdf.ppd"
  grep -v -E '^\*(PageSize|PageRegion|ImageableArea|PaperDimension) A4(Small)?[:/]' \
    "$ppd_source" >"$dir/ghostpdf-noa4.ppd"
  map_port LPT1: PDFCreatorSpool
  map_port LPT2: LetterPrinterSpool
  if [ $with_pdfcreator = 1 ]; then wine "$tool" add PDFCreator LPT1: ghostpdf.ppd
  else wine "$tool" remove PDFCreator; fi
  if [ $with_letter = 1 ]; then
    wine "$tool" add "Letter Printer" LPT2: ghostpdf-noa4.ppd "Wine PostScript Driver (no A4)"
  else wine "$tool" remove "Letter Printer"; fi
}

case "${1:-install}" in
  install) shift || true; install "$@" ;;
  remove) wine "$tool" remove "$2" ;;
  list) wine "$tool" list ;;
  *) echo "usage: printers.sh install [--without-pdfcreator] [--with-letter-printer] | remove NAME | list" >&2; exit 2 ;;
esac
