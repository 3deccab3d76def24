#!/usr/bin/env bash
# Builds the fuzz tree (build-fuzz/, clang-14 with libFuzzer and the sanitizers) and runs
# every target of tests/fuzz for the given number of seconds (10 by default) on a copy of
# its seed corpus. With --keep, the inputs that reached new code are merged back into
# tests/fuzz/corpus. Exits non-zero when a target crashed; the crashing input is kept
# in build-fuzz/crashes/.
#
#   tools/fuzz.sh [--keep] [seconds] [target...]
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

keep=0
seconds=10
targets=()
for arg in "$@"; do
    case "$arg" in
        --keep) keep=1 ;;
        ''|*[!0-9]*) targets+=("$arg") ;;
        *) seconds=$arg ;;
    esac
done
if [ ${#targets[@]} -eq 0 ]; then
    for dir in tests/fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi

if [ ! -f build-fuzz/CMakeCache.txt ]; then
    cmake -S "$root" -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 -DGRIDMATE_FUZZ=ON \
        >/dev/null || exit 1
fi
echo "== building fuzz tree (build-fuzz/)"
cmake --build build-fuzz -j2 >build-fuzz/build.log 2>&1 || { cat build-fuzz/build.log; exit 1; }

mkdir -p build-fuzz/crashes
work=$(mktemp -d /tmp/gridmate-fuzz.XXXXXX)
trap 'rm -rf "$work"' EXIT
fail=0
summaries=()
for target in "${targets[@]}"; do
    program=build-fuzz/tests/fuzz/${target}_fuzz
    seeds=tests/fuzz/corpus/$target
    if [ ! -x "$program" ] || [ ! -d "$seeds" ]; then
        summaries+=("fuzz $target: no such target")
        fail=1
        continue
    fi
    mkdir -p "$work/$target"
    cp -R "$seeds/." "$work/$target/"
    log=build-fuzz/fuzz-$target.log
    echo "== fuzzing $target for ${seconds} s"
    # A fixed seed (GRIDMATE_FUZZ_SEED) makes a short run explore the same inputs each time.
    "$program" "$work/$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
        ${GRIDMATE_FUZZ_SEED:+-seed="$GRIDMATE_FUZZ_SEED"} \
        -artifact_prefix="$root/build-fuzz/crashes/$target-" -print_final_stats=1 >"$log" 2>&1
    rc=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    [ -n "$runs" ] || runs=$(sed -n 's/^Done \([0-9]*\) runs.*/\1/p' "$log" | tail -n 1)
    if [ "$rc" -eq 0 ]; then
        summaries+=("fuzz $target: ${runs:-0} runs, no crash")
        if [ "$keep" -eq 1 ]; then
            "$program" -merge=1 "$seeds" "$work/$target" >>"$log" 2>&1 || fail=1
        fi
    else
        artifact=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$log" | tail -n 1)
        summaries+=("fuzz $target: CRASH after ${runs:-?} runs, input ${artifact:-unknown}, log $log")
        grep -E 'check failed|ERROR:|SUMMARY:' "$log" | head -n 5
        fail=1
    fi
done
printf '%s\n' "${summaries[@]}"
exit "$fail"
