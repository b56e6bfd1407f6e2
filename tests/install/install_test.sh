#!/usr/bin/env bash
# The installer under wine64, in a Wine prefix of its own:
#  - for all users: silent install to a folder; the class and handler keys point at the
#    installed 64-bit DLL; the shell host creates the handler from there; the manager
#    starts from the installed folder and records its path; silent uninstall removes the
#    registration and the files and keeps the favourites;
#  - for the current user: the same install writes the class only under
#    HKEY_CURRENT_USER\Software\Classes, and the uninstall removes it again.
#   install_test.sh <source dir> <win64 build dir> <win32 build dir>
set -uo pipefail
src=$1 win64=$2 win32=$3
state="$win64/wine-install-test"
rm -rf "$state"
W=("$src/cmake/wine-run.sh" --state "$state")
clsid='{3FF0AAD4-EF61-4409-B47C-62CD81A6D902}'
drive_c="$state/prefix/drive_c"
failures=0 checks=0

check() {  # check "what" command...
  local what=$1; shift
  checks=$((checks + 1))
  if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}
reg_value() {  # reg_value KEY VALUE -> the data, or nothing
  "${W[@]}" reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
reg_default() {
  "${W[@]}" reg query "$1" /ve 2>/dev/null | tr -d '\r' | sed -n 's/^ *(Default) *REG_[A-Z_]* *//p'
}
key_exists() { "${W[@]}" reg query "$1" >/dev/null 2>&1; }
wait_for() {  # wait_for seconds command...
  local deadline=$((SECONDS + $1)); shift
  until "$@"; do [ $SECONDS -lt $deadline ] || return 1; sleep 0.5; done
}

package=$("$src/scripts/package.sh" "$win64/package-test" 2>&1) || { echo "$package"; echo "0 passed, 1 failed"; exit 1; }
setup="$win64/package-test/$(cd "$win64/package-test" && ls Vantor-*-setup.exe)"

# --- for all users
"${W[@]}" "$setup" /S /AllUsers '/D=C:\VantorTest\All'
dir="$drive_c/VantorTest/All"
for f in Vantor.exe VTShellExt.dll x86/VTShellExt.dll msn.sui desktop/vthelp.htm options.ini Uninstall.exe; do
  check "installed $f" test -f "$dir/$f"
done
check "class points at the installed 64-bit DLL" \
  test "$(reg_default "HKCR\\CLSID\\$clsid\\InprocServer32")" = 'C:\VantorTest\All\VTShellExt.dll'
check "folder background handler registered" \
  bash -c "'${W[0]}' --state '$state' reg query 'HKCR\\Directory\\Background\\shellex\\ContextMenuHandlers' /s | grep -q '$clsid'"
check "options.ini holds the defaults" grep -q 'ShowTips=1' "$dir/options.ini"

host_output=$("${W[@]}" "$win64/tools/vtshellhost.exe" 2>&1)
check "shell host creates the handler from the installed DLL" grep -q '^item .*Vantor' <<<"$host_output"

"${W[@]}" cmd /c start "" 'C:\VantorTest\All\Vantor.exe'
check "manager started from the installed folder records its path" \
  wait_for 30 bash -c "[ \"\$('${W[0]}' --state '$state' reg query 'HKCU\\Software\\Vantor' /v Setting 2>/dev/null | tr -d '\r' | sed -n 's/^ *Setting *REG_SZ *//p')\" = 'C:\\VantorTest\\All\\Vantor.exe' ]"
saves_options() {  # the tip of the day's choice changed and closed: the manager writes options.ini
  "${W[@]}" "$win64/tests/answer_tips.exe" && wait_for 15 grep -q 'ShowTips=0' "$1/options.ini"
}
check "manager installed for all users saves its options" saves_options "$dir"
"${W[@]}" taskkill /f /im Vantor.exe >/dev/null 2>&1

"${W[@]}" 'C:\VantorTest\All\Uninstall.exe' /S
check "uninstall removes the program files" wait_for 30 bash -c "[ ! -e '$dir/Vantor.exe' ] && [ ! -e '$dir/x86/VTShellExt.dll' ]"
check "uninstall removes the class" bash -c "! '${W[0]}' --state '$state' reg query 'HKCR\\CLSID\\$clsid' >/dev/null 2>&1"
check "favourites are kept" test -n "$(reg_value 'HKCU\Software\Vantor' N0)"

# --- for the current user
"${W[@]}" "$setup" /S /CurrentUser '/D=C:\VantorTest\Me'
check "per-user class under HKCU\\Software\\Classes" \
  test "$(reg_default "HKCU\\Software\\Classes\\CLSID\\$clsid\\InprocServer32")" = 'C:\VantorTest\Me\VTShellExt.dll'
check "per-user install writes nothing under HKLM\\Software\\Classes" \
  bash -c "! '${W[0]}' --state '$state' reg query 'HKLM\\Software\\Classes\\CLSID\\$clsid' >/dev/null 2>&1"
"${W[@]}" cmd /c start "" 'C:\VantorTest\Me\Vantor.exe'
check "manager installed for the current user saves its options" saves_options "$drive_c/VantorTest/Me"
"${W[@]}" taskkill /f /im Vantor.exe >/dev/null 2>&1
"${W[@]}" 'C:\VantorTest\Me\Uninstall.exe' /S
check "per-user uninstall removes the class" \
  wait_for 30 bash -c "! '${W[0]}' --state '$state' reg query 'HKCU\\Software\\Classes\\CLSID\\$clsid' >/dev/null 2>&1"

WINEPREFIX="$state/prefix" wineserver -k >/dev/null 2>&1 || true
echo "$((checks - failures)) passed, $failures failed"
[ $failures -eq 0 ]
