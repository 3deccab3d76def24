#include "core/numeric.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace gridmate {

std::optional<double> parseNumber(const std::string& text) {
    size_t begin = text.find_first_not_of(' ');
    if (begin == std::string::npos) return std::nullopt;
    size_t end = text.find_last_not_of(' ') + 1;
    std::string t = text.substr(begin, end - begin);

    size_t i = 0;
    if (t[i] == '+' || t[i] == '-') ++i;
    size_t digits = 0;
    while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++digits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        size_t e = i + 1;
        if (e < t.size() && (t[e] == '+' || t[e] == '-')) ++e;
        size_t expDigits = 0;
        while (e < t.size() && std::isdigit(static_cast<unsigned char>(t[e]))) ++e, ++expDigits;
        if (expDigits == 0) return std::nullopt;
        i = e;
    }
    if (i != t.size()) return std::nullopt;
    double value = std::strtod(t.c_str(), nullptr);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

double roundHalfEven(double value) {
    double floor = std::floor(value);
    double diff = value - floor;
    if (diff < 0.5) return floor;
    if (diff > 0.5) return floor + 1.0;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

std::optional<int32_t> parseWholeNumber(const std::string& text) {
    auto value = parseNumber(text);
    if (!value) return std::nullopt;
    double rounded = roundHalfEven(*value);
    if (rounded < std::numeric_limits<int32_t>::min() ||
        rounded > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(rounded);
}

}  // namespace gridmate
