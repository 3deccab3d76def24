// Reading numbers the way the game's files and the settings file hold them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace gridmate {

// A decimal number, with blanks around it, an optional sign, digits with an optional
// decimal point and an optional exponent ("12", " -3 ", "64.5", "1e2"); nullopt for
// anything else, the empty text included.
std::optional<double> parseNumber(const std::string& text);

// Rounded to the nearest whole number, halves to the even one (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// parseNumber rounded half to even, when the result fits a signed 32-bit integer.
std::optional<int32_t> parseWholeNumber(const std::string& text);

}  // namespace gridmate
