#!/usr/bin/env bash
# Builds the installer and the portable zip from the win64 and win32 build trees.
#   scripts/package.sh [output-dir]   (default build/package)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/package}
version=$(sed -n 's/^project(Vantor VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
win64=build/win64
win32=build/win32
for f in "$win64/manager/Vantor.exe" "$win64/shellext/VTShellExt.dll" "$win32/shellext/VTShellExt.dll"; do
  [ -f "$f" ] || { echo "package: $f is missing: build the win64 and win32 presets first" >&2; exit 1; }
done
mkdir -p "$out"
out=$(cd "$out" && pwd)

makensis -V2 -DVERSION="$version" -DSOURCE_DIR="$(pwd)" -DWIN64_DIR="$(cd $win64 && pwd)" -DWIN32_DIR="$(cd $win32 && pwd)" \
  -DOUTFILE="$out/Vantor-$version-setup.exe" packaging/vantor.nsi

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir -p "$stage/Vantor/desktop" "$stage/Vantor/x86"
cp "$win64/manager/Vantor.exe" "$win64/shellext/VTShellExt.dll" "$win64/manager/msn.sui" "$stage/Vantor/"
cp "$win64/manager/desktop/vthelp.htm" "$stage/Vantor/desktop/"
cp "$win32/shellext/VTShellExt.dll" "$stage/Vantor/x86/"
cp packaging/portable-readme.txt "$stage/Vantor/readme.txt"
rm -f "$out/Vantor-$version-portable.zip"
(cd "$stage" && zip -qr -X "$out/Vantor-$version-portable.zip" Vantor)
echo "$out/Vantor-$version-setup.exe"
echo "$out/Vantor-$version-portable.zip"
