# Sourced: a private 32-bit Wine prefix inside the build tree and an X server.
export WINEPREFIX="${WINEPREFIX:-$PWD/build/wineprefix}"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

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
    wineboot -i >"$WINEPREFIX.boot.log" 2>&1 || true
    # No window manager runs under Xvfb: unmanaged windows show and hide at once.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >>"$WINEPREFIX.boot.log" 2>&1 || true
    wineserver -w
  fi
  # Wine's own Tahoma and Webdings (fonts-wine) are not on fontconfig's path:
  # the windows' fonts are found only in the prefix's Fonts folder.
  local fonts="$WINEPREFIX/drive_c/windows/Fonts" font
  for font in tahoma.ttf tahomabd.ttf webdings.ttf; do
    if [ -d "$fonts" ] && [ ! -f "$fonts/$font" ] && [ -f "/usr/share/wine/fonts/$font" ]; then
      cp "/usr/share/wine/fonts/$font" "$fonts/"
    fi
  done
  wineserver -p >/dev/null 2>&1 || true
}

wine_stop() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
}
