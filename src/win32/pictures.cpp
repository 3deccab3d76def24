#include "win32/pictures.h"

#include <shellapi.h>

#include <climits>

#include "win32/twips.h"

namespace gridmate::win32 {

namespace {

// A small icon's size at 96 DPI; the system's own metric already carries its DPI.
constexpr int kSmallIconPixels = 16;

int scaled(int pixels, int dpi) { return roundedRatio(int64_t{pixels} * dpi, kDefaultDpi); }

BitmapHandle blankBitmap(int width, int height) {
    HDC screen = GetDC(nullptr);
    BitmapHandle bitmap(CreateCompatibleBitmap(screen, width, height));
    ReleaseDC(nullptr, screen);
    return bitmap;
}

// The embedded pictures are 24-bit DIB sections; their transparent colour becomes the
// system's button face, so they sit on the button as if they had no background.
void replaceFace(HBITMAP bitmap) {
    DIBSECTION dib{};
    if (GetObjectA(bitmap, sizeof(dib), &dib) != sizeof(dib) || dib.dsBm.bmBitsPixel != 24 ||
        !dib.dsBm.bmBits)
        return;
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    auto* rows = static_cast<BYTE*>(dib.dsBm.bmBits);
    for (int y = 0; y < dib.dsBm.bmHeight; ++y) {
        BYTE* pixel = rows + static_cast<ptrdiff_t>(y) * dib.dsBm.bmWidthBytes;
        for (int x = 0; x < dib.dsBm.bmWidth; ++x, pixel += 3) {
            if (RGB(pixel[2], pixel[1], pixel[0]) != kPictureFace) continue;
            pixel[0] = GetBValue(face);
            pixel[1] = GetGValue(face);
            pixel[2] = GetRValue(face);
        }
    }
    GdiFlush();
}

// Whole-pixel copies keep the pictures' hard edges at every scale.
BitmapHandle scaledCopy(HBITMAP source, int dpi) {
    BITMAP info{};
    GetObjectA(source, sizeof(info), &info);
    int width = scaled(info.bmWidth, dpi);
    int height = scaled(info.bmHeight, dpi);
    BitmapHandle target = blankBitmap(width, height);
    MemoryDc from, to;
    from.select(source);
    to.select(target.get());
    SetStretchBltMode(to.get(), COLORONCOLOR);
    StretchBlt(to.get(), 0, 0, width, height, from.get(), 0, 0, info.bmWidth, info.bmHeight,
               SRCCOPY);
    return target;
}

BitmapHandle resourcePicture(const std::string& name, int dpi) {
    BitmapHandle bitmap(static_cast<HBITMAP>(LoadImageA(
        GetModuleHandleA(nullptr), name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!bitmap) return {};
    replaceFace(bitmap.get());
    if (dpi == kDefaultDpi) return bitmap;
    return scaledCopy(bitmap.get(), dpi);
}

BitmapHandle fileIconPicture(const std::string& program, int dpi) {
    HICON large = nullptr;
    HICON small = nullptr;
    // A missing file gives UINT_MAX and handles that must not be touched.
    UINT extracted = ExtractIconExA(program.c_str(), 0, &large, &small, 1);
    if (extracted == 0 || extracted == UINT_MAX) return {};
    IconHandle ownedLarge(large);
    IconHandle ownedSmall(small);
    HICON icon = small ? small : large;
    if (!icon) return {};
    int size = scaled(kSmallIconPixels, dpi);
    BitmapHandle bitmap = blankBitmap(size, size);
    MemoryDc dc;
    dc.select(bitmap.get());
    RECT all{0, 0, size, size};
    FillRect(dc.get(), &all, GetSysColorBrush(COLOR_BTNFACE));
    DrawIconEx(dc.get(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    return bitmap;
}

}  // namespace

BitmapHandle loadPicture(const ui::Picture& picture, int dpi) {
    switch (picture.source) {
        case ui::Picture::Source::Resource: return resourcePicture(picture.name, dpi);
        case ui::Picture::Source::FileIcon: return fileIconPicture(picture.name, dpi);
        case ui::Picture::Source::None: break;
    }
    return {};
}

}  // namespace gridmate::win32
