#!/usr/bin/env bash
# Fuzzes the libFuzzer targets (tests/fuzz/*_fuzz.cpp; after SECONDS, the names of some of them) under
# ASan + UBSan, SECONDS each (default 60), with a dictionary where there is one and a corpus kept in
# build/native-asan/corpus/. Prints each target's inputs, speed and findings, writes the same to
# build/fuzz-figures.txt, and fails on the first finding.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
only=" $* "
tools/install-deps.sh
cmake --preset native-asan >/dev/null
cmake --build --preset native-asan >/dev/null
figures=build/fuzz-figures.txt
: >"$figures"
for target in build/native-asan/*_fuzz; do
  [ -x "$target" ] || continue
  name=$(basename "$target" _fuzz)
  [ "$only" = "  " ] || [[ "$only" == *" $name "* ]] || continue
  corpus=build/native-asan/corpus/$name
  log=build/native-asan/$name-fuzz.log
  mkdir -p "$corpus"
  cp -n tests/fuzz/seeds/"$name"/* "$corpus"/ 2>/dev/null || true
  dict=()
  [ -f tests/fuzz/"$name".dict ] && dict=(-dict=tests/fuzz/"$name".dict)
  if ! "$target" -max_total_time="$seconds" "${dict[@]}" -print_final_stats=1 \
       -artifact_prefix=build/native-asan/ "$corpus" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "FAILED: the $name target found a crash (its input: $(grep -o 'build/native-asan/crash-[0-9a-f]*' "$log" | tail -n 1))"
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  echo "$name: $runs inputs in ${seconds} s, $rate per second, no finding" | tee -a "$figures"
done
