#!/usr/bin/env bash
# Builds the program for users (the win64-release preset: optimised for size, stripped, no tests) and
# writes build/release/, the files to upload: the installer, a portable ZIP, named with the version
# that CMakeLists.txt gives, the Group Policy templates in policy/, SHA256SUMS of them all, and
# sestaveni.txt (the commit, its time and the versions of the build tools, for a rebuild). Refuses a
# program that needs a DLL the system does not bring, and a working tree with changes no commit holds.
#   tools/release.sh [--url https://…/v1.2.0.0/ [--domov URL] [--licence TEXT]]
# With --url, the address the files will be downloaded from, it also writes the winget and Scoop
# manifests (build/release/manifesty/). With VYPNUTI_PODPIS_PFX and VYPNUTI_PODPIS_HESLO it signs the
# exe, the uninstaller and the installer (tools/podepis.sh) and keeps the unsigned files, with their
# own SHA256SUMS, in nepodepsane/.
# One commit gives the same unsigned files byte for byte wherever it is built (tools/vydani-test.sh).
# VYPNUTI_NECISTY=1 releases a working tree with uncommitted changes anyway (not for publishing).
set -euo pipefail
cd "$(dirname "$0")/.."
# makensis cannot read a path with diacritics under the C locale.
export LC_ALL=C.UTF-8
url="" domov="" licence=""
while [ $# -gt 0 ]; do
  case $1 in
    --url) url=$2; shift 2 ;;
    --domov) domov=$2; shift 2 ;;
    --licence) licence=$2; shift 2 ;;
    *) echo "usage: tools/release.sh [--url https://…/v1.2.0.0/ [--domov URL] [--licence TEXT]]" >&2; exit 2 ;;
  esac
done
chyba() { echo "release: $*" >&2; exit 1; }
# The release is a commit's: its time goes into the exe and the ZIP, and nothing else may go in.
if [ "$(git rev-parse --show-toplevel 2>/dev/null)" = "$(pwd -P)" ]; then
  commit=$(git rev-parse HEAD)
  export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
  zmeny=$(git status --porcelain)
  if [ -n "$zmeny" ] && [ "${VYPNUTI_NECISTY:-}" != 1 ]; then
    chyba "the working tree differs from commit $commit, so no one could build this release again:
$zmeny
Commit or remove the changes (VYPNUTI_NECISTY=1 builds it anyway, not for publishing)."
  fi
elif [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
  commit=unknown
else
  chyba "no git repository here to take the commit's time from (is git missing, or does it refuse this" \
    "folder's owner?); set SOURCE_DATE_EPOCH to the commit's time (git log -1 --format=%ct)"
fi
# makensis runs the signing in the build folder: a relative path would miss the certificate there.
if [ -n "${VYPNUTI_PODPIS_PFX:-}" ]; then
  VYPNUTI_PODPIS_PFX=$(realpath -m -- "$VYPNUTI_PODPIS_PFX")
  [ -r "$VYPNUTI_PODPIS_PFX" ] || chyba "cannot read the certificate $VYPNUTI_PODPIS_PFX (VYPNUTI_PODPIS_PFX)"
  export VYPNUTI_PODPIS_PFX
fi
tools/install-deps.sh
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
rm -rf "$out"
mkdir -p "$out"
# $1: the folder, $2: the program, $3: its installer. The portable copy is the exe alone in a ZIP: it
# keeps nothing beside itself.
vydej() {
  cp "$3" "$1/$instalace"
  "$python" tools/vydani.py zip "$1/$prenosna" "$2"
  # The Group Policy templates, laid out as PolicyDefinitions holds them (policy/cs-CZ/vypnuti.adml ...).
  cp -r src/instalator/zasady "$1/policy"
  (cd "$1" && sha256sum "$instalace" "$prenosna" policy/vypnuti.admx policy/*/vypnuti.adml >SHA256SUMS)
}
vydej "$out" "$build/vypnuti.exe" "$build/vypnuti-instalace.exe"
if [ -n "${VYPNUTI_PODPIS_PFX:-}" ]; then
  mkdir "$out/nepodepsane"
  mv "$out/$instalace" "$out/$prenosna" "$out/policy" "$out/SHA256SUMS" "$out/nepodepsane/"
  cmake --build --preset win64-release --target podepsane
  vydej "$out" "$build/podepsane/vypnuti.exe" "$build/podepsane/vypnuti-instalace.exe"
  echo "== signed with $VYPNUTI_PODPIS_PFX${VYPNUTI_PODPIS_TS:+, time stamp from $VYPNUTI_PODPIS_TS}"
else
  echo "== not signed: VYPNUTI_PODPIS_PFX and VYPNUTI_PODPIS_HESLO name no certificate (Windows will warn of an unknown publisher)"
fi
# What a rebuild needs to come out the same: the commit, its time, and these tools at these versions.
{
  echo "commit $commit"
  echo "SOURCE_DATE_EPOCH $SOURCE_DATE_EPOCH"
  dpkg-query -W -f '${Package} ${Version}\n' g++-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-win32 \
    binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev nsis cmake ninja-build python3 2>/dev/null | sort || true
} >"$out/sestaveni.txt"

if [ -n "$url" ]; then
  "$python" tools/vydani.py manifesty --url "$url" ${domov:+--domov "$domov"} ${licence:+--licence "$licence"} \
    "$verze" "$out"
else
  echo "== no manifests: winget and Scoop need the address the files will be downloaded from (--url)"
fi
echo "== $out (version $verze, SOURCE_DATE_EPOCH $SOURCE_DATE_EPOCH)"
cat "$out/SHA256SUMS"
