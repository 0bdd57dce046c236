#!/usr/bin/env bash
# Captures what a user sees of the installer under Wine, each cropped to its window, into
# build/screenshots/ (or the folder given as the first argument):
#   instalace-vitejte.png   the installer's first page
#   instalace-slozka.png    the folder it installs into
#   instalace-hotovo.png    its last page
#   prvni-plan.png          the installed program's main window with a first schedule (shut down every day at 22:30)
#   odinstalace.png         the uninstaller's first page
# With --docs it also writes the README's three pictures, small, into docs/. Any installed copy is
# uninstalled first; the program runs in dry-run mode.
set -euo pipefail
cd "$(dirname "$0")/.."
docs=0
[ "${1:-}" = --docs ] && { docs=1; shift; }
tools/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target instalator ovladej >/dev/null
out=${1:-build/screenshots}
mkdir -p "$out"
source tools/wine-env.sh
vypnuti_wine_ready
export ZDKZ_NANECISTO=$PWD/$out/nanecisto.txt

ovladej() { wine build/win64/ovladej.exe "$@"; }
# The window of that class alone: its place comes from the program itself.
snimek() {
  sleep "${3:-0.7}"
  local kde
  kde=$(ovladej obdelnik "$2" | tr -d '\r')
  import -display "$DISPLAY" -window root -crop "$kde" +repage "$out/$1"
  echo "$out/$1"
}
slozka="$(winepath -u "$(wine cmd /c 'echo %LOCALAPPDATA%' 2>/dev/null | tr -d '\r')")/Programs/Vypnutí počítače"
# Waits for the silent uninstaller: it hands its work to a copy of itself and returns at once.
odinstaluj() {
  [ -f "$slozka/odinstalovat.exe" ] || return 0
  wine "$slozka/odinstalovat.exe" /S >/dev/null 2>&1
  for _ in $(seq 100); do [ -d "$slozka" ] || return 0; sleep 0.2; done
}
# What the script starts runs in the background, its output away from the script's own (a pipe held
# open by it would keep a caller waiting), and goes at the end.
pidy=()
spust() { wine "$@" >/dev/null 2>&1 & pidy+=($!); }
zastav() {
  for pid in "${pidy[@]}"; do kill "$pid" 2>/dev/null || true; done
  pidy=()
}
uklid() { zastav; odinstaluj; }
trap uklid EXIT
uklid

spust build/win64/vypnuti-instalace.exe
ovladej ceka "Další >"
snimek instalace-vitejte.png '#32770'
ovladej stiskni "Další >"
ovladej ceka "Instalovat"
snimek instalace-slozka.png '#32770'
ovladej stiskni "Instalovat"
ovladej ceka "Dokončit"
snimek instalace-hotovo.png '#32770'
# Started by the script rather than from the last page, with a schedule and a process of its own.
ovladej stiskni "Spustit program Vypnutí počítače"
ovladej stiskni "Dokončit"

spust "$slozka/vypnuti.exe" "/vypnuti;kd;t/22:30/"
ovladej cekej frmkzupozorneni || true
sleep 1
ovladej ikona
ovladej cekej frmkzhlavni
snimek prvni-plan.png frmkzhlavni
zastav

spust "$slozka/odinstalovat.exe"
ovladej ceka "Odinstalovat"
snimek odinstalace.png '#32770'
ovladej stiskni "Storno"
sleep 1

if [ "$docs" = 1 ]; then
  # Windows of few colours, without metadata: each picture is a few KB in the repository.
  for obrazek in instalace-vitejte:instalace prvni-plan:prvni-plan odinstalace:odinstalace; do
    convert "$out/${obrazek%%:*}.png" -strip "docs/${obrazek##*:}.png"
    echo "docs/${obrazek##*:}.png: $(stat -c %s "docs/${obrazek##*:}.png") bytes"
  done
fi
