#!/bin/bash
# Builds Gridmate and opens it on the demo game folder, which Wine sees where a player's
# game usually lies: C:\sierra\gpl.
#
# With a display (DISPLAY set) the program opens there, in a Wine prefix of its own that
# the desktop's window manager manages, and runs until it is closed. Without one it runs
# on a virtual display twice, and pictures of its window are saved, collapsed and with
# the options shown: build-win/demo/gridmate.png and build-win/demo/gridmate-options.png
# (the README's pictures).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cd "$root"
# shellcheck source=tools/setup-env.sh
source tools/setup-env.sh

caption="Gridmate 1.0.9"
demo="$root/build-win/demo"

install_missing
configure_windows
cmake --build build-win -j2 --target gridmate stub_gpl stub_gplc65 stub_gpl69w gridmate_fixture_dlls

# A fresh copy of the demo game every run, so the repository's files never change.
rm -rf "$demo/gpl"
mkdir -p "$demo"
cp -r demo/gpl "$demo/gpl"
cp build-win/gridmate.exe "$demo/"
rm -rf "$demo/myset"
cp -r demo/myset "$demo/myset"
# The season executables are stand-ins that show the command line they were given.
cp build-win/stub_game/gpl.exe build-win/stub_game/gplc65.exe build-win/stub_game/gpl69w.exe "$demo/gpl/"
# Rasterizers built by the cross build: OpenGL, Direct3D, one without a display name,
# and a DLL that is no rasterizer.
dlls=build-win/fixtures/dlls
cp "$dlls/rast_opengl.dll" "$demo/gpl/rend_ogl.dll"
cp "$dlls/rast_d3d.dll" "$demo/gpl/rend_d3d.dll"
cp "$dlls/rast_no_display_name.dll" "$demo/gpl/rend_sw.dll"
cp "$dlls/sound.dll" "$demo/gpl/sound.dll"

# The program's settings name the staged game folder as a player's would read.
write_settings() {  # $1 = showoption
    printf '[gridmate]\r\npath=C:\\sierra\\gpl\r\nshowoption=%s\r\n' "$1" >"$demo/tarmac.ini"
}
stage_in_prefix() {
    init_wine_prefix "$@"
    ln -sfn "$demo" "$WINEPREFIX/drive_c/sierra"
}

if [ -n "${DISPLAY:-}" ]; then
    export WINEPREFIX="$root/build-win/wineprefix-desktop"
    stage_in_prefix managed
    write_settings 0
    cd "$demo"
    exec wine 'C:\sierra\gridmate.exe'
fi

# The window's X id, once it appears under its caption in the X window tree.
wait_for_window() {
    local i id
    for i in $(seq 1 300); do
        id=$(xwininfo -root -tree 2>/dev/null | grep -F "\"$caption\":" | awk '{ print $1; exit }')
        [ -n "$id" ] && { echo "$id"; return 0; }
        kill -0 "$1" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# The display comes first: Wine's services start with the first Wine program, and the
# program's windows can only appear on the display those services know.
stage_in_prefix
start_display
trap 'wineserver -k 2>/dev/null || true; stop_display' EXIT
for shot in gridmate:0 gridmate-options:1; do
    write_settings "${shot#*:}"
    (cd "$demo" && exec wine 'C:\sierra\gridmate.exe' </dev/null >/dev/null 2>&1) &
    program=$!
    if ! window=$(wait_for_window "$program"); then
        echo "Gridmate's window did not appear within 30 s" >&2
        exit 1
    fi
    sleep 1  # let the window finish painting
    import -window "$window" "$demo/${shot%:*}.png"
    echo "$demo/${shot%:*}.png"
    kill "$program" 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    wait "$program" 2>/dev/null || true
done
