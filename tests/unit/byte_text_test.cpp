// Cutting and fitting by bytes, held to their rules (fuzz/byte_text_rules.h).
#include <gtest/gtest.h>

#include "fuzz/byte_text_rules.h"
#include "launch/game_command.h"
#include "platform/code_pages.h"
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

// Lower case as the system's code page folds it: Windows-1252's accented capitals too; in
// Shift-JIS only characters of one byte, never the second byte of another. The game gets
// its rasterizer's name so.
TEST(ByteText, LowerCaseFoldsTheCodePagesLettersOnly) {
    EXPECT_EQ(gridmate::platform::SingleByteCodePage().lowerCase("R\xC4ST\x8A\x9F\xD7\xDE\xDF.DLL"),
              "r\xE4st\x9A\xFF\xD7\xFE\xDF.dll");
    gridmate::test::ShiftJis shiftJis;
    EXPECT_EQ(shiftJis.codePage.lowerCase("\x83\x41Z\x82\x60"), "\x83\x41z\x82\x60");
    gridmate::launch::GameChoice choice;
    choice.rasterizerFile = "\x83\x41.DLL";
    EXPECT_NE(gridmate::launch::gameParameters(choice).find(":lastrasterizerdll:\x83\x41.dll\""), std::string::npos);
}
