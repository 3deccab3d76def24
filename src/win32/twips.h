// The model measures in twips (1440 per inch); windows measure in pixels of their
// monitor's DPI. Rounding goes to the nearest pixel, halves away from zero, as MulDiv
// does, so a value that is a whole number of pixels at 96 DPI (15 twips a pixel) maps
// exactly.
#pragma once

#include <cstdint>

#include "ui/model_types.h"

namespace gridmate::win32 {

constexpr int kTwipsPerInch = 1440;
constexpr int kDefaultDpi = 96;

constexpr int roundedRatio(int64_t numerator, int64_t denominator) {
    int64_t half = denominator / 2;
    return static_cast<int>(numerator >= 0 ? (numerator + half) / denominator
                                           : (numerator - half) / denominator);
}

constexpr int twipsToPixels(int twips, int dpi) {
    return roundedRatio(int64_t{twips} * dpi, kTwipsPerInch);
}

constexpr int pixelsToTwips(int pixels, int dpi) {
    return roundedRatio(int64_t{pixels} * kTwipsPerInch, dpi);
}

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The edges are rounded, not the sizes, so that controls that meet in twips meet in
// pixels at any DPI.
constexpr PixelRect toPixels(const ui::Rect& twips, int dpi) {
    int left = twipsToPixels(twips.left, dpi);
    int top = twipsToPixels(twips.top, dpi);
    return {left, top, twipsToPixels(twips.left + twips.width, dpi) - left,
            twipsToPixels(twips.top + twips.height, dpi) - top};
}

}  // namespace gridmate::win32
