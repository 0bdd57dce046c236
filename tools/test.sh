#!/usr/bin/env bash
# Runs every test: checks the layers' includes, installs what is missing, checks the Group Policy
# templates against their schema and the program's names, builds the three presets, runs the native
# tests, the same tests under ASan + UBSan, a bounded fuzzing run, the Win32 tests under Wine, and the
# release's checks (tools/vydani-test.sh). Exits non-zero on any failure and ends with the number of
# tests run.
set -euo pipefail
cd "$(dirname "$0")/.."
# First, and in a second: an include that reaches a layer above its own fails before any build.
echo "== layers"
tools/vrstvy.sh
tools/install-deps.sh
echo "== policy templates"
/usr/bin/python3 tools/zasady_test.py

fuzz_seconds=${VYPNUTI_FUZZ_SECONDS:-20}
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
# The promise checker's own quick run is a native test; its long fuzzing run is by hand (README).
tools/fuzz.sh "$fuzz_seconds" parametr ulozeny kontrola

# Last, for it takes about 9 minutes: two release builds in fresh clones must come out the same.
echo "== release: reproducible, manifests, signing"
tools/vydani-test.sh

echo "All $total tests passed (native, native-asan, win64), fuzzing clean, release reproducible."
