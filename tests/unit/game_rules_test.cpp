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

// A marker needs three CR LF lines and an exact "type=rasterizer" line in any case; the
// last display name wins, with its case and blanks.
TEST(RasterizerMarker, TypeLineMakesARasterizerAndTheLastDisplayNameNamesIt) {
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"type=rasterizer\r\ndisplayname=OpenGL\r\n", "OpenGL"},
        {"type=rasterizer\r\ndisplayname=OpenGL", std::nullopt},
        {"TYPE=Rasterizer\r\n\r\n", ""},
        {"type = rasterizer\r\ndisplayname=x\r\n", std::nullopt},
        {"type=sound\r\ndisplayname=x\r\n", std::nullopt},
        {"type=rasterizer\ndisplayname=x\n\n", std::nullopt},  // LF only
        {"DisplayName=First\r\ntype=rasterizer\r\ndisplayname= Open GL =2\r\n", " Open GL =2"},
        {"type=rasterizer\r\nfoo=bar\r\n", ""}};
    for (const auto& [marker, name] : cases) {
        auto entry = rasterizerFromMarker("Rend_OGL.dll", marker);
        EXPECT_EQ(entry ? std::optional(entry->DisplayName) : std::nullopt, name) << marker;
        if (entry) {
            EXPECT_EQ(entry->FileName, "Rend_OGL.dll");
        }
    }
    EXPECT_EQ(rastItemText({"x.dll", ""}), " (x.dll)");
}

TEST(RasterizerKind, OnlyTheExactNamesAreKnown) {
    const char* const names[] = {"None", "3Dfx", "Rendition", "OpenGL", "Direct3D7"};
    for (int32_t kind = 0; kind < 5; ++kind) EXPECT_EQ(rastKind(names[kind]), kind);
    EXPECT_FALSE(rastKind("opengl"));
    EXPECT_FALSE(rastKind("Direct3D"));
}

// Values without a comma load nothing; fields that are missing or no number stay empty.
TEST(WingStore, FourNumbersUnderTheTrackKey) {
    EXPECT_EQ(wingKey("monza"), "wing_monza");
    EXPECT_EQ(wingKey(""), "wing_");
    EXPECT_EQ(formatWings({1, 20, 0, 35}), "1,20,0,35");
    using Fields = std::array<std::optional<int>, 4>;
    EXPECT_FALSE(parseStoredWings(""));
    EXPECT_FALSE(parseStoredWings("12"));
    EXPECT_EQ(parseStoredWings("1,20,0,35"), (Fields{1, 20, 0, 35}));
    EXPECT_EQ(parseStoredWings("x,7,,"), (Fields{std::nullopt, 7, std::nullopt, std::nullopt}));
    EXPECT_EQ(parseStoredWings("1,2"), (Fields{1, 2, std::nullopt, std::nullopt}));
}
