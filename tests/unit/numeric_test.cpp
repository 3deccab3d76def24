#include <gtest/gtest.h>

#include "core/numeric.h"

using namespace gridmate;

TEST(Numeric, AcceptsDecimalNumbersWithBlanksSignFractionAndExponent) {
    EXPECT_EQ(parseNumber("12"), 12.0);
    EXPECT_EQ(parseNumber("  -3 "), -3.0);
    EXPECT_EQ(parseNumber("+7"), 7.0);
    EXPECT_EQ(parseNumber("64.5"), 64.5);
    EXPECT_EQ(parseNumber(".5"), 0.5);
    EXPECT_EQ(parseNumber("1e2"), 100.0);
}

TEST(Numeric, RefusesTextThatIsNotWhollyANumber) {
    for (const char* bad : {"", "   ", "abc", "12abc", "1 2", "-", ".", "1e", "\t5", "0x10", "1e999"})
        EXPECT_FALSE(parseNumber(bad).has_value()) << '"' << bad << '"';
}

TEST(Numeric, RoundsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(2.5), 2.0);
    EXPECT_EQ(roundHalfEven(3.5), 4.0);
    EXPECT_EQ(roundHalfEven(-2.5), -2.0);
    EXPECT_EQ(roundHalfEven(-3.5), -4.0);
    EXPECT_EQ(roundHalfEven(64.5), 64.0);
    EXPECT_EQ(roundHalfEven(2.4999), 2.0);
    EXPECT_EQ(roundHalfEven(2.5001), 3.0);
}

TEST(Numeric, WholeNumbersOutside32BitsAreNotNumbers) {
    EXPECT_EQ(parseWholeNumber("2147483647"), 2147483647);
    EXPECT_EQ(parseWholeNumber("-2147483648"), -2147483647 - 1);
    EXPECT_FALSE(parseWholeNumber("2147483648").has_value());
    EXPECT_FALSE(parseWholeNumber("1e12").has_value());
}
