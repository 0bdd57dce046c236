# Sourced by the scripts that run Windows programs: Wine in a prefix of the project's own, without
# Mono/Gecko prompts, debug noise or Linux menu entries, on a virtual desktop with a taskbar, and a
# display (a private Xvfb when none is set).
vypnuti_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$vypnuti_root/build/wineprefix}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
# No menu entries or icons on the Linux side for the shortcuts that the installer and the tests make:
# Wine would leave them behind in the user's home after the uninstall.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}
# Our users are Czech: Wine takes the user's locale (day and month names, the buttons of the message
# boxes, the decimal comma) from this. tools/install-deps.sh generates it.
export LC_ALL=${VYPNUTI_LOCALE:-cs_CZ.UTF-8}

# A display for Wine: the user's own when there is one, otherwise an Xvfb of ours that stays up for
# later runs. Xvfb picks a free display number itself, so a stale lock left by a killed server never
# gets in the way. VYPNUTI_XVFB names the server, so that separate users can keep separate ones.
vypnuti_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local stavfile=/tmp/.vypnuti-xvfb-${VYPNUTI_XVFB:-77}
  local pid number
  if [ -f "$stavfile" ]; then
    read -r pid number <"$stavfile"
    if kill -0 "$pid" 2>/dev/null && [ -S "/tmp/.X11-unix/X$number" ]; then
      export DISPLAY=:$number
      return 0
    fi
  fi
  local cislo
  cislo=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$cislo" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 100); do [ -s "$cislo" ] && break; sleep 0.1; done
  number=$(tr -dc 0-9 <"$cislo")
  rm -f "$cislo"
  if [ -z "$number" ]; then
    echo "wine-env: Xvfb did not start" >&2
    return 1
  fi
  echo "$pid $number" >"$stavfile"
  export DISPLAY=:$number
}

# The prefix, made once: every program opens on one virtual desktop of 1024x768, which gives the
# notification area and the taskbar that the program and its screenshots need.
vypnuti_prefix() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    [ -f "$WINEPREFIX/.vypnuti-ready" ] && exit 0
    wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.vypnuti-ready"
  ) 9>"$WINEPREFIX.lock"
  # Wine's own fonts (MS Sans Serif, Tahoma) where Windows keeps its fonts: Debian's Wine does not
  # find them in its data folder, and without them every window falls back to a wider font.
  local fonty=$WINEPREFIX/drive_c/windows/Fonts
  if [ -d /usr/share/wine/fonts ] && [ ! -e "$fonty/ms_sans_serif.ttf" ]; then
    mkdir -p "$fonty" && cp -n /usr/share/wine/fonts/* "$fonty"/
  fi
}

# Keeps the Wine server (and with it the desktop) up between runs: a program then starts in a fraction
# of a second instead of three.
vypnuti_wine_ready() {
  vypnuti_display && vypnuti_prefix || return 1
  wineserver -p30 >/dev/null 2>&1 || true
}
