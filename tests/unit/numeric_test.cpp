// Numbers as the game's files and the settings file hold them.
#include "core/numeric.h"

#include <gtest/gtest.h>

using namespace gridmate;

TEST(Numeric, DecimalNumbersWithBlanksSignFractionAndExponentAndNothingElse) {
    for (auto [text, value] : {std::pair{"12", 12.0}, {"  -3 ", -3}, {"+7", 7}, {".5", 0.5}, {"2.5E-1", 0.25}})
        EXPECT_EQ(parseNumber(text), value) << text;
    for (const char* bad : {"", "   ", "12abc", "1 2", "-", ".", "1e", "1e2x", "1e+", "\t5", "0x10", "1e999"})
        EXPECT_EQ(parseNumber(bad), std::nullopt) << '"' << bad << '"';
}

TEST(Numeric, WholeNumbersRoundHalvesToEvenAndFit32Bits) {
    const std::pair<const char*, std::optional<int32_t>> cases[] = {
        {"2.5", 2}, {"3.5", 4}, {"-2.5", -2}, {"-3.5", -4}, {"2.4999", 2}, {"2.5001", 3},
        {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1}, {"2147483648", std::nullopt},
        {"1e12", std::nullopt}};
    for (const auto& [text, value] : cases) EXPECT_EQ(parseWholeNumber(text), value) << text;
}
