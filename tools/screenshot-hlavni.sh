#!/usr/bin/env bash
# Captures the main window under Wine, on the virtual desktop with its taskbar, in dry-run mode, into
# build/screenshots/ (or the folder given as the first argument):
#   hlavni-prazdne.png      started with nothing armed
#   hlavni-nove.png         the editor opened by "Nové"
#   hlavni-oddo.png         the editor in the from-to mode
#   hlavni-posunuti.png     a postponement in force: "Posunutí" red
#   hlavni-naplanovano.png  an armed schedule, opened from the tray icon, with its summary
#   hlavni-dny.png          a schedule on chosen days in "Změnit": the row of days
#   hlavni-podminka.png     a schedule that waits for quiet, in "Změnit": the row "Podmínka"
#   hlavni-napoveda.png     the pointer resting on "Vypnutí": its hint in the status bar
#   hlavni-heslo.png        "Ukončit" with a password: the prompt
#   hlavni-144dpi.png       nothing armed, on a screen of 144 dpi
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target vypnuti ovladej >/dev/null
out=${1:-build/screenshots}
mkdir -p "$out"
source tools/wine-env.sh
vypnuti_wine_ready
export ZDKZ_NANECISTO=$PWD/$out/nanecisto.txt

pid=
uklid() { # nothing of a run may stay: no program, no stored schedule, the usual dpi
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true
  pid=
  wine reg delete 'HKCU\Software\ZD\ZDKZ' /v parametr /f >/dev/null 2>&1 || true
  for klic in Run RunOnce; do
    wine reg delete "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\$klic" /v ZDKZ /f >/dev/null 2>&1 || true
  done
}
trap 'uklid; wine reg add "HKCU\Control Panel\Desktop" /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1' EXIT
spust() { uklid; wine build/win64/vypnuti.exe "$@" & pid=$!; }
ovladej() { wine build/win64/ovladej.exe "$@"; }
snimek() { sleep "${2:-0.7}"; import -display "$DISPLAY" -window root -crop 1024x768+0+0 +repage "$out/$1"; echo "$out/$1"; }

spust
ovladej cekej frmkzhlavni
snimek hlavni-prazdne.png
ovladej klik "Nové"
snimek hlavni-nove.png
ovladej klik "Od-Do"
snimek hlavni-oddo.png

spust "/vypnuti;t/120/"
ovladej cekej frmkzupozorneni || true
sleep 1
ovladej ikona
ovladej cekej frmkzhlavni
ovladej klik "Posunutí"
sleep 0.5
ovladej pis "150"
ovladej klik "&Aktivace"
ovladej cekej '#32770'
ovladej ano
snimek hlavni-posunuti.png

spust "/restart;kd;h/tajne/;t/22:30/"
ovladej cekej frmkzupozorneni || true
sleep 1
ovladej ikona
ovladej cekej frmkzhlavni
snimek hlavni-naplanovano.png

spust "/vypnuti;dny/po,st,pa/;t/16:00/"
ovladej cekej frmkzupozorneni || true
sleep 1
ovladej ikona
ovladej cekej frmkzhlavni
ovladej klik "Změnit"
snimek hlavni-dny.png

spust "/spanek;t/23:00/;klid/15/"
ovladej cekej frmkzupozorneni || true
sleep 1
ovladej ikona
ovladej cekej frmkzhlavni
ovladej klik "Změnit"
snimek hlavni-podminka.png

spust "/restart;kd;h/tajne/;t/22:30/"
ovladej cekej frmkzupozorneni || true
sleep 1
ovladej ikona
ovladej cekej frmkzhlavni
ovladej najed "Vypnutí"
snimek hlavni-napoveda.png

ovladej najed "Ukončit"
ovladej klik "Ukončit"
ovladej cekej '#32770'
snimek hlavni-heslo.png

wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null
spust
ovladej cekej frmkzhlavni
snimek hlavni-144dpi.png
