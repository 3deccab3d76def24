#include "e2e/screenshot.h"

#include <filesystem>
#include <fstream>
#include <thread>

#include "e2e/wait.h"

namespace gridmate::e2e {

namespace {

template <class T>
void put(std::string& out, T value) {
    for (size_t i = 0; i < sizeof value; ++i) out += char((uint64_t(value) >> (8 * i)) & 0xFF);
}

// The screen under the window: its frame and every child as the user sees them.
Image copyScreen(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    Image image;
    image.width = r.right - r.left;
    image.height = r.bottom - r.top;
    if (image.width <= 0 || image.height <= 0) return {};

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && bits) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, image.width, image.height, screen, r.left, r.top, SRCCOPY);
        GdiFlush();
        const auto* source = static_cast<const uint32_t*>(bits);
        image.pixels.assign(source, source + size_t(image.width) * size_t(image.height));
        for (uint32_t& pixel : image.pixels) pixel &= 0x00FFFFFF;
        SelectObject(memory, old);
    }
    if (bitmap) DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (image.pixels.empty()) return {};
    return image;
}

}  // namespace

// Another process paints when its queue gets to it, and a redraw asked from here does
// not wait for that: the picture is taken once two copies a moment apart agree.
Image captureWindow(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Image previous = copyScreen(window);
    Image current;
    waitUntil(
        [&] {
            std::this_thread::sleep_for(milliseconds(100));
            current = copyScreen(window);
            bool settled = current.width == previous.width && current.height == previous.height &&
                           current.pixels == previous.pixels;
            previous = current;
            return settled;
        },
        milliseconds(5000));
    return current;
}

bool saveBmp(const Image& image, const std::string& path) {
    if (image.pixels.empty()) return false;
    const uint32_t rowBytes = (uint32_t(image.width) * 3 + 3) & ~3u;
    const uint32_t dataBytes = rowBytes * uint32_t(image.height);
    const uint32_t headerBytes = 14 + 40;
    std::string out;
    out += "BM";
    put(out, uint32_t(headerBytes + dataBytes));
    put(out, uint32_t(0));
    put(out, headerBytes);
    put(out, uint32_t(40));
    put(out, int32_t(image.width));
    put(out, int32_t(image.height));  // bottom-up, as every viewer reads it
    put(out, uint16_t(1));
    put(out, uint16_t(24));
    put(out, uint32_t(BI_RGB));
    put(out, dataBytes);
    put(out, int32_t(2835));  // 72 dpi
    put(out, int32_t(2835));
    put(out, uint32_t(0));
    put(out, uint32_t(0));
    for (int y = image.height - 1; y >= 0; --y) {
        size_t rowStart = out.size();
        for (int x = 0; x < image.width; ++x) {
            uint32_t pixel = image.pixels[size_t(y) * size_t(image.width) + size_t(x)];
            out += char(pixel & 0xFF);
            out += char((pixel >> 8) & 0xFF);
            out += char((pixel >> 16) & 0xFF);
        }
        out.append(rowBytes - (out.size() - rowStart), '\0');
    }
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(out.data(), std::streamsize(out.size()));
    return bool(file);
}

}  // namespace gridmate::e2e
