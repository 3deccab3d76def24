// A window's text as the ANSI bytes the program holds.
#pragma once

#include <windows.h>

#include <string>

namespace gridmate::win32 {

inline std::string windowText(HWND hwnd) {
    int length = GetWindowTextLengthA(hwnd);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(hwnd, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

}  // namespace gridmate::win32
