#!/usr/bin/env bash
# Starts or stops the stand-in PDF printer program in the background.
#   standin.sh start [stand-in options]   log: .desktop/standin.log
#   standin.sh stop
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
[ -n "${WINEPREFIX:-}" ] || . "$root/scripts/desktop.sh"
log="$root/.desktop/standin.log"
case "${1:-}" in
  start)
    shift
    : >"$log"
    setsid wine "$root/build/mingw/bin/PDFCreatorStandIn.exe" "$@" </dev/null >>"$log" 2>/dev/null &
    for _ in $(seq 100); do grep -q started "$log" 2>/dev/null && exit 0; sleep 0.1; done
    echo "standin: did not start (see $log)" >&2; exit 1 ;;
  stop)
    pkill -f PDFCreatorStandIn.exe 2>/dev/null || true ;;
  *) echo "usage: standin.sh start [options] | stop" >&2; exit 2 ;;
esac
