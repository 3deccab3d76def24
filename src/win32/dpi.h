// The DPI that turns the model's twips into a window's pixels.
#pragma once

#include <windows.h>

namespace gridmate::win32 {

// The window's own DPI (per monitor where the system knows it), else the screen's.
int windowDpi(HWND window);
// The DPI of the screen's device context: the scale of screen coordinates in twips, the
// one the program's screen size in twips uses too.
int screenDpi();

}  // namespace gridmate::win32
