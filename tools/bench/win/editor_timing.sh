#!/usr/bin/env bash
# Times the track-set editor in the Windows build under Wine.
set -euo pipefail
cd "$(dirname "$0")/../../.."
root=$(pwd)
source tools/setup-env.sh
configure_windows
cmake --build build-win -j2 --target editor_timing
start_wine
trap 'stop_wine >/dev/null 2>&1 || true' EXIT
echo "-- headless"
wine build-win/tools/bench/win/editor_timing.exe </dev/null
echo "-- in its native window"
wine build-win/tools/bench/win/editor_timing.exe --window </dev/null
