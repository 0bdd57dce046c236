# Sourced by the scripts that run Windows programs: Wine in a prefix of the project's own, without
# Mono/Gecko prompts or debug noise, on a virtual desktop with a taskbar, and a display (a private
# Xvfb when none is set).
vypnuti_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$vypnuti_root/build/wineprefix}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

# A display for Wine: the user's own when there is one, otherwise an Xvfb that stays up for later runs.
vypnuti_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local number=${VYPNUTI_XVFB:-77}
  local pidfile=/tmp/.vypnuti-xvfb-$number.pid
  export DISPLAY=:$number
  if [ -f "$pidfile" ] && kill -0 "$(cat "$pidfile")" 2>/dev/null; then return 0; fi
  Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  echo $! >"$pidfile"
  for _ in $(seq 50); do [ -S "/tmp/.X11-unix/X$number" ] && return 0; sleep 0.1; done
  echo "wine-env: Xvfb :$number did not start" >&2
  return 1
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
}

# Keeps the Wine server (and with it the desktop) up between runs: a program then starts in a fraction
# of a second instead of three.
vypnuti_wine_ready() {
  vypnuti_display && vypnuti_prefix || return 1
  wineserver -p30 >/dev/null 2>&1 || true
}
