// Cutting and fitting by bytes, held to their rules (fuzz/byte_text_rules.h).
#include <gtest/gtest.h>

#include "fuzz/byte_text_rules.h"
#include "support/shift_jis.h"

// Every text of up to five bytes of "a", blank, lead and trail byte, at every width.
TEST(ByteText, DoubleByteCharactersAreNeverSplit) {
    std::vector<std::string> texts{""};
    for (size_t i = 0; texts[i].size() < 5; ++i)
        for (char c : {'a', ' ', '\x82', '\xA0'}) texts.push_back(texts[i] + c);
    for (bool shiftJis : {false, true}) {
        std::optional<gridmate::test::ShiftJis> codePage;
        if (shiftJis) codePage.emplace();
        for (const std::string& text : texts)
            for (int16_t width = -1; width <= 7; ++width)
                ASSERT_TRUE(gridmate::model::cutAndFitHold(text, width)) << shiftJis << text << "/" << width;
    }
    gridmate::test::ShiftJis shiftJis;
    EXPECT_EQ(gridmate::leftCharacters("a\x82\xA0" "b", 2), "a\x82\xA0");
}
