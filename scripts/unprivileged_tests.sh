#!/usr/bin/env bash
# Runs the cases that need a read-only Plugins folder or a read-only file
# (end to end, the platform layer and the plug-in's lists file). Root writes
# anywhere, so under root those cases skip; here they run as "nobody" (or, when
# this script is not run by root, as the user running it) with a Wine prefix and
# a home of that user's own under /tmp. Prints the output of the gtest runs one
# after the other and exits non-zero when one failed. Runs the build that scripts/wine_env.sh picks for this
# host (KALEIDRA_WIN, win32 or win64) and needs it built. Uses the X server in
# DISPLAY when set (scripts/test.sh runs this while its Xvfb is up), else starts
# one.
set -uo pipefail
cd "$(dirname "$0")/.."

filter='*ReadOnly*'
source scripts/wine_env.sh
built=build/$KALEIDRA_WIN/bin
programs="test_e2e test_platform test_plugin"
for f in test_e2e.exe test_platform.exe test_plugin.exe standin_player.exe orvo_aimp_kaleidra.dll; do
  if [ ! -f "$built/$f" ]; then
    echo "missing $built/$f: build the $KALEIDRA_WIN preset first" >&2
    exit 1
  fi
done

if [ "$(id -u)" -eq 0 ]; then
  user=nobody
  run_as=(runuser -u "$user" --)
else
  user=$(id -un)
  run_as=()
fi
base=/tmp/kaleidra_unprivileged_$user
bin=$base/bin

# The programs and the Wine set-up where the user can read them; the folder is
# the user's, as Wine insists for its prefix.
mkdir -p "$base" "$base/home"
rm -rf "$bin"
mkdir -p "$bin"
cp "$built/test_e2e.exe" "$built/test_platform.exe" "$built/test_plugin.exe" \
  "$built/standin_player.exe" "$built/orvo_aimp_kaleidra.dll" scripts/wine_env.sh "$bin/"
chmod 755 "$base" "$bin"
chmod 644 "$bin"/*
if [ "$(id -u)" -eq 0 ]; then chown -R "$user" "$base"; fi

"${run_as[@]}" env -i PATH="$PATH" LANG="${LANG:-C.UTF-8}" USER="$user" HOME="$base/home" \
  KALEIDRA_WIN="$KALEIDRA_WIN" KALEIDRA_WIN_WHY="$KALEIDRA_WIN_WHY" KALEIDRA_WINE_HOME="$base" \
  DISPLAY="${DISPLAY:-}" BIN="$bin" FILTER="$filter" PROGRAMS="$programs" \
  bash -c '
    cd "$BIN" || exit 1
    source ./wine_env.sh
    [ -n "$DISPLAY" ] && XVFB_PID=caller  # an X server of the caller: neither started nor stopped
    wine_start
    echo "running $KALEIDRA_WIN as $(id -un)"
    rc=0
    for program in $PROGRAMS; do
      # To a file: helper processes of Wine would keep a pipe open.
      "$WINE" "./$program.exe" --gtest_filter="$FILTER" >../gtest.txt 2>&1 || rc=1
      cat ../gtest.txt
    done
    wine_stop
    exit $rc
  '
