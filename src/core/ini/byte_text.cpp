#include "core/ini/byte_text.h"

#include <vector>

#include "platform/platform.h"

namespace gridmate {

namespace {

// The characters of `text` as byte ranges. A lead byte at the very end has no trail
// byte: it stands alone as a broken character.
struct Character {
    size_t start;
    size_t size;  // 1, or 2 for a double-byte character
    bool broken = false;
};

std::vector<Character> characters(std::string_view text) {
    const auto& codePage = platform::codePage();
    std::vector<Character> out;
    for (size_t i = 0, size = 0; i < text.size(); i += size) {
        size = codePage.characterSize(text, i);
        out.push_back({i, size, size == 1 && codePage.isLeadByte(static_cast<unsigned char>(text[i]))});
    }
    return out;
}

}  // namespace

size_t characterCount(std::string_view text) { return characters(text).size(); }

std::string leftCharacters(std::string_view text, size_t count) {
    auto chars = characters(text);
    if (count >= chars.size()) return std::string(text);
    return std::string(text.substr(0, chars[count].start));
}

std::string strLeftBytes(const std::string& strText, int16_t intBytes) {
    if (intBytes <= 0) return {};
    std::string out;
    int remaining = intBytes;
    for (const Character& c : characters(strText)) {
        if (remaining == 0) break;
        if (c.size == 2) {
            if (remaining >= 2) {
                out.append(strText, c.start, 2);
                remaining -= 2;
            } else {
                out += ' ';  // the character would straddle the last byte
                remaining = 0;
            }
        } else {
            out += c.broken ? ' ' : strText[c.start];  // never hand on half a character
            --remaining;
        }
    }
    out.append(static_cast<size_t>(remaining), ' ');
    return out;
}

std::string strFitWidth(const std::string& strText, int16_t intWidth) {
    auto chars = characters(strText);
    size_t width = intWidth > 0 ? static_cast<size_t>(intWidth) : 0;
    if (chars.size() > width) return strLeftBytes(strText, intWidth);
    // A lead byte without its trail byte would take the first padding blank, or the
    // text after the field, as its trail byte: it becomes a blank, as in a cut.
    std::string out = strText;
    if (!chars.empty() && chars.back().broken) out.back() = ' ';
    out.append(width - chars.size(), ' ');
    return out;
}

}  // namespace gridmate
