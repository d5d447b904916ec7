#!/usr/bin/env bash
# Builds the DLL and the stand-in player, then runs a scripted session in the
# stand-in under Wine and prints its log: the 32-bit DLL where the host runs
# 32-bit code, the 64-bit twin elsewhere (or with KALEIDRA_FORCE_WIN64=1).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
source scripts/wine_env.sh
# The product is built on every host; the demo folder only for the build that runs here.
if [ "$KALEIDRA_WIN" = win32 ]; then
  bash scripts/build.sh win32 kaleidra_demo
else
  bash scripts/build.sh win32 orvo_aimp_kaleidra
  bash scripts/build.sh "$KALEIDRA_WIN" kaleidra_demo
fi
wine_start
trap wine_stop EXIT
demo=build/$KALEIDRA_WIN/demo
rm -f "$demo/standin.log"
(cd "$demo" && "$WINE" standin_player.exe --log standin.log \
  --script "start; menu; menu; menu; stop; unload" >wine.out 2>&1) || true
echo "The plug-in: build/win32/bin/orvo_aimp_kaleidra.dll"
file build/win32/bin/orvo_aimp_kaleidra.dll || true
echo "The demo ran build/$KALEIDRA_WIN/bin/orvo_aimp_kaleidra.dll ($KALEIDRA_WIN_WHY):"
file "build/$KALEIDRA_WIN/bin/orvo_aimp_kaleidra.dll" || true
echo "--- stand-in log ---"
cat "$demo/standin.log"
