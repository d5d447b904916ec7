#!/usr/bin/env bash
# Runs every test: native, native with sanitizers, fuzzing, and the Windows
# builds under Wine. Ends with one line "N passed, M failed"; exits non-zero on
# any failure.
#
# The 32-bit DLL is the product: it is always built and its PE tables checked.
# Where the host runs 32-bit code the whole Windows suite runs on it and the
# 64-bit twin runs the end-to-end program; elsewhere (or with
# KALEIDRA_FORCE_WIN64=1) the whole suite runs on the twin.
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh || exit 1
source scripts/wine_env.sh
echo "== host: the Windows suite runs on $KALEIDRA_WIN ($KALEIDRA_WIN_WHY)"

passed=0
failed=0
problems=()
stage_times=()

# Reads a log of one or more gtest runs; a program that crashed before its
# summary counts as failed.
count_gtest() {
  local name=$1 log=$2 ok bad started finished
  ok=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) test.*/\1/p' "$log" | awk '{ n += $1 } END { print n + 0 }')
  bad=$(sed -n 's/^\[  FAILED  \] \([0-9]*\) test.*/\1/p' "$log" | awk '{ n += $1 } END { print n + 0 }')
  started=$(grep -c '^\[==========\] Running' "$log")
  finished=$(grep -c '^\[==========\] .* ran\.' "$log")
  if [ "$finished" -eq 0 ] || [ "$finished" -lt "$started" ]; then
    bad=$((bad + 1))
    problems+=("$name: did not finish (see $log)")
  elif [ "$bad" -gt 0 ]; then
    problems+=("$name: $bad failed (see $log)")
    grep '^\[  FAILED  \]' "$log" | grep -v 'listed below' | sed 's/^/    /'
  fi
  passed=$((passed + ok))
  failed=$((failed + bad))
  echo "$name: $ok passed, $bad failed"
}

# Reads a log of "ok: ..." and "FAIL: ..." lines; a script that failed without
# saying why counts as one failure.
count_checks() {
  local name=$1 log=$2 rc=$3 ok bad
  ok=$(grep -c '^ok: ' "$log")
  bad=$(grep -c '^FAIL: ' "$log")
  grep '^FAIL: ' "$log" | sed 's/^/    /'
  if [ "$rc" -ne 0 ] && [ "$bad" -eq 0 ]; then bad=1; fi
  [ "$bad" -gt 0 ] && problems+=("$name: $bad failed (see $log)")
  passed=$((passed + ok))
  failed=$((failed + bad))
  echo "$name: $ok passed, $bad failed"
}

build_failed() {
  failed=$((failed + 1))
  problems+=("$1: build failed")
}

# stage NAME COMMAND...: runs one stage and records its wall time.
stage() {
  local name=$1 start=$SECONDS
  shift
  echo "== $name"
  "$@"
  stage_times+=("$name: $((SECONDS - start)) s")
  echo "-- $name took $((SECONDS - start)) s"
}

run_native() {
  local preset=$1
  bash scripts/build.sh "$preset" || { build_failed "$preset"; return; }
  mkdir -p "build/$preset/logs"
  for t in build/$preset/bin/test_*; do
    [ -x "$t" ] || continue
    local name log
    name=$(basename "$t")
    log="build/$preset/logs/$name.txt"
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 timeout 900 "$t" >"$log" 2>&1
    count_gtest "$preset/$name" "$log"
  done
}

