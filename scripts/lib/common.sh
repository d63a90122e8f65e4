# Shared by the scripts: where things are.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build="${TARNWICK_BUILD:-$root/build}"
wine64=/usr/lib/wine/wine64
jobs=$(nproc 2>/dev/null || echo 2)

say() { printf '== %s\n' "$*" >&2; }
die() { printf 'error: %s\n' "$*" >&2; exit 1; }

# A private Wine prefix, made once and reused.
wine_env() {
  WINEPREFIX=$(realpath -m "${TARNWICK_WINEPREFIX:-$build/wineprefix}")
  export WINEPREFIX
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    say "making the Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    "$wine64" wineboot --init >/dev/null 2>&1 || true
    /usr/lib/wine/wineserver -w 2>/dev/null || true
  fi
}

# Starts Xvfb on a free display unless one is given; sets DISPLAY. The server ends with the script.
start_xvfb() {
  if [ -n "${TARNWICK_DISPLAY:-}" ]; then export DISPLAY="$TARNWICK_DISPLAY"; return; fi
  local n
  for n in $(seq 90 120); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    trap 'kill $xvfb_pid 2>/dev/null || true' EXIT
    export DISPLAY=":$n"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return; sleep 0.1; done
    die "Xvfb did not start on :$n"
  done
  die "no free X display"
}
