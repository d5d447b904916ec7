# Sourced: which Windows build this host can run, Wine for that build with a
# private prefix, and an X server.
#
# The 32-bit build is the product and runs wherever the host runs 32-bit code.
# Some hosts run 64-bit user code only (32-bit programs fail with "Exec format
# error"): there the 64-bit twin carries the Windows runs. KALEIDRA_FORCE_WIN64=1
# takes the second path on any host.
#
# Debian's wine and wineserver wrappers pick the 32-bit programs whenever they
# are installed, even where they cannot run, so the 64-bit loader and server are
# called directly. Call Wine as "$WINE" and its server as "$WINESERVER_BIN".
export WINEDEBUG=-all
# Wine takes the ANSI code page from the locale: C.UTF-8 gives Windows-1252,
# the code page of the POSIX profile stand-in, so both read files alike.
export LC_ALL=C.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="
# Each build's prefix lives here (the unprivileged run passes its own).
KALEIDRA_WINE_HOME="${KALEIDRA_WINE_HOME:-$PWD/build}"

# Sets KALEIDRA_WIN (win32 or win64) and KALEIDRA_WIN_WHY once; a caller may
# pass both down.
if [ -z "${KALEIDRA_WIN:-}" ]; then
  if [ "${KALEIDRA_FORCE_WIN64:-0}" = 1 ]; then
    KALEIDRA_WIN=win64
    KALEIDRA_WIN_WHY="forced by KALEIDRA_FORCE_WIN64=1"
  elif /usr/lib/wine/wine --version >/dev/null 2>&1; then
    KALEIDRA_WIN=win32
    KALEIDRA_WIN_WHY="this host runs 32-bit code"
  else
    KALEIDRA_WIN=win64
    KALEIDRA_WIN_WHY="this host runs no 32-bit code"
  fi
fi
export KALEIDRA_WIN KALEIDRA_WIN_WHY

# wine_use win32|win64: the loader, server and prefix of one build. Stop the
# other build's Wine first.
wine_use() {
  case $1 in
    win32)
      WINE=/usr/bin/wine
      WINESERVER_BIN=/usr/bin/wineserver
      export WINEARCH=win32 WINEPREFIX="$KALEIDRA_WINE_HOME/wineprefix"
      unset WINELOADER WINESERVER
      ;;
    win64)
      WINE=/usr/lib/wine/wine64
      WINESERVER_BIN=/usr/lib/wine/wineserver64
      export WINEARCH=win64 WINEPREFIX="$KALEIDRA_WINE_HOME/wineprefix64"
      export WINELOADER="$WINE" WINESERVER="$WINESERVER_BIN"
      ;;
    *)
      echo "wine_use: win32 or win64, not '$1'" >&2
      return 1
      ;;
  esac
}
wine_use "$KALEIDRA_WIN"

wine_start() {
  if [ -z "${XVFB_PID:-}" ]; then
    local n=90
    while [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  fi
  mkdir -p "$WINEPREFIX"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$WINE" wineboot -i >"$WINEPREFIX.boot.log" 2>&1 || true
    # No window manager runs under Xvfb: unmanaged windows show and hide at once.
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >>"$WINEPREFIX.boot.log" 2>&1 || true
    "$WINESERVER_BIN" -w
  fi
  # Wine's own Tahoma and Webdings (fonts-wine) are not on fontconfig's path:
  # the windows' fonts are found only in the prefix's Fonts folder.
  local fonts="$WINEPREFIX/drive_c/windows/Fonts" font
  for font in tahoma.ttf tahomabd.ttf webdings.ttf; do
    if [ -d "$fonts" ] && [ ! -f "$fonts/$font" ] && [ -f "/usr/share/wine/fonts/$font" ]; then
      cp "/usr/share/wine/fonts/$font" "$fonts/"
    fi
  done
  "$WINESERVER_BIN" -p >/dev/null 2>&1 || true
}

# Ends this build's Wine; the X server stays for another build's run.
wine_end() {
  "$WINESERVER_BIN" -k >/dev/null 2>&1 || true
}

wine_stop() {
  wine_end
  [ -n "${XVFB_PID:-}" ] && [ "$XVFB_PID" != caller ] && kill "$XVFB_PID" 2>/dev/null || true
}
