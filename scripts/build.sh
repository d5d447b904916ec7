#!/usr/bin/env bash
# Builds one preset (native, native-san, win32, win64 or fuzz) with at most two
# jobs: everything, or only the targets named after the preset.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:?preset}
shift
targets=()
[ $# -gt 0 ] && targets=(--target "$@")
# CMake keeps the compilers a folder was first configured with: a folder made
# before the toolchain or the presets changed starts afresh.
stamp=build/$preset/.toolchain
sum=$(cat cmake/mingw.cmake CMakePresets.json | sha256sum | cut -d' ' -f1)
if [ -f "build/$preset/CMakeCache.txt" ] && [ "$(cat "$stamp" 2>/dev/null)" != "$sum" ]; then
  echo "build/$preset: the toolchain or the presets changed, configuring afresh"
  rm -rf "build/$preset/CMakeCache.txt" "build/$preset/CMakeFiles"
fi
cmake --preset "$preset" >"build-$preset.configure.log" 2>&1 || { cat "build-$preset.configure.log"; exit 1; }
rm -f "build-$preset.configure.log"
echo "$sum" >"$stamp"
cmake --build --preset "$preset" -j"${JOBS:-2}" "${targets[@]}"
