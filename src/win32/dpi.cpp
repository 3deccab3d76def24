#include "win32/dpi.h"

#include "win32/twips.h"

namespace gridmate::win32 {

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

// GetDpiForWindow exists from Windows 10 on; older systems have one DPI for all.
GetDpiForWindowFn getDpiForWindow() {
    static const GetDpiForWindowFn function = [] {
        HMODULE user32 = GetModuleHandleA("user32.dll");
        FARPROC proc = user32 ? GetProcAddress(user32, "GetDpiForWindow") : nullptr;
        return reinterpret_cast<GetDpiForWindowFn>(reinterpret_cast<void (*)()>(proc));
    }();
    return function;
}

}  // namespace

int screenDpi() {
    HDC screen = GetDC(nullptr);
    int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kDefaultDpi;
}

int windowDpi(HWND window) {
    if (window) {
        if (GetDpiForWindowFn function = getDpiForWindow()) {
            UINT dpi = function(window);
            if (dpi > 0) return static_cast<int>(dpi);
        }
    }
    return screenDpi();
}

}  // namespace gridmate::win32
