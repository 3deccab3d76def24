// Twips to pixels and back: exact at 96 DPI, rounded to the nearest pixel elsewhere,
// and edges that meet in twips meet in pixels.
#include <gtest/gtest.h>

#include "win32/twips.h"

using namespace gridmate;
using win32::PixelRect;
using win32::pixelsToTwips;
using win32::toPixels;
using win32::twipsToPixels;

TEST(Twips, FifteenTwipsAreOnePixelAt96Dpi) {
    EXPECT_EQ(twipsToPixels(4545, 96), 303);
    EXPECT_EQ(twipsToPixels(8070, 96), 538);
    EXPECT_EQ(twipsToPixels(5175, 96), 345);
    EXPECT_EQ(toPixels({60, 0, 3855, 315}, 96), (PixelRect{4, 0, 257, 21}));
    EXPECT_EQ(pixelsToTwips(303, 96), 4545);
    EXPECT_EQ(pixelsToTwips(-20, 96), -300);
}

TEST(Twips, OtherDpisRoundToTheNearestPixelWithHalvesAwayFromZero) {
    EXPECT_EQ(twipsToPixels(4545, 144), 455);  // 454.5
    EXPECT_EQ(twipsToPixels(4535, 144), 454);  // 453.5
    EXPECT_EQ(twipsToPixels(4540, 144), 454);  // 454.0
    EXPECT_EQ(twipsToPixels(-22, 96), -1);     // -1.47
    EXPECT_EQ(twipsToPixels(-23, 96), -2);     // -1.53
    EXPECT_EQ(twipsToPixels(10, 144), 1);      // 1.0
    EXPECT_EQ(twipsToPixels(5, 144), 1);       // 0.5
    EXPECT_EQ(twipsToPixels(4, 144), 0);       // 0.4
    EXPECT_EQ(pixelsToTwips(455, 144), 4550);
    EXPECT_EQ(pixelsToTwips(1, 120), 12);
    EXPECT_EQ(pixelsToTwips(-7, 144), -70);
}

TEST(Twips, ControlsThatMeetInTwipsMeetInPixelsAtEveryDpi) {
    for (int dpi : {96, 120, 144, 168, 192}) {
        for (int left = 0; left < 400; left += 7) {
            ui::Rect first{left, 35, 113, 200};
            ui::Rect second{left + 113, 35 + 200, 89, 61};
            PixelRect a = toPixels(first, dpi);
            PixelRect b = toPixels(second, dpi);
            ASSERT_EQ(a.left + a.width, b.left) << "dpi " << dpi << " left " << left;
            ASSERT_EQ(a.top + a.height, b.top) << "dpi " << dpi << " left " << left;
        }
    }
}
