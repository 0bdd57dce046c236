#!/usr/bin/env bash
# Runs every test: installs what is missing, builds the three presets, runs the native tests, the same
# tests under ASan + UBSan, a bounded fuzzing run, and the Win32 tests under Wine. Exits non-zero on
# any failure and ends with the number of tests run.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh

fuzz_seconds=${VYPNUTI_FUZZ_SECONDS:-30}
total=0
count_tests() { # the number of tests CTest ran, from its summary line
  sed -n 's/.*tests passed, [0-9]* tests failed out of \([0-9]*\).*/\1/p' "$1" | tail -n 1
}

for preset in native native-asan win64; do
  echo "== $preset: build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

source tools/wine-env.sh
vypnuti_wine_ready

for preset in native native-asan win64; do
  echo "== $preset: tests"
  log=build/$preset/ctest.log
  ctest --preset "$preset" -j2 2>&1 | tee "$log" | grep -E 'tests passed|Failed|\*\*\*' || true
  grep -q '100% tests passed' "$log" || { echo "FAILED: $preset tests"; exit 1; }
  total=$((total + $(count_tests "$log")))
done

echo "== fuzzing ${fuzz_seconds}s per target under ASan + UBSan"
for target in build/native-asan/*_fuzz; do
  [ -x "$target" ] || continue
  corpus=build/native-asan/corpus/$(basename "$target")
  mkdir -p "$corpus"
  cp -n tests/fuzz/seeds/* "$corpus"/ 2>/dev/null || true
  if ! "$target" -max_total_time="$fuzz_seconds" -print_final_stats=0 "$corpus" >build/native-asan/$(basename "$target").log 2>&1; then
    tail -n 40 build/native-asan/$(basename "$target").log
    echo "FAILED: $(basename "$target") found a crash"; exit 1
  fi
  echo "$(basename "$target"): $(grep -o 'Done [0-9]* runs' build/native-asan/$(basename "$target").log | tail -n 1), no crash"
done

echo "All $total tests passed (native, native-asan, win64), fuzzing clean."
