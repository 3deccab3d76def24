// The small rules of the game's settings: detail-bias bands, rasterizer markers, the
// wings stored for a track.
#include <gtest/gtest.h>

#include "core/game/detail_bias.h"
#include "core/game/rasterizers.h"
#include "core/game/wing_store.h"

using namespace gridmate;

TEST(DetailBias, StoredPercentagesFallIntoUnevenBands) {
    const std::pair<int32_t, int> cases[] = {{-7, 0}, {0, 0}, {1, 1}, {23, 1}, {24, 2}, {50, 2}, {51, 3},
                                             {74, 3}, {75, 4}, {99, 4}, {100, 5}, {150, 5}};
    for (auto [stored, step] : cases) EXPECT_EQ(DetailBiasToStep(stored), step) << stored;
}

// Missing fields and fields that are no number stay empty; a value without a comma is none.
TEST(WingStore, FourNumbersSeparatedByCommas) {
    using Fields = std::array<std::optional<int>, 4>;
    EXPECT_EQ(parseStoredWings("x,7,,"), (Fields{std::nullopt, 7, std::nullopt, std::nullopt}));
    EXPECT_EQ(parseStoredWings("1,2"), (Fields{1, 2, std::nullopt, std::nullopt}));
    EXPECT_EQ(parseStoredWings("12"), std::nullopt);
}

// A marker needs three CR LF lines and an exact "type=rasterizer" line in any case; the
// last display name wins, with its case and blanks. Only the exact kind names are known.
TEST(Rasterizers, TheTypeLineMakesARasterizerAndTheLastDisplayNameNamesIt) {
    const std::pair<const char*, const char*> cases[] = {
        {"type=rasterizer\r\ndisplayname=OpenGL", "none"},
        {"TYPE=Rasterizer\r\n\r\n", "R.dll:"},
        {"type = rasterizer\r\ndisplayname=x\r\n", "none"},
        {"type=rasterizer\ndisplayname=x\n\n", "none"},
        {"DisplayName=First\r\ntype=rasterizer\r\ndisplayname= Open GL =2\r\n", "R.dll: Open GL =2"}};
    for (const auto& [marker, listed] : cases) {
        auto entry = rasterizerFromMarker("R.dll", marker);
        EXPECT_EQ(entry ? entry->FileName + ":" + entry->DisplayName : "none", listed) << marker;
    }
    EXPECT_EQ(rastKind("3Dfx"), 1);
    EXPECT_EQ(rastKind("opengl"), std::nullopt);
}
