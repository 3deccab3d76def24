// Cutting and fitting by bytes: the width counts characters, the cut is by bytes, a
// double-byte character is never split nor a lone lead byte paired with the padding.
#include <gtest/gtest.h>

#include "fuzz/byte_text_rules.h"
#include "support/shift_jis.h"

using namespace gridmate;

// Every text of up to five bytes from "a", a blank, a lead byte and a trail byte, at
// every width around its length, with and without a double-byte code page.
TEST(ByteText, DoubleByteCharactersAreNeverSplit) {
    for (bool doubleByte : {false, true}) {
        std::optional<test::ShiftJis> shiftJis;
        if (doubleByte) shiftJis.emplace();
        std::vector<std::string> texts{""};
        for (size_t i = 0; i < texts.size() && texts[i].size() < 5; ++i)
            for (char c : {'a', ' ', '\x82', '\xA0'}) texts.push_back(texts[i] + c);
        for (const std::string& text : texts)
            for (int16_t width = -1; width <= 7; ++width)
                ASSERT_TRUE(model::cutAndFitHold(text, width)) << doubleByte << " " << text << " " << width;
    }
    test::ShiftJis shiftJis;
    EXPECT_EQ(strLeftBytes("a\x82\xA0" "b", 2), "a ");
    EXPECT_EQ(strFitWidth("ab\x82", 4), "ab  ");
    EXPECT_EQ(leftCharacters("a\x82\xA0" "b", 2), "a\x82\xA0");
}
