#!/usr/bin/env bash
# Builds the DLL and the stand-in player, then runs a scripted session in the
# stand-in under Wine and prints its log.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh win32
source scripts/wine_env.sh
wine_start
trap wine_stop EXIT
demo=build/win32/demo
rm -f "$demo/standin.log"
(cd "$demo" && wine standin_player.exe --log standin.log \
  --script "start; menu; menu; menu; stop; unload" >wine.out 2>&1) || true
echo "DLL: build/win32/bin/orvo_aimp_kaleidra.dll"
file build/win32/bin/orvo_aimp_kaleidra.dll || true
echo "--- stand-in log ---"
cat "$demo/standin.log"
