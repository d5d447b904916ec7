#!/usr/bin/env bash
# Runs every test: native, native with sanitizers, and the Win32 build under
# Wine. Ends with one line "N passed, M failed"; exits non-zero on any failure.
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh || exit 1
source scripts/wine_env.sh

passed=0
failed=0
problems=()

# Reads a gtest log; a program that crashed before its summary counts as failed.
count_gtest() {
  local name=$1 log=$2 ok bad
  ok=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) test.*/\1/p' "$log" | tail -1)
  bad=$(sed -n 's/^\[  FAILED  \] \([0-9]*\) test.*/\1/p' "$log" | tail -1)
  ok=${ok:-0}
  bad=${bad:-0}
  if ! grep -q '^\[==========\] .* ran\.' "$log"; then
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

run_native() {
  local preset=$1
  echo "== $preset"
  if ! bash scripts/build.sh "$preset"; then
    failed=$((failed + 1))
    problems+=("$preset: build failed")
    return
  fi
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
  echo "== fuzz"
  if ! bash scripts/build.sh fuzz; then
    failed=$((failed + 1))
    problems+=("fuzz: build failed")
    return
  fi
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

run_win32() {
  echo "== win32 (Wine)"
  if ! bash scripts/build.sh win32; then
    failed=$((failed + 1))
    problems+=("win32: build failed")
    return
  fi
  wine_start
  mkdir -p build/win32/logs
  for t in build/win32/bin/test_*.exe; do
    [ -f "$t" ] || continue
    local name log
    name=$(basename "$t" .exe)
    log="build/win32/logs/$name.txt"
    timeout 1200 wine "$t" >"$log" 2>&1
    count_gtest "win32/$name" "$log"
  done
  if [ -x scripts/unprivileged_tests.sh ]; then
    bash scripts/unprivileged_tests.sh >build/win32/logs/unprivileged.txt 2>&1
    count_gtest "win32/unprivileged" build/win32/logs/unprivileged.txt
  fi
  wine_stop
}

run_native native
run_native native-san
run_fuzz
run_win32

echo
for p in "${problems[@]}"; do echo "problem: $p"; done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
