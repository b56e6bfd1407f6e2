#!/usr/bin/env bash
# Sets up the machine, builds all three presets and runs every test: natively
# (under sanitizers) and under wine64. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
for preset in native win64 win32; do
  echo "== build $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

status=0
echo "== test native"
ctest --preset native || status=1
echo "== test win64 (wine64)"
ctest --preset win64 || status=1
echo "== fuzz (bounded, over the kept corpus)"
bash scripts/fuzz.sh 10 || status=1
exit $status
