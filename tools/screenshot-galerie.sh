#!/usr/bin/env bash
# Builds the gallery of the controls' looks (tools/galerie), runs it under Wine and captures its
# window into a PNG: build/screenshots/galerie.png, or the file given as the first argument.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target galerie >/dev/null
out=${1:-build/screenshots/galerie.png}
mkdir -p "$(dirname "$out")" build/screenshots
source tools/wine-env.sh
vypnuti_wine_ready

# The gallery writes its window's rectangle (WxH+X+Y) once it is painted; it would close itself
# after a minute if nobody ended it.
rect=build/screenshots/galerie.rect
rm -f "$rect"
wine build/win64/galerie.exe "$rect" 60 &
pid=$!
for _ in $(seq 150); do [ -s "$rect" ] && break; sleep 0.2; done
[ -s "$rect" ] || { echo "screenshot-galerie: the gallery did not come up" >&2; kill "$pid" 2>/dev/null; exit 1; }
sleep 1
import -display "$DISPLAY" -window root -crop "$(cat "$rect")" +repage "$out"
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
echo "$out"
