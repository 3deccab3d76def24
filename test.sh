#!/usr/bin/env bash
# Installs what this machine lacks, builds the native and the Windows tree, and runs
# every test: native unit tests (with sanitizers), the Windows tests under Wine, then
# each fuzz target for 10 s (tools/fuzz.sh).
set -uo pipefail
cd "$(dirname "$0")"
root=$(pwd)
source tools/setup-env.sh

install_missing || exit 1

jobs=$(nproc 2>/dev/null || echo 2)
fail=0

configure_native || exit 1
configure_windows || exit 1
echo "== building native tree (build/)"
cmake --build build -j"$jobs" || exit 1
echo "== building Windows tree (build-win/)"
cmake --build build-win -j"$jobs" || exit 1

summary() {  # $1 = suite name, $2 = ctest log
    local line
    line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$2" | tail -n 1)
    if [ -z "$line" ]; then
        echo "== $1: no test ran"
        return 1
    fi
    echo "== $1: $line"
    local total=${line##* }
    [ "$total" -gt 0 ] || { echo "== $1: no test ran"; return 1; }
    grep -q ' 0 tests failed' <<<"$line"
}

echo "== native tests"
ctest --test-dir build --output-on-failure -j"$jobs" 2>&1 | tee build/ctest.log
native_rc=${PIPESTATUS[0]}

echo "== Windows tests under Wine"
start_wine
# A Wine program now and then fails to start at all (it exits at once, printing
# nothing); a test that fails is run once more, so that only a failure that repeats
# counts.
ctest --test-dir build-win --output-on-failure --repeat until-pass:2 2>&1 | tee build-win/ctest.log
win_rc=${PIPESTATUS[0]}
stop_wine

echo "== fuzz targets (10 s each)"
GRIDMATE_FUZZ_SEED=1 tools/fuzz.sh 10 >build/fuzz-summary.log 2>&1
fuzz_rc=$?
[ "$fuzz_rc" -eq 0 ] || cat build/fuzz-summary.log

summary "native suite" build/ctest.log || fail=1
summary "Windows suite (Wine)" build-win/ctest.log || fail=1
grep -E '^fuzz ' build/fuzz-summary.log || echo "fuzz: no target ran"
[ "$fuzz_rc" -eq 0 ] || fail=1
[ "$native_rc" -eq 0 ] || fail=1
[ "$win_rc" -eq 0 ] || fail=1
if [ "$fail" -ne 0 ]; then
    echo "== FAILED"
    exit 1
fi
echo "== all tests passed"
