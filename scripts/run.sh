#!/usr/bin/env bash
# Sets up the machine, builds Vantor and runs it under wine64: the shell extension is
# registered in the build's Wine prefix and the manager starts (on $DISPLAY, or on a
# virtual display with a screenshot saved to build/screenshot.png).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64
wine_run=(cmake/wine-run.sh --state build/win64/wine)

if [ -f build/win64/manager/Vantor.exe ]; then
  [ -f build/win64/shellext/VTShellExt.dll ] && "${wine_run[@]}" regsvr32 /s "$(pwd)/build/win64/shellext/VTShellExt.dll"
  exec bash scripts/show-manager.sh
fi
echo "The manager is not built yet; running the INI benchmark instead."
"${wine_run[@]}" build/win64/tests/ini_benchmark.exe 60
