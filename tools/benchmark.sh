#!/usr/bin/env bash
# Prints figures, checks nothing: the speed of the schedule's own work (a Release host build with
# Google Benchmark), and of the program users get (the win64-release build): the size of vypnuti.exe, the
# DLLs it needs and the size of its installer, and the time to start and the memory of it under Wine.
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
wine reg delete 'HKCU\Software\ZD\ZDKZ' /v parametr /f >/dev/null 2>&1 || true
export ZDKZ_NANECISTO=$PWD/build/bench/nanecisto.txt
start=$(date +%s%N)
wine build/win64-release/vypnuti.exe "/vypnuti;t/30/" &
pid=$!  # wine becomes the program: this is its process, not another copy someone else runs
# The program is up once it has stored its schedule.
until wine reg query 'HKCU\Software\ZD\ZDKZ' /v parametr 2>/dev/null | grep -q REG_SZ; do sleep 0.05; done
echo "from start to the schedule stored: $(( ($(date +%s%N) - start) / 1000000 )) ms (Wine already running)"
sleep 2
echo "memory of the running program: $(awk '/VmRSS/ {print $2, $3}' /proc/"$pid"/status) resident," \
  "$(awk '/RssAnon/ {print $2, $3}' /proc/"$pid"/status) of it its own (the rest is Wine's shared code)"
kill "$pid" 2>/dev/null || true
wine reg delete 'HKCU\Software\ZD\ZDKZ' /v parametr /f >/dev/null 2>&1 || true
wine reg delete 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v ZDKZ /f >/dev/null 2>&1 || true
wine reg delete 'HKCU\Software\Microsoft\Windows\CurrentVersion\RunOnce' /v ZDKZ /f >/dev/null 2>&1 || true
