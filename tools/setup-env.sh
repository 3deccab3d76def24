# Shared by test.sh and run.sh: installing what is missing, configuring both trees and
# running Wine with the build tree's prefix and a virtual display. Sourced, not run.

# The repository, also when the caller sets `root` only after sourcing (or never):
# otherwise the prefix would land in /build-win.
root=${root:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}

GRIDMATE_PACKAGES="cmake g++ googletest libgtest-dev libgmock-dev libbenchmark-dev \
g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
mingw-w64-x86-64-dev wine wine64 xvfb xauth imagemagick x11-utils clang-14 libclang-rt-14-dev"

install_missing() {
    local missing=()
    local p
    for p in $GRIDMATE_PACKAGES; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages. Install them with:" >&2
        echo "  sudo apt-get install -y ${missing[*]}" >&2
        return 1
    fi
    echo "== installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq && apt-get install -y -qq "${missing[@]}" >/dev/null
}

configure_native() {
    [ -f build/CMakeCache.txt ] && return 0
    cmake -S "$root" -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
}

configure_windows() {
    [ -f build-win/CMakeCache.txt ] && return 0
    cmake -S "$root" -B build-win -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake"
}

export WINEPREFIX="$root/build-win/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine spells file names for Linux in the charset of the locale: under a plain C
# locale a name with an accent cannot even be created. The ANSI code page stays 1252.
export LC_ALL=C.UTF-8

# The prefix is made once; without a window manager Wine would wait 2 s each time a
# window is hidden, which the "Managed" setting removes.
init_wine_prefix() {
    [ -f "$WINEPREFIX/system.reg" ] && [ -f "$WINEPREFIX/.gridmate-ready" ] && return 0
    echo "== creating Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    DISPLAY= wineboot -i </dev/null >/dev/null 2>&1
    wineserver -w
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.gridmate-ready"
}

xvfb_pid=""
start_display() {
    local n
    for n in $(seq 91 120); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        export DISPLAY=":$n"
        local i
        for i in $(seq 1 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && return 0
            sleep 0.1
        done
        kill "$xvfb_pid" 2>/dev/null
    done
    echo "could not start Xvfb" >&2
    return 1
}

stop_display() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    xvfb_pid=""
}

# Wine's background services inherit the pipes of the first program they serve; start
# them away from CTest so that CTest does not wait for them.
start_wine() {
    init_wine_prefix
    start_display
    wineserver -p 2>/dev/null || true  # one may be running already
    wine cmd /c exit </dev/null >/dev/null 2>&1
}

stop_wine() {
    wineserver -k 2>/dev/null
    stop_display
}
