#!/usr/bin/env bash
# Prepares the Linux machine as a Traditional Chinese Windows desktop under Wine.
#
# Source it (". scripts/desktop.sh") to get the environment exported, or run it
# to only prepare. It is idempotent and quick the second time:
#   - Debian packages that are missing are installed (once, with apt-get);
#   - the zh_TW.UTF-8 locale is generated, so Wine's ANSI code page is 950;
#   - a project-local Wine prefix is created once under .desktop/ and reused;
#   - fonts: Arial, MS Sans Serif and the Chinese UI fonts map to installed ones;
#   - an Xvfb display is started when DISPLAY is not set;
#   - a persistent wineserver is started with its services brought up once.
# Printers are installed separately by scripts/printers.sh.

desktop_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

desktop_fail() {
  echo "desktop: $*" >&2
  return 1 2>/dev/null || exit 1
}

desktop_packages=(
  cmake make g++-mingw-w64-x86-64-posix googletest
  wine64 xvfb xauth x11-utils locales
  fonts-arphic-uming fonts-wqy-microhei fonts-liberation
  ghostscript poppler-utils imagemagick xdotool
)

desktop_install_packages() {
  local missing=() p
  for p in "${desktop_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "desktop: installing ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    desktop_fail "packages missing and not root: ${missing[*]}"; return 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq >/dev/null || desktop_fail "apt-get update failed" || return 1
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null \
    || desktop_fail "apt-get install failed for: ${missing[*]}" || return 1
}

desktop_locale() {
  locale -a 2>/dev/null | grep -qi '^zh_TW\.utf-\?8$' && return 0
  echo "desktop: generating zh_TW.UTF-8"
  [ "$(id -u)" -eq 0 ] || { desktop_fail "zh_TW.UTF-8 missing and not root"; return 1; }
  if grep -q '^# *zh_TW.UTF-8 UTF-8' /etc/locale.gen; then
    sed -i 's/^# *zh_TW.UTF-8 UTF-8/zh_TW.UTF-8 UTF-8/' /etc/locale.gen
  elif ! grep -q '^zh_TW.UTF-8 UTF-8' /etc/locale.gen; then
    echo 'zh_TW.UTF-8 UTF-8' >>/etc/locale.gen
  fi
  locale-gen >/dev/null || { desktop_fail "locale-gen failed"; return 1; }
  locale -a | grep -qi '^zh_TW\.utf-\?8$' || { desktop_fail "zh_TW.UTF-8 was not generated"; return 1; }
}

desktop_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
  # Reuse the display an earlier call started, if it is still there.
  local state="$desktop_root/.desktop/display"
  if [ -f "$state" ] && DISPLAY="$(cat "$state")" xdpyinfo >/dev/null 2>&1; then
    export DISPLAY="$(cat "$state")"; return 0
  fi
  local n i
  for n in 99 98 97 96 95 94 93 92; do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    # setsid: the server outlives this shell and holds none of its pipes.
    setsid Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
    export DISPLAY=":$n"
    for i in $(seq 50); do
      if xdpyinfo >/dev/null 2>&1; then
        mkdir -p "$(dirname "$state")"; echo ":$n" >"$state"; return 0
      fi
      sleep 0.1
    done
    desktop_fail "Xvfb on :$n did not come up"; return 1
  done
  desktop_fail "no free X display number for Xvfb"
}

# Registry settings written once into a new prefix: fonts, unmanaged windows
# (no window manager runs on Xvfb, so Wine draws the frames and keeps the
# positions programs ask for), and 96 dpi.
desktop_registry() {
  local reg="$WINEPREFIX/desktop-settings.reg"
  cat >"$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="WenQuanYi Micro Hei"
"MS Sans Serif"="WenQuanYi Micro Hei"
"PMingLiU"="AR PL UMing TW"
"MingLiU"="AR PL UMing TW"
"Microsoft JhengHei"="WenQuanYi Micro Hei"

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
"Decorated"="N"
"UseTakeFocus"="N"

[HKEY_CURRENT_USER\Control Panel\Desktop]
"LogPixels"=dword:00000060

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000
REG
  wine regedit /S "$(winepath -w "$reg" 2>/dev/null)" </dev/null >/dev/null 2>&1
}

desktop_prefix() {
  export WINEPREFIX="${AUTOSAVE_WINEPREFIX:-$desktop_root/.desktop/prefix}"
  export WINEARCH=win64
  export WINEDEBUG="${WINEDEBUG:--all}"
  # No Mono or Gecko download prompts: this machine has no network for them.
  export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
  local stamp="$WINEPREFIX/.autosave-desktop-v1"
  if [ ! -f "$stamp" ]; then
    echo "desktop: creating Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i </dev/null >/dev/null 2>&1 || { desktop_fail "wineboot failed in $WINEPREFIX"; return 1; }
    wineserver -w
    desktop_registry
    wineserver -w
    [ -d "$WINEPREFIX/drive_c/windows" ] || { desktop_fail "Wine prefix was not created"; return 1; }
    touch "$stamp"
  fi
}

# A persistent server with its services started once, detached from any
# caller's pipes: otherwise each Wine process pays a few seconds, and the
# services keep the first caller's output pipe open (ctest would wait forever).
desktop_server() {
  wineserver -p
  wine cmd /c exit </dev/null >/dev/null 2>&1 || { desktop_fail "wine cannot run a program"; return 1; }
}

desktop_stop() {
  wineserver -k 2>/dev/null || true
}

desktop_prepare() {
  desktop_install_packages || return 1
  desktop_locale || return 1
  export LANG=zh_TW.UTF-8 LC_ALL=zh_TW.UTF-8
  desktop_display || return 1
  desktop_prefix || return 1
  desktop_server || return 1
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -euo pipefail
  desktop_prepare
  echo "desktop: ready (WINEPREFIX=$WINEPREFIX DISPLAY=$DISPLAY LANG=$LANG)"
else
  desktop_prepare || return 1
fi
