#!/usr/bin/env bash
# Starts vypnuti.exe under Wine with "/vypnuti;t/1/" in dry-run mode and captures the desktop while
# the warning window counts down (taskbar and notification icon included) into a PNG:
# build/screenshots/upozorneni.png, or the file given as the first argument; then the tray icon's menu
# opened over it, into nabidka-ikony.png beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target vypnuti ovladej >/dev/null
out=${1:-build/screenshots/upozorneni.png}
mkdir -p "$(dirname "$out")"
source tools/wine-env.sh
vypnuti_wine_ready

# A schedule stored by an earlier run would win over the command line.
wine reg delete 'HKCU\Software\ZD\ZDKZ' /v parametr /f >/dev/null 2>&1 || true
export ZDKZ_NANECISTO=$PWD/build/screenshots/nanecisto.txt
wine build/win64/vypnuti.exe "/vypnuti;t/1/" &
pid=$!
trap 'kill $pid 2>/dev/null || true; wine reg delete "HKCU\Software\ZD\ZDKZ" /v parametr /f >/dev/null 2>&1 || true' EXIT

# The warning comes with the first tick; its yellow label tells that it is on the screen.
for _ in $(seq 50); do
  sleep 0.2
  import -display "$DISPLAY" -window root -crop 1024x768+0+0 +repage "$out"
  yellow=$(convert "$out" -fill black +opaque yellow -format '%[fx:mean]' info:)
  [ "$yellow" != 0 ] && break
done
[ "$yellow" != 0 ] || { echo "screenshot-upozorneni: the warning window did not come up" >&2; exit 1; }
sleep 0.5
import -display "$DISPLAY" -window root -crop 1024x768+0+0 +repage "$out"
echo "$out"

nabidka=$(dirname "$out")/nabidka-ikony.png
wine build/win64/ovladej.exe nabidka
wine build/win64/ovladej.exe cekej '#32768'
sleep 0.5
import -display "$DISPLAY" -window root -crop 1024x768+0+0 +repage "$nabidka"
echo "$nabidka"
exit 0
