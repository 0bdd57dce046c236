#!/usr/bin/env bash
# Prints figures, checks nothing: the speed of the schedule's own work (a Release host build with
# Google Benchmark), and of the program users get (the win64-release build): the size of vypnuti.exe, the
# DLLs it needs and the size of its installer, and its start CPU, waiting CPU and memory under Wine
# against a bare tray program (bench/holy_program.cpp) in the same run. Ratios, not times: machines
# are noisy. It uses the project's Wine prefix, so it must not run beside the Win32 tests.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
dpkg-query -W -f='${Status}' libbenchmark-dev 2>/dev/null | grep -q 'install ok installed' ||
  { sudo_cmd=(); [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo); "${sudo_cmd[@]}" apt-get install -y -qq libbenchmark-dev >/dev/null; }

cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=g++ >/dev/null
cmake --build build/bench --target vypnuti_bench >/dev/null
echo "== the schedule's work, host build (Release)"
build/bench/vypnuti_bench --benchmark_min_time=0.2 2>/dev/null | sed -n '/^Benchmark/,$p'

dlls() { x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/.*DLL Name: //p' | tr '\n' ' '; }
cmake --preset win64-release >/dev/null
cmake --build --preset win64-release >/dev/null
echo "== what users get (win64-release)"
echo "vypnuti.exe: $(stat -c %s build/win64-release/vypnuti.exe) bytes; DLLs it needs: $(dlls build/win64-release/vypnuti.exe)"
echo "installer: $(stat -c %s build/win64-release/vypnuti-instalace.exe) bytes"

source tools/wine-env.sh
vypnuti_wine_ready
echo "== watching a condition (win64-release under Wine; the wall time includes the work of wineserver)"
wine build/win64-release/hlidani_bench.exe | tr -d '\r'
uklid() {
  wine reg delete 'HKCU\Software\ZD\ZDKZ' /v parametr /f >/dev/null 2>&1 || true
  wine reg delete 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v ZDKZ /f >/dev/null 2>&1 || true
  wine reg delete 'HKCU\Software\Microsoft\Windows\CurrentVersion\RunOnce' /v ZDKZ /f >/dev/null 2>&1 || true
}
export ZDKZ_NANECISTO=$PWD/build/bench/nanecisto.txt
hz=$(getconf CLK_TCK)
cpu_ms() { awk -v hz="$hz" '{ print int(($14 + $15) * 1000 / hz) }' "/proc/$1/stat"; }
# One start: CPU from the start to 3 s after it, CPU over the next 40 s, resident and private memory then.
# wine becomes the program, so its process is the program's own.
mereni() {
  uklid
  wine "$@" &
  local pid=$!
  sleep 3
  local start_cpu
  start_cpu=$(cpu_ms "$pid")
  sleep 40
  echo "$start_cpu $(($(cpu_ms "$pid") - start_cpu)) $(awk '/VmRSS/ {print $2}' /proc/"$pid"/status)" \
    "$(awk '/Private_Dirty/ {print $2}' /proc/"$pid"/smaps_rollup)"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  uklid
}
median() { sort -n | sed -n 2p; }
holy=build/win64-release/holy_program.exe
program=build/win64-release/vypnuti.exe
: >build/bench/holy.txt
: >build/bench/vypnuti.txt
for _ in 1 2 3; do  # alternating, so that a slow moment of the machine hits both
  mereni "$holy" >>build/bench/holy.txt
  mereni "$program" "/vypnuti;t/30/" >>build/bench/vypnuti.txt
done
sloupec() { awk -v c="$2" '{ print $c }' "build/bench/$1.txt" | median; }
# The kernel counts CPU in ticks of 10 ms: a waiting program's 40 s may be 0 of them.
pomer() { LC_ALL=C awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2fx", a / b; else print "-" }'; }
echo "== against a bare tray program with a one-second timer (medians of 3 alternating starts under Wine)"
radek() { printf '%-28s %12s %12s %8s %s\n' "$1" "$2" "$3" "$4" "$5"; }
radek "" "vypnuti.exe" "bare" "ratio" "goal"
radek "exe size (bytes)" "$(stat -c %s "$program")" "$(stat -c %s "$holy")" "" "<= 320000"
# name:column of mereni's line; the CPU as a ratio, the memory as a difference
for radek_cpu in "start CPU (ms, first 3 s):1" "CPU over 40 s (ms):2"; do
  IFS=: read -r nazev c <<<"$radek_cpu"
  a=$(sloupec vypnuti "$c") b=$(sloupec holy "$c")
  radek "$nazev" "$a" "$b" "$(pomer "$a" "$b")" "<= 1.10x"
done
for radek_pameti in "resident memory (kB):3:2048" "private memory (kB):4:1024"; do
  IFS=: read -r nazev c cil <<<"$radek_pameti"
  a=$(sloupec vypnuti "$c") b=$(sloupec holy "$c")
  radek "$nazev" "$a" "$b" "+$((a - b))" "<= bare + $cil"
done
