// Numbers as the game's files and the settings file hold them.
#include "core/numeric.h"

#include <gtest/gtest.h>

using namespace gridmate;

TEST(Numeric, DecimalNumbersWithBlanksSignFractionAndExponentRoundedHalfToEven) {
    EXPECT_EQ(parseNumber("  -.5E+1 "), -5.0);
    for (const char* bad : {"", "   ", "12abc", "1 2", "-", ".", "1e", "1e2x", "1e+", "\t5", "0x10", "1e999"})
        EXPECT_EQ(parseNumber(bad), std::nullopt) << '"' << bad << '"';
    const std::pair<const char*, std::optional<int32_t>> whole[] = {
        {"2.5", 2}, {"3.5", 4}, {"-2.5", -2}, {"2.5001", 3},
        {"-2147483648", INT32_MIN}, {"2147483647", INT32_MAX}, {"2147483648", {}}};
    for (auto [text, value] : whole) EXPECT_EQ(parseWholeNumber(text), value) << text;
}
