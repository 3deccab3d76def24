#include "core/ini/byte_text.h"

#include <gtest/gtest.h>

#include "platform/code_pages.h"

using namespace gridmate;

namespace {
// Shift-JIS style lead bytes; "\x82\xA0" is one double-byte character.
struct DoubleByte : ::testing::Test {
    platform::LeadByteCodePage codePage{{0x81, 0x9F}, {0xE0, 0xFC}};
    platform::ScopedPlatform guard{[this] {
        platform::Platform p;
        p.codePage = &codePage;
        return p;
    }()};
};
struct SingleByte : ::testing::Test {
    platform::SingleByteCodePage codePage;
    platform::ScopedPlatform guard{[this] {
        platform::Platform p;
        p.codePage = &codePage;
        return p;
    }()};
};
}  // namespace

TEST_F(SingleByte, LeftBytesCutsOrPadsToTheByteCount) {
    EXPECT_EQ(strLeftBytes("abc", 5), "abc  ");
    EXPECT_EQ(strLeftBytes("abcdef", 3), "abc");
    EXPECT_EQ(strLeftBytes("\x82\xA0x", 1), "\x82");
    EXPECT_EQ(strLeftBytes("abc", 0), "");
    EXPECT_EQ(strLeftBytes("abc", -4), "");
}

TEST_F(SingleByte, FitWidthPadsOrCutsToTheWidth) {
    EXPECT_EQ(strFitWidth("Spa", 8), "Spa     ");
    EXPECT_EQ(strFitWidth("Rouen-les-Essarts Circuit", 20), "Rouen-les-Essarts Ci");
    EXPECT_EQ(strFitWidth("Monza", 5), "Monza");
}

TEST_F(DoubleByte, LeftBytesNeverSplitsACharacter) {
    EXPECT_EQ(strLeftBytes("abc", 5), "abc  ");
    EXPECT_EQ(strLeftBytes("a\x82\xA0"
                           "b",
                           2),
              "a ");  // would straddle the last byte
    EXPECT_EQ(strLeftBytes("a\x82\xA0"
                           "b",
                           3),
              "a\x82\xA0");
    EXPECT_EQ(strLeftBytes("\x82\xA0\x82\xA1", 6), "\x82\xA0\x82\xA1  ");
    EXPECT_EQ(strLeftBytes("ab\x82", 4), "ab  ");  // a lead byte without its trail byte
    EXPECT_EQ(strLeftBytes("\x82\xA0", 0), "");
}

TEST_F(DoubleByte, FitWidthCountsCharactersButCutsBytes) {
    // Two characters, four bytes: padded by the character count to 8 characters.
    EXPECT_EQ(strFitWidth("\x82\xA0\x82\xA1", 8), "\x82\xA0\x82\xA1      ");
    EXPECT_EQ(strFitWidth("\x82\xA0\x82\xA1", 2), "\x82\xA0\x82\xA1");
    // Three characters to a width of two: cut to two bytes, so one character.
    EXPECT_EQ(strFitWidth("\x82\xA0\x82\xA1x", 2), "\x82\xA0");
    EXPECT_EQ(strFitWidth("x\x82\xA0\x82\xA1", 2), "x ");
    // A lead byte at the end stands alone: a blank, or it would pair with the padding.
    EXPECT_EQ(strFitWidth("ab\x82", 5), "ab   ");
    EXPECT_EQ(strFitWidth("ab\x82", 3), "ab ");
    EXPECT_EQ(characterCount("a\x82\xA0"
                             "b"),
              3u);
    EXPECT_EQ(leftCharacters("a\x82\xA0"
                             "b",
                             2),
              "a\x82\xA0");
}
