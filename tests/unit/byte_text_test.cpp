#include "core/ini/byte_text.h"

#include <gtest/gtest.h>

#include "support/shift_jis.h"

using namespace gridmate;

namespace {

enum class Fn { Left, Fit };
struct Case {
    Fn fn;
    const char* text;
    int16_t width;
    const char* expected;
};

void check(std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.fn == Fn::Left ? "left " : "fit ") + c.text + " / " +
                     std::to_string(c.width));
        EXPECT_EQ(c.fn == Fn::Left ? strLeftBytes(c.text, c.width) : strFitWidth(c.text, c.width),
                  c.expected);
    }
}

}  // namespace

TEST(ByteText, WithoutLeadBytesEveryByteIsACharacter) {
    check({{Fn::Left, "abc", 5, "abc  "},
           {Fn::Left, "abcdef", 3, "abc"},
           {Fn::Left, "\x82\xA0x", 1, "\x82"},
           {Fn::Left, "abc", 0, ""},
           {Fn::Left, "abc", -4, ""},
           {Fn::Fit, "Spa", 8, "Spa     "},
           {Fn::Fit, "Rouen-les-Essarts Circuit", 20, "Rouen-les-Essarts Ci"},
           {Fn::Fit, "Monza", 5, "Monza"}});
}

// The width counts characters but the cut is by bytes; a character is never split, and
// a lead byte at the end without its trail byte stands alone as a blank, or it would
// pair with the padding.
TEST(ByteText, DoubleByteCharactersAreNeverSplit) {
    test::ShiftJis shiftJis;
    check({{Fn::Left, "abc", 5, "abc  "},
           {Fn::Left, "a\x82\xA0" "b", 2, "a "},  // would straddle the last byte
           {Fn::Left, "a\x82\xA0" "b", 3, "a\x82\xA0"},
           {Fn::Left, "\x82\xA0\x82\xA1", 6, "\x82\xA0\x82\xA1  "},
           {Fn::Left, "ab\x82", 4, "ab  "},
           {Fn::Left, "\x82\xA0", 0, ""},
           {Fn::Fit, "\x82\xA0\x82\xA1", 8, "\x82\xA0\x82\xA1      "},
           {Fn::Fit, "\x82\xA0\x82\xA1", 2, "\x82\xA0\x82\xA1"},
           {Fn::Fit, "\x82\xA0\x82\xA1x", 2, "\x82\xA0"},
           {Fn::Fit, "x\x82\xA0\x82\xA1", 2, "x "},
           {Fn::Fit, "ab\x82", 5, "ab   "},
           {Fn::Fit, "ab\x82", 3, "ab "}});
    EXPECT_EQ(characterCount("a\x82\xA0" "b"), 3u);
    EXPECT_EQ(leftCharacters("a\x82\xA0" "b", 2), "a\x82\xA0");
}
