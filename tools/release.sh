#!/usr/bin/env bash
# Builds the program for users (the win64-release preset: optimised for size, stripped, no tests) and
# writes build/release/: vypnuti.exe, its installer and a portable ZIP, named with the version that
# CMakeLists.txt gives. Refuses a program that needs a DLL the system does not bring.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset win64-release >/dev/null
cmake --build --preset win64-release
build=build/win64-release
verze=$(sed -n 's/^#define VYPNUTI_VERZE_TEXT "\(.*\)"$/\1/p' "$build/verze/verze.h")

# A single file for the user: the C++ runtime is linked in, so only the system's own DLLs may remain.
dlls=$(x86_64-w64-mingw32-objdump -p "$build/vypnuti.exe" | sed -n 's/.*DLL Name: //p' | tr 'A-Z' 'a-z' | sort)
cizi=$(grep -Ev '^(kernel32|user32|gdi32|advapi32|shell32|comctl32|ole32|oleaut32|oleacc|powrprof|version|msvcrt)\.dll$' <<<"$dlls" || true)
if [ -n "$cizi" ]; then
  echo "release: vypnuti.exe needs DLLs that Windows does not have: $cizi" >&2
  exit 1
fi

out=build/release
rm -rf "$out"
mkdir -p "$out"
cp "$build/vypnuti.exe" "$out/vypnuti.exe"
cp "$build/vypnuti-instalace.exe" "$out/vypnuti-$verze-instalace.exe"
# The portable copy: the exe alone, which keeps nothing beside itself.
(cd "$out" && cmake -E tar cf "vypnuti-$verze-prenosna.zip" --format=zip vypnuti.exe)
echo "== $out (version $verze)"
ls -l "$out" | tail -n +2
