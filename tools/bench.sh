#!/usr/bin/env bash
# Runs every benchmark and prints its figures, each a ratio of two things measured side
# by side in the same run (see docs/PERFORMANCE.md):
#   native (build-bench/, Release, no sanitizers): the load sequence, the checksum and the
#     user's actions on a big game folder, and the peak memory of a headless load;
#   Windows build under Wine (build-win/): the INI line writer against the system's
#     profile writer, and gridmate.exe's start to its window against a bare window.
# Usage: tools/bench.sh [runs of each program start, default 10]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
source tools/setup-env.sh
starts=${1:-10}

install_missing
[ -f build-bench/CMakeCache.txt ] ||
    cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DGRIDMATE_SANITIZE=OFF >/dev/null
cmake --build build-bench -j2 --target big_game_bench load_big_game make_big_game >/dev/null
configure_windows >/dev/null
cmake --build build-win -j2 --target gridmate ini_write_bench bare_window start_timer >/dev/null

work=$(mktemp -d /tmp/gm-bench.XXXXXX)
trap 'stop_wine >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
bench=build-bench/tools/bench

echo "== native: big game folder (500 players, 1,000 sets, 40 DLLs)"
"$bench/big_game_bench" --benchmark_color=false

echo
echo "== native: peak memory of a headless load"
"$bench/make_big_game" "$work/native" >/dev/null
"$bench/load_big_game" "$work/native" | tee "$work/rss"
# getrusage's peak of the loading process, against its peak before the load began.
awk '/peak RSS/ { kb0 = $5; kb = $9
    printf "peak RSS %10.1f MB / %.1f MB (before the load) = %.2fx   goal < 20 MB  %s\n",
        kb / 1024, kb0 / 1024, kb / kb0, (kb < 20 * 1024) ? "met" : "MISSED" }' "$work/rss"

echo
echo "== Windows build under Wine"
"$bench/make_big_game" "$work/wine" --wine >/dev/null
"$bench/make_big_game" "$work/small" --wine --small >/dev/null
cp build-win/gridmate.exe build-win/bench/bare_window.exe "$work/wine/program/"
cp build-win/gridmate.exe "$work/small/program/"
version=$(sed -n 's/^constexpr int kVersion\(Major\|Minor\|Revision\) = \([0-9]*\);/\2/p' \
    src/app/startup.h | paste -sd.)
start_wine
wine build-win/bench/ini_write_bench.exe 400 </dev/null
windows=Z:${work//\//\\}
bare="$windows\\wine\\program\\bare_window.exe"
echo "-- gridmate.exe on the big folder / an empty bare window"
wine build-win/bench/start_timer.exe "$starts" \
    "$windows\\wine\\program\\gridmate.exe" "Gridmate $version" "$bare" "Bare Window" </dev/null
echo "-- gridmate.exe on the big folder / a bare window holding the same native controls (goal: at most 1.5x)"
wine build-win/bench/start_timer.exe "$starts" \
    "$windows\\wine\\program\\gridmate.exe" "Gridmate $version" "$bare" "Bare Window" \
    controls </dev/null
echo "-- gridmate.exe on a small folder / a bare window holding the same native controls (goal: at most 1.2x)"
wine build-win/bench/start_timer.exe "$starts" \
    "$windows\\small\\program\\gridmate.exe" "Gridmate $version" "$bare" "Bare Window" \
    controls </dev/null
