// The small rules of the game's settings: detail-bias bands, rasterizer markers and
// kinds, the per-track wing store.
#include <gtest/gtest.h>

#include "core/game/detail_bias.h"
#include "core/game/rasterizers.h"
#include "core/game/wing_store.h"

using namespace gridmate;

TEST(DetailBias, StoredPercentagesFallIntoUnevenBands) {
    struct Case { int32_t stored; int step; };
    for (auto c : {Case{0, 0}, {20, 1}, {40, 2}, {60, 3}, {80, 4}, {100, 5}, {23, 1}, {24, 2},
                   {50, 2}, {51, 3}, {74, 3}, {75, 4}, {99, 4}, {150, 5}, {-7, 0}, {1, 1}})
        EXPECT_EQ(DetailBiasToStep(c.stored), c.step) << c.stored;
    EXPECT_EQ(stepPercentage(3), 60);
}

TEST(RasterizerMarker, NeedsThreeLinesAndATypeLineInAnyCase) {
    EXPECT_TRUE(rasterizerFromMarker("a.dll", "type=rasterizer\r\ndisplayname=OpenGL\r\n"));
    EXPECT_FALSE(rasterizerFromMarker("a.dll", "type=rasterizer\r\ndisplayname=OpenGL"));
    EXPECT_TRUE(rasterizerFromMarker("a.dll", "TYPE=Rasterizer\r\n\r\n"));
    EXPECT_FALSE(rasterizerFromMarker("a.dll", "type = rasterizer\r\ndisplayname=x\r\n"));
    EXPECT_FALSE(rasterizerFromMarker("a.dll", "type=sound\r\ndisplayname=x\r\n"));
    EXPECT_FALSE(rasterizerFromMarker("a.dll", "type=rasterizer\ndisplayname=x\n\n"));  // LF only
}

TEST(RasterizerMarker, TheLastDisplayNameWinsWithItsCaseAndBlanks) {
    auto e = rasterizerFromMarker("Rend_OGL.dll",
                                  "DisplayName=First\r\ntype=rasterizer\r\ndisplayname= Open GL =2\r\n");
    ASSERT_TRUE(e);
    EXPECT_EQ(e->FileName, "Rend_OGL.dll");
    EXPECT_EQ(e->DisplayName, " Open GL =2");
    auto unnamed = rasterizerFromMarker("x.dll", "type=rasterizer\r\nfoo=bar\r\n");
    ASSERT_TRUE(unnamed);
    EXPECT_EQ(unnamed->DisplayName, "");
    EXPECT_EQ(rastItemText(*unnamed), " (x.dll)");
}

TEST(RasterizerKind, OnlyTheExactNamesAreKnown) {
    EXPECT_EQ(rastKind("None"), 0);
    EXPECT_EQ(rastKind("3Dfx"), 1);
    EXPECT_EQ(rastKind("Rendition"), 2);
    EXPECT_EQ(rastKind("OpenGL"), 3);
    EXPECT_EQ(rastKind("Direct3D7"), 4);
    EXPECT_FALSE(rastKind("opengl"));
    EXPECT_FALSE(rastKind("Direct3D"));
}

TEST(WingStore, StoresFourNumbersUnderTheTrackKey) {
    EXPECT_EQ(wingKey("monza"), "wing_monza");
    EXPECT_EQ(wingKey(""), "wing_");
    EXPECT_EQ(formatWings({1, 20, 0, 35}), "1,20,0,35");
}

TEST(WingStore, ParsesOnlyValuesWithACommaAndKeepsNumericFields) {
    EXPECT_FALSE(parseStoredWings(""));
    EXPECT_FALSE(parseStoredWings("12"));
    auto all = parseStoredWings("1,20,0,35");
    ASSERT_TRUE(all);
    EXPECT_EQ((*all)[0], 1);
    EXPECT_EQ((*all)[3], 35);
    auto some = parseStoredWings("x,7,,");
    ASSERT_TRUE(some);
    EXPECT_FALSE((*some)[0]);
    EXPECT_EQ((*some)[1], 7);
    EXPECT_FALSE((*some)[2]);
    EXPECT_FALSE((*some)[3]);
    auto short2 = parseStoredWings("1,2");
    ASSERT_TRUE(short2);
    EXPECT_EQ((*short2)[1], 2);
    EXPECT_FALSE((*short2)[2]);
}
