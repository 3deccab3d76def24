// The Add list's filter rules: part, prefix ("x*"), suffix ("*x"), "*" alone, any case.
#include <gtest/gtest.h>

#include "core/tracksets/track_filter.h"
#include "support/shift_jis.h"

using namespace gridmate;

using Rows = std::vector<int>;

// Without stars any part of any field matches; a trailing star matches a field's start,
// a leading one its end (and then decides: a trailing star is a character), and an
// inner star is a character too. An empty text lists every record that has a field.
TEST(TrackFilter, TextMatchesPartStartOrEndOfAnyFieldInAnyCase) {
    const std::vector<TrackRecord> tracks = {
        {"Monaco Grand Prix", "Monaco", "monaco", 1}, {"Italian Grand Prix", "Monza", "monza", 2},
        {"German Grand Prix", "Nurburgring", "nurburg", 3}, {"Formula*One", "F1", "f1", 4},
        {"", "", "", 5}};
    const std::pair<const char*, Rows> cases[] = {
        {"mon", {0, 1}},    {"GRAND", {0, 1, 2}}, {"burg", {2}},   {"talian g", {1}},
        {"xyz", {}},        {"", {0, 1, 2, 3}},   {"mon*", {0, 1}}, {"ITAL*", {1}},
        {"ring*", {}},      {"monaco*", {0}},     {"monacos*", {}}, {"*RING", {2}},
        {"*prix", {0, 1, 2}}, {"*mon", {}},       {"*one", {3}},   {"*aco*", {}},
        {"la*o", {3}},      {"la o", {}},         {"**", {}}};
    for (const auto& [filter, rows] : cases)
        EXPECT_EQ(filterTracks(tracks, filter), rows) << filter;
    EXPECT_FALSE(filterTracks(tracks, "*").has_value());  // the list stays as it is
    EXPECT_EQ(filterTracks({}, "mon"), Rows{});
}

TEST(TrackFilter, DoubleByteCharactersAreWholeAndTheirTrailBytesKeepTheirCase) {
    test::ShiftJis shiftJis;
    // 0x82 0x41 is one character whose trail byte happens to be "A".
    const std::vector<TrackRecord> tracks = {{"\x82\x41 GP", "\x82\x41", "jp", 1},
                                             {"A GP", "a", "aa", 2}};
    const std::pair<const char*, Rows> cases[] = {
        {"a", {1}}, {"*A", {1}}, {"A*", {1}}, {"\x82\x41", {0}}, {"*\x82\x41", {0}},
        {"\x82\x61", {}}};  // the trail byte is not folded
    for (const auto& [filter, rows] : cases)
        EXPECT_EQ(filterTracks(tracks, filter), rows) << filter;
}
