#!/usr/bin/env bash
# Starts the built manager in the win64 build's Wine prefix, with the x86_64 shell
# extension registered when it is built. With $DISPLAY set it runs there until you
# close it; otherwise it runs on a virtual display, and a screenshot of its window
# is saved to build/screenshot.png.
#   scripts/show-manager.sh [build-tree]      (default: build/win64)
set -euo pipefail
cd "$(dirname "$0")/.."
tree=${1:-build/win64}
exe="$tree/manager/Vantor.exe"
[ -f "$exe" ] || { echo "No $exe: build the win64 preset first (cmake --build --preset win64)." >&2; exit 1; }
wine_run=(cmake/wine-run.sh --state "$tree/wine")
dll="$tree/shellext/VTShellExt.dll"
if [ -f "$dll" ]; then
  "${wine_run[@]}" regsvr32 /s "$(pwd)/$dll" || echo "Could not register $dll" >&2
fi
exe_path="$(pwd)/$exe"

if [ -n "${DISPLAY:-}" ]; then
  exec "${wine_run[@]}" "$exe_path"
fi

"${wine_run[@]}" "$exe_path" &
runner=$!
for _ in $(seq 100); do [ -s "$tree/wine/display" ] && break; sleep 0.2; done
display=$(cat "$tree/wine/display")
window=""
for _ in $(seq 100); do
  window=$(DISPLAY=$display xdotool search --name "^ Vantor 1.1$" 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  sleep 0.2
done
if [ -z "$window" ]; then
  echo "The manager's window did not appear." >&2
  kill "$runner" 2>/dev/null || true
  exit 1
fi
sleep 4  # let it and the tip of the day paint
mkdir -p build
# The screen, cut to the window: the tip of the day stands over it.
geometry=$(DISPLAY=$display xdotool getwindowgeometry --shell "$window")
eval "$geometry"
DISPLAY=$display import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage build/screenshot.png
echo "Screenshot saved to build/screenshot.png"
# Close the manager as a user would: its title bar's close button.
DISPLAY=$display xdotool mousemove --window "$window" 522 15 click 1 2>/dev/null || true
for _ in $(seq 50); do kill -0 "$runner" 2>/dev/null || break; sleep 0.2; done
if kill -0 "$runner" 2>/dev/null; then
  WINEPREFIX="$(pwd)/$tree/wine/prefix" DISPLAY=$display wine taskkill /im Vantor.exe >/dev/null 2>&1 || true
fi
wait "$runner" || true
