#!/usr/bin/env bash
# Builds one preset (native, native-san or win32) with at most two jobs.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:?preset}
cmake --preset "$preset" >"build-$preset.configure.log" 2>&1 || { cat "build-$preset.configure.log"; exit 1; }
rm -f "build-$preset.configure.log"
cmake --build --preset "$preset" -j"${JOBS:-2}"
