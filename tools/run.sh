#!/usr/bin/env bash
# Builds vypnuti.exe when needed and starts it under Wine with the given parameter string, on a Wine
# virtual desktop. Without a display it runs on a private Xvfb (tools/screenshot.sh captures it).
# Power actions are only recorded (ZDKZ_NANECISTO) unless VYPNUTI_NAOSTRO=1 is set.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target vypnuti >/dev/null
source tools/wine-env.sh
had_display=${DISPLAY:-}
vypnuti_wine_ready
[ -n "$had_display" ] || echo "No display of yours: running on Xvfb $DISPLAY (import -display $DISPLAY -window root shot.png)."
if [ "${VYPNUTI_NAOSTRO:-0}" != 1 ]; then
  export ZDKZ_NANECISTO=${ZDKZ_NANECISTO:-$PWD/build/nanecisto.txt}
  echo "Dry run: power actions are written to $ZDKZ_NANECISTO"
fi
exec wine explorer /desktop=Default,1024x768 build/win64/vypnuti.exe "$@"
