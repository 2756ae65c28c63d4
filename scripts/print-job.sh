#!/usr/bin/env bash
# Wine pipes each print job's PostScript into this command (the printer's
# port is mapped to it). The job becomes SPOOLDIR/job-*.pdf, written under a
# temporary name first so that a reader never sees half a file.
set -euo pipefail
spool="$1"
mkdir -p "$spool"
job="$spool/job-$(date +%Y%m%d-%H%M%S-%N)"
cat >"$job.ps.part"
title="$(grep -a -m1 '^%%Title:' "$job.ps.part" | sed 's/^%%Title: *//; s/\r$//' || true)"
gs -q -dBATCH -dNOPAUSE -dSAFER -sDEVICE=pdfwrite -sOutputFile="$job.pdf.part" "$job.ps.part" \
  >"$job.log" 2>&1 || { mv "$job.ps.part" "$job.failed.ps"; exit 1; }
printf '%s\n' "$title" >"$job.title"
rm -f "$job.ps.part" "$job.log"
mv "$job.pdf.part" "$job.pdf"
