#!/usr/bin/env bash
# Builds the program for users (the win64-release preset: optimised for size, stripped, no tests) and
# writes build/release/: vypnuti.exe, its installer and a portable ZIP, named with the version that
# CMakeLists.txt gives, and SHA256SUMS. Refuses a program that needs a DLL the system does not bring.
#   tools/release.sh [--url https://…/v1.2.0/ [--domov URL] [--licence TEXT]]
# With --url, the address the files will be downloaded from, it also writes the winget and Scoop
# manifests (build/release/manifesty/). With VYPNUTI_PODPIS_PFX and VYPNUTI_PODPIS_HESLO it signs the
# exe, the uninstaller and the installer (tools/podepis.sh) and keeps the unsigned files in nepodepsane/.
# One commit gives the same unsigned files byte for byte wherever it is built (tools/vydani-test.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
url="" domov="" licence=""
while [ $# -gt 0 ]; do
  case $1 in
    --url) url=$2; shift 2 ;;
    --domov) domov=$2; shift 2 ;;
    --licence) licence=$2; shift 2 ;;
    *) echo "usage: tools/release.sh [--url BASE [--domov URL] [--licence TEXT]]" >&2; exit 2 ;;
  esac
done
tools/install-deps.sh
# The link time stamp in the exe's header (ld reads it) and the file time in the ZIP are the commit's.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 315532800)}
cmake --preset win64-release >/dev/null
cmake --build --preset win64-release
build=build/win64-release
# Debian's, with the YAML package that tools/install-deps.sh installs.
python=/usr/bin/python3
verze=$(sed -n 's/^#define VYPNUTI_VERZE_TEXT "\(.*\)"$/\1/p' "$build/verze/verze.h")

# A single file for the user: the C++ runtime is linked in, so only the system's own DLLs may remain.
dlls=$(x86_64-w64-mingw32-objdump -p "$build/vypnuti.exe" | sed -n 's/.*DLL Name: //p' | tr 'A-Z' 'a-z' | sort)
cizi=$(grep -Ev '^(kernel32|user32|gdi32|advapi32|shell32|comctl32|ole32|oleaut32|oleacc|powrprof|version|msvcrt)\.dll$' <<<"$dlls" || true)
if [ -n "$cizi" ]; then
  echo "release: vypnuti.exe needs DLLs that Windows does not have: $cizi" >&2
  exit 1
fi

out=build/release
instalace=vypnuti-$verze-x64-instalace.exe
prenosna=vypnuti-$verze-x64-prenosna.zip
soubory=(vypnuti.exe "$instalace" "$prenosna")
rm -rf "$out"
mkdir -p "$out"
# $1: the folder, $2: the program, $3: its installer.
vydej() {
  cp "$2" "$1/vypnuti.exe"
  cp "$3" "$1/$instalace"
  # The portable copy: the exe alone, which keeps nothing beside itself.
  "$python" tools/vydani.py zip "$1/$prenosna" "$1/vypnuti.exe"
}
vydej "$out" "$build/vypnuti.exe" "$build/vypnuti-instalace.exe"
if [ -n "${VYPNUTI_PODPIS_PFX:-}" ]; then
  mkdir "$out/nepodepsane"
  for f in "${soubory[@]}"; do mv "$out/$f" "$out/nepodepsane/"; done
  cmake --build --preset win64-release --target podepsane
  vydej "$out" "$build/podepsane/vypnuti.exe" "$build/podepsane/vypnuti-instalace.exe"
  echo "== signed with $VYPNUTI_PODPIS_PFX${VYPNUTI_PODPIS_TS:+, time stamp from $VYPNUTI_PODPIS_TS}"
  soubory+=("${soubory[@]/#/nepodepsane/}")
else
  echo "== not signed: VYPNUTI_PODPIS_PFX and VYPNUTI_PODPIS_HESLO name no certificate (Windows will warn of an unknown publisher)"
fi
(cd "$out" && sha256sum "${soubory[@]}" >SHA256SUMS)

if [ -n "$url" ]; then
  "$python" tools/vydani.py manifesty --url "$url" ${domov:+--domov "$domov"} ${licence:+--licence "$licence"} \
    "$verze" "$out"
else
  echo "== no manifests: winget and Scoop need the address the files will be downloaded from (--url)"
fi
echo "== $out (version $verze, SOURCE_DATE_EPOCH $SOURCE_DATE_EPOCH)"
cat "$out/SHA256SUMS"
