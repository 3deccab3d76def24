#!/usr/bin/env bash
# Times the track-set editor in the Windows build under Wine.
set -euo pipefail
cd "$(dirname "$0")/../../.."
root=$(pwd)
source tools/setup-env.sh
configure_windows
cmake --build build-win -j2 --target editor_timing
init_wine_prefix
wine build-win/tools/bench/win/editor_timing.exe
