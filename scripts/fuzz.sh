#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer (natively, with AddressSanitizer and
# UBSan) and runs each for a bounded time over its kept corpus. New inputs that reach
# new code are added to the corpus; a crash leaves its reproducer in build/fuzz.
#   scripts/fuzz.sh [seconds-per-target]   (default 20)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
out=build/fuzz
mkdir -p "$out"
common=(common/ini.cpp common/folder_store.cpp common/memory_registry.cpp common/file_io.cpp common/options.cpp
        common/path_rules.cpp common/text_encoding.cpp)
status=0
for target in tests/fuzz/*_fuzz.cpp; do
  name=$(basename "$target" .cpp)
  extra=()
  [ -f "common/backup.cpp" ] && extra+=(common/backup.cpp)
  clang++ -std=c++17 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -Icommon \
    "$target" "${common[@]}" "${extra[@]}" -o "$out/$name"
  corpus=tests/fuzz/corpus/$name
  mkdir -p "$corpus" "$out/$name.new"
  # Regression first: every kept input must still pass.
  if ! "$out/$name" -runs=0 "$corpus" >"$out/$name.log" 2>&1; then
    echo "fuzz: $name fails on its kept corpus"; tail -20 "$out/$name.log"; status=1; continue
  fi
  if "$out/$name" -max_total_time="$seconds" -max_len=4096 -artifact_prefix="$out/$name-" \
       "$out/$name.new" "$corpus" >>"$out/$name.log" 2>&1; then
    "$out/$name" -merge=1 "$corpus" "$out/$name.new" >/dev/null 2>&1 || true
    echo "fuzz: $name ok ($(grep -o 'stat::number_of_executed_units: [0-9]*' "$out/$name.log" | tail -1 || true)$(tail -1 "$out/$name.log" | grep -o 'Done [0-9]* runs' || true))"
  else
    echo "fuzz: $name FAILED"; tail -30 "$out/$name.log"; status=1
  fi
  rm -rf "$out/$name.new"
done
exit $status
