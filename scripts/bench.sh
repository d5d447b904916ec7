#!/usr/bin/env bash
# Builds and runs the benchmarks: natively (Google Benchmark) and the Win32
# build under Wine. Each prints its timings, then the ratios against the bare
# operations. Not part of the test command.
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh || exit 1
source scripts/wine_env.sh

build() {
  cmake --preset "$1" >"build-$1.configure.log" 2>&1 || { cat "build-$1.configure.log"; exit 1; }
  rm -f "build-$1.configure.log"
  cmake --build --preset "$1" --target kaleidra_bench -j"${JOBS:-2}" || exit 1
}

build native
build win32

echo "== machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1), $(wine --version)"
echo "== native (Google Benchmark)"
build/native/bin/kaleidra_bench --benchmark_color=false
native=$?

echo "== win32 (Wine)"
wine_start
mkdir -p build/win32/logs
wine build/win32/bin/kaleidra_bench.exe >build/win32/logs/kaleidra_bench.txt 2>&1
win32=$?
cat build/win32/logs/kaleidra_bench.txt
wine_stop
[ "$native" -eq 0 ] && [ "$win32" -eq 0 ]
