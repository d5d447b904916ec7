#!/usr/bin/env bash
# Builds one preset (native, native-san, win32, win64 or fuzz) with at most two
# jobs: everything, or only the targets named after the preset.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:?preset}
shift
targets=()
[ $# -gt 0 ] && targets=(--target "$@")
cmake --preset "$preset" >"build-$preset.configure.log" 2>&1 || { cat "build-$preset.configure.log"; exit 1; }
rm -f "build-$preset.configure.log"
cmake --build --preset "$preset" -j"${JOBS:-2}" "${targets[@]}"
