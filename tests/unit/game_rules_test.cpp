// The game settings' small rules: detail-bias bands, rasterizer markers, stored wings.
#include <gtest/gtest.h>

#include "core/game/detail_bias.h"
#include "core/game/rasterizers.h"
#include "core/game/wing_store.h"

using namespace gridmate;

TEST(GameRules, BiasBandsRasterizerMarkersAndStoredWings) {
    const std::pair<int32_t, int> bands[] = {{-7, 0}, {0, 0}, {1, 1}, {23, 1}, {24, 2}, {50, 2}, {51, 3},
                                             {74, 3}, {75, 4}, {99, 4}, {100, 5}, {150, 5}};
    for (auto [stored, step] : bands) EXPECT_EQ(DetailBiasToStep(stored), step) << stored;
    // Three CR LF lines, "type=rasterizer" in any case; the last display name wins as it is.
    const std::pair<const char*, const char*> markers[] = {
        {"type=rasterizer\r\ndisplayname=OpenGL", "none"}, {"TYPE=Rasterizer\r\n\r\n", "R.dll:"},
        {"type = rasterizer\r\ndisplayname=x\r\n", "none"}, {"type=rasterizer\ndisplayname=x\n\n", "none"},
        {"DisplayName=A\r\ntype=rasterizer\r\ndisplayname= Open GL =2\r\n", "R.dll: Open GL =2"}};
    for (const auto& [marker, listed] : markers) {
        auto entry = rasterizerFromMarker("R.dll", marker);
        EXPECT_EQ(entry ? entry->FileName + ":" + entry->DisplayName : "none", listed) << marker;
    }
    EXPECT_TRUE(rastKind("3Dfx") == 1 && !rastKind("opengl"));
    EXPECT_EQ(parseStoredWings("x,7,"), (std::array<std::optional<int>, 4>{std::nullopt, 7}));
    EXPECT_EQ(parseStoredWings("12"), std::nullopt);
}
