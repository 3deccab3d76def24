// The Add list's filter rules: part, prefix ("x*"), suffix ("*x"), "*" alone, any case.
#include <gtest/gtest.h>

#include "core/tracksets/track_filter.h"
#include "platform/code_pages.h"
#include "platform/platform.h"

using namespace gridmate;

namespace {

const std::vector<TrackRecord> kTracks = {
    {"Monaco Grand Prix", "Monaco", "monaco", 1},
    {"Italian Grand Prix", "Monza", "monza", 2},
    {"German Grand Prix", "Nurburgring", "nurburg", 3},
    {"Formula*One", "F1", "f1", 4},
    {"", "", "", 5},
};

std::vector<int> rows(const std::string& filter) {
    auto result = filterTracks(kTracks, filter);
    EXPECT_TRUE(result.has_value()) << filter;
    return result.value_or(std::vector<int>{-1});
}

using Rows = std::vector<int>;

}  // namespace

TEST(TrackFilter, TextWithoutStarsMatchesAnyPartOfAnyFieldInAnyCase) {
    EXPECT_EQ(rows("mon"), (Rows{0, 1}));
    EXPECT_EQ(rows("GRAND"), (Rows{0, 1, 2}));
    EXPECT_EQ(rows("burg"), (Rows{2}));       // track directory and short name
    EXPECT_EQ(rows("talian g"), (Rows{1}));   // inside the name, across a blank
    EXPECT_EQ(rows("xyz"), (Rows{}));
}

TEST(TrackFilter, EmptyTextListsEveryRecordThatHasAField) {
    EXPECT_EQ(rows(""), (Rows{0, 1, 2, 3}));
}

TEST(TrackFilter, TrailingStarMatchesTheStartOfAField) {
    EXPECT_EQ(rows("mon*"), (Rows{0, 1}));
    EXPECT_EQ(rows("ITAL*"), (Rows{1}));
    EXPECT_EQ(rows("ring*"), (Rows{}));    // "ring" is only inside or at the end
    EXPECT_EQ(rows("monaco*"), (Rows{0}));  // the whole field
    EXPECT_EQ(rows("monacos*"), (Rows{}));  // longer than every field
}

TEST(TrackFilter, LeadingStarMatchesTheEndOfAField) {
    EXPECT_EQ(rows("*RING"), (Rows{2}));
    EXPECT_EQ(rows("*prix"), (Rows{0, 1, 2}));
    EXPECT_EQ(rows("*mon"), (Rows{}));
    EXPECT_EQ(rows("*one"), (Rows{3}));
    // Starred at both ends: the leading star decides, the trailing one is a character.
    EXPECT_EQ(rows("*aco*"), (Rows{}));
}

TEST(TrackFilter, StarAloneLeavesTheListAsItIsAndAnInnerStarIsACharacter) {
    EXPECT_FALSE(filterTracks(kTracks, "*").has_value());
    EXPECT_EQ(rows("la*o"), (Rows{3}));
    EXPECT_EQ(rows("la o"), (Rows{}));
    EXPECT_EQ(rows("**"), (Rows{}));  // a field ending in "*"
    EXPECT_EQ(filterTracks({}, "mon"), Rows{});
}

TEST(TrackFilter, DoubleByteCharactersAreWholeAndTheirTrailBytesKeepTheirCase) {
    platform::LeadByteCodePage shiftJis{{0x81, 0x9F}, {0xE0, 0xFC}};
    platform::Platform p;
    p.codePage = &shiftJis;
    platform::ScopedPlatform scoped(p);
    // 0x82 0x41 is one character whose trail byte happens to be "A".
    const std::vector<TrackRecord> tracks = {{"\x82\x41 GP", "\x82\x41", "jp", 1},
                                             {"A GP", "a", "aa", 2}};
    EXPECT_EQ(filterTracks(tracks, "a"), (Rows{1}));
    EXPECT_EQ(filterTracks(tracks, "*A"), (Rows{1}));
    EXPECT_EQ(filterTracks(tracks, "A*"), (Rows{1}));
    EXPECT_EQ(filterTracks(tracks, "\x82\x41"), (Rows{0}));
    EXPECT_EQ(filterTracks(tracks, "*\x82\x41"), (Rows{0}));
    EXPECT_EQ(filterTracks(tracks, "\x82\x61"), (Rows{}));  // the trail byte is not folded
}
