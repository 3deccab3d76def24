// Pictures of the program's window as it is shown on the screen, kept as test
// artefacts (24-bit BMP files) for a person to look at.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace gridmate::e2e {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB, rows top to bottom
};

// The window's area of the screen after the window has painted itself.
Image captureWindow(HWND window);
// Writes the image as a bottom-up 24-bit BMP, creating the folders on the way.
bool saveBmp(const Image& image, const std::string& path);

}  // namespace gridmate::e2e
