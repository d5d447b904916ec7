#!/usr/bin/env bash
# Builds and runs the benchmarks: natively (Google Benchmark) and the Windows
# build under Wine: the 32-bit DLL where the host runs 32-bit code, the 64-bit
# twin elsewhere (or with KALEIDRA_FORCE_WIN64=1). Each prints its timings, then
# the ratios against the bare operations. Not part of the test command.
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh || exit 1
source scripts/wine_env.sh

bash scripts/build.sh native kaleidra_bench || exit 1
bash scripts/build.sh "$KALEIDRA_WIN" kaleidra_bench || exit 1

echo "== machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1), $("$WINE" --version)"
echo "== native (Google Benchmark)"
build/native/bin/kaleidra_bench --benchmark_color=false
native=$?

echo "== $KALEIDRA_WIN (Wine; $KALEIDRA_WIN_WHY)"
wine_start
logs=build/$KALEIDRA_WIN/logs
mkdir -p "$logs"
"$WINE" "build/$KALEIDRA_WIN/bin/kaleidra_bench.exe" >"$logs/kaleidra_bench.txt" 2>&1
windows=$?
cat "$logs/kaleidra_bench.txt"
wine_stop
[ "$native" -eq 0 ] && [ "$windows" -eq 0 ]
