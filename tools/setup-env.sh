# Shared by test.sh and run.sh: installing what is missing, configuring both trees and
# running Wine with the build tree's prefix and a virtual display. Sourced, not run.

# The repository, also when the caller sets `root` only after sourcing (or never):
# otherwise the prefix would land in /build-win.
root=${root:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}

# The Windows program is 32-bit: the i686 cross compilers, and Wine's 32-bit part
# (wine32 of the i386 architecture) to run it. `locales` makes the Japanese locale under
# which Wine's ANSI code page is 932 (a double-byte one).
GRIDMATE_PACKAGES="cmake g++ googletest libgtest-dev libgmock-dev libbenchmark-dev \
g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 \
mingw-w64-i686-dev wine wine64 wine32:i386 xvfb xauth imagemagick x11-utils locales \
clang-14 libclang-rt-14-dev"

install_missing() {
    local missing=()
    local p
    for p in $GRIDMATE_PACKAGES; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$p")
    done
    if [ ${#missing[@]} -ne 0 ]; then
        if [ "$(id -u)" -ne 0 ]; then
            echo "Missing packages. Install them with:" >&2
            dpkg --print-foreign-architectures | grep -qx i386 ||
                echo "  sudo dpkg --add-architecture i386 && sudo apt-get update" >&2
            echo "  sudo apt-get install -y ${missing[*]}" >&2
            return 1
        fi
        echo "== installing: ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
        apt-get update -qq && apt-get install -y -qq "${missing[@]}" >/dev/null || return 1
    fi
    make_japanese_locale
}

# The locale under which a Wine program's ANSI code page is 932 (Shift-JIS).
make_japanese_locale() {
    locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$' && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "The Japanese locale is missing. Make it with:" >&2
        echo "  sudo localedef -i ja_JP -f UTF-8 ja_JP.UTF-8" >&2
        return 1
    fi
    localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
}

configure_native() {
    [ -f build/CMakeCache.txt ] && return 0
    cmake -S "$root" -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
}

configure_windows() {
    # A tree configured for another toolchain (the 64-bit one of earlier versions) is
    # made anew, its Wine prefix with it.
    if [ -f build-win/CMakeCache.txt ]; then
        grep -q 'mingw-w64-i686.cmake' build-win/CMakeCache.txt && return 0
        rm -rf build-win
    fi
    cmake -S "$root" -B build-win -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-i686.cmake"
}

export WINEPREFIX="$root/build-win/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine spells file names for Linux in the charset of the locale: under a plain C
# locale a name with an accent cannot even be created. The ANSI code page stays 1252.
export LC_ALL=C.UTF-8

# A prefix is made once. Made before Wine's 32-bit part was installed, it no longer
# starts any program once it is, so its marker names what it was made with.
# Debian's Wine never looks into its own font folder: without Marlett, the glyph font of
# the caption buttons, Wine draws them as the letters "0 1 r".
# Without a window manager (Xvfb) Wine would wait 2 s each time a window is hidden,
# which the "Managed" setting removes; `init_wine_prefix managed` keeps the window
# manager's frames, focus and taskbar for a run on a real desktop.
init_wine_prefix() {
    local kind=${1:-unmanaged}
    local marker="$WINEPREFIX/.gridmate-ready"
    local made="wow64 $kind"
    [ -f "$WINEPREFIX/system.reg" ] && [ "$(cat "$marker" 2>/dev/null)" = "$made" ] && return 0
    echo "== creating Wine prefix $WINEPREFIX"
    case "$WINEPREFIX" in "$root"/build-win/*) rm -rf "$WINEPREFIX" ;; esac
    mkdir -p "$WINEPREFIX"
    DISPLAY= wineboot -i </dev/null >/dev/null 2>&1
    wineserver -w
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null
    if [ "$kind" = unmanaged ]; then
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
        wineserver -w
    fi
    echo "$made" >"$marker"
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
    # The first program under the Japanese locale (code page 932) is slow to start.
    LC_ALL=ja_JP.UTF-8 wine cmd /c exit </dev/null >/dev/null 2>&1
}

stop_wine() {
    wineserver -k 2>/dev/null
    stop_display
}