# The fuzz target runs for a bounded time from the seeds in tests/fuzz/seeds;
# finding nothing counts as one passed test.
run_fuzz() {
  bash scripts/build.sh fuzz || { build_failed fuzz; return; }
  mkdir -p build/fuzz/logs build/fuzz/corpus
  cp tests/fuzz/seeds/* build/fuzz/corpus/
  local log=build/fuzz/logs/fuzz_loads.txt
  if (cd build/fuzz && timeout 600 ./bin/fuzz_loads -max_total_time=60 -rss_limit_mb=2048 \
    -max_len=4096 corpus) >"$log" 2>&1; then
    passed=$((passed + 1))
    echo "fuzz/fuzz_loads: 1 passed, 0 failed"
  else
    failed=$((failed + 1))
    problems+=("fuzz/fuzz_loads: found a fault (see $log and build/fuzz/crash-*)")
    echo "fuzz/fuzz_loads: 0 passed, 1 failed"
  fi
}

# check_dll PRESET ARCH: the DLL's PE tables, read without running it.
check_dll() {
  local preset=$1 arch=$2 log="build/$1/logs/check_pe.txt" rc
  mkdir -p "build/$preset/logs"
  bash scripts/check_pe.sh "build/$preset/bin/orvo_aimp_kaleidra.dll" "$arch" >"$log" 2>&1
  rc=$?
  count_checks "$preset/check_pe" "$log" "$rc"
}

# The product, built whole where its suite runs here and as the DLL alone
# where only its tables can be checked.
build_product() {
  local targets=()
  [ "$KALEIDRA_WIN" = win32 ] || targets=(orvo_aimp_kaleidra)
  bash scripts/build.sh win32 "${targets[@]}" || { build_failed win32; return; }
  check_dll win32 i686
  # The check itself, on small DLLs that break each of its rules.
  local log=build/win32/logs/check_pe_test.txt rc
  bash scripts/check_pe_test.sh >"$log" 2>&1
  rc=$?
  count_checks win32/check_pe_test "$log" "$rc"
}

# The release archive, made twice from this commit: the same bytes, the right
# files, checksums and version resource.
run_release() {
  local log=build/win32/logs/check_release.txt rc
  mkdir -p build/win32/logs
  bash scripts/check_release.sh >"$log" 2>&1
  rc=$?
  count_checks win32/check_release "$log" "$rc"
}

# run_windows PRESET [PROGRAM...]: the Windows test programs of one build under
# Wine, all of them and the unprivileged run unless some are named.
run_windows() {
  local preset=$1 arch=i686
  shift
  [ "$preset" = win64 ] && arch=x86_64
  local targets=()
  [ $# -gt 0 ] && targets=("$@")
  bash scripts/build.sh "$preset" "${targets[@]}" || { build_failed "$preset"; return; }
  [ "$preset" = win32 ] || check_dll "$preset" "$arch"
  wine_use "$preset"
  wine_start
  mkdir -p "build/$preset/logs"
  local programs=() t
  if [ $# -gt 0 ]; then
    for t in "$@"; do programs+=("build/$preset/bin/$t.exe"); done
  else
    programs=(build/$preset/bin/test_*.exe)
  fi
  for t in "${programs[@]}"; do
    [ -f "$t" ] || continue
    local name log
    name=$(basename "$t" .exe)
    log="build/$preset/logs/$name.txt"
    timeout 1200 "$WINE" "$t" >"$log" 2>&1
    count_gtest "$preset/$name" "$log"
  done
  if [ $# -eq 0 ]; then
    KALEIDRA_WIN=$preset bash scripts/unprivileged_tests.sh >"build/$preset/logs/unprivileged.txt" 2>&1
    count_gtest "$preset/unprivileged" "build/$preset/logs/unprivileged.txt"
  fi
  wine_end
}

# Dependencies between folders point one way.
run_layout() {
  local log=build/layout.txt rc
  mkdir -p build
  python3 scripts/check_include_layout.py >"$log" 2>&1
  rc=$?
  count_checks layout "$log" "$rc"
}

stage layout run_layout
stage native run_native native
stage native-san run_native native-san
stage fuzz run_fuzz
stage "win32 product" build_product
stage "release archive" run_release
if [ "$KALEIDRA_WIN" = win32 ]; then
  stage "win32 suite (Wine)" run_windows win32
  stage "win64 twin end to end (Wine)" run_windows win64 test_e2e
else
  stage "win64 twin suite (Wine)" run_windows win64
fi
wine_stop

echo
echo "== the Windows suite ran on $KALEIDRA_WIN ($KALEIDRA_WIN_WHY)"
for s in "${stage_times[@]}"; do echo "stage $s"; done
for p in "${problems[@]}"; do echo "problem: $p"; done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
