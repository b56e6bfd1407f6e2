#!/usr/bin/env bash
# Runs a Windows program under wine64 in the Wine prefix of one build tree.
#   wine-run.sh --state DIR program.exe [args...]
# DIR holds the prefix, the X display number and a lock. The prefix is made once
# (from a template, so later trees copy it in about a second); a virtual display is
# started when DISPLAY is unset; one wineserver stays alive between runs.
set -euo pipefail

[ "${1:-}" = "--state" ] || { echo "usage: wine-run.sh --state DIR program [args]" >&2; exit 2; }
state=$2; shift 2
mkdir -p "$state"
state=$(cd "$state" && pwd)

export WINEPREFIX="$state/prefix"
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
template="${VANTOR_WINE_TEMPLATE:-${XDG_CACHE_HOME:-$HOME/.cache}/vantor/wine-template}"

make_prefix() {
  local target=$1
  WINEPREFIX="$target" wineboot -i >/dev/null 2>&1 9>&-
  WINEPREFIX="$target" wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  WINEPREFIX="$target" wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  WINEPREFIX="$target" wineserver -w
}

start_display() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 9>&- &
    for _ in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && { echo ":$n" > "$state/display"; return; }
      sleep 0.1
    done
  done
  echo "wine-run: could not start Xvfb" >&2
  exit 1
}

display_alive() {
  [ -f "$state/display" ] || return 1
  local d; d=$(cat "$state/display")
  [ -e "/tmp/.X11-unix/X${d#:}" ] && [ -e "/tmp/.X${d#:}-lock" ] && kill -0 "$(tr -d ' ' < "/tmp/.X${d#:}-lock")" 2>/dev/null
}

{
  flock 9
  if [ ! -f "$WINEPREFIX/.vantor-ready" ]; then
    if [ ! -f "$template/.vantor-ready" ]; then
      mkdir -p "$(dirname "$template")"
      rm -rf "$template.tmp"
      make_prefix "$template.tmp"
      touch "$template.tmp/.vantor-ready"
      rm -rf "$template"; mv "$template.tmp" "$template"
    fi
    rm -rf "$WINEPREFIX"
    cp -a "$template" "$WINEPREFIX"
  fi
  if [ -z "${DISPLAY:-}" ]; then
    display_alive || start_display
  fi
  # One long-lived server: otherwise every run waits for a new one to start.
  wineserver -p 60 >/dev/null 2>&1 </dev/null 9>&- || true
} 9>"$state/lock"

if [ -z "${DISPLAY:-}" ]; then export DISPLAY=$(cat "$state/display"); fi
# Wine's helper processes (services, the desktop) outlive the program and inherit its
# output: give the program files, not our pipes, so callers see the end of output
# as soon as the program ends.
out=$(mktemp); err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
rc=0
wine "$@" >"$out" 2>"$err" || rc=$?
cat "$out"
grep -v -E 'wine32 is missing|multiarch needs|dpkg --add-architecture|apt-get install wine32' "$err" >&2 || true
exit $rc
