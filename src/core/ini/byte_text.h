// Cutting and padding text by byte width without splitting a double-byte character of
// the system code page (platform::codePage()).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace gridmate {

// The number of characters in `text`: a lead byte and its trail byte count as one.
size_t characterCount(std::string_view text);

// The first `count` characters of `text` (all of it when it is shorter).
std::string leftCharacters(std::string_view text, size_t count);

// The left part of `strText` that fills exactly `intBytes` bytes, filled up with blanks.
// A double-byte character that would straddle the last byte becomes one blank; a count
// of 0 or less gives "".
std::string strLeftBytes(const std::string& strText, int16_t intBytes);

// `strText` made `intWidth` wide, left-aligned: the character count decides, the cut is
// by bytes (strLeftBytes), and a shorter text gets one blank per missing character.
std::string strFitWidth(const std::string& strText, int16_t intWidth);

}  // namespace gridmate
