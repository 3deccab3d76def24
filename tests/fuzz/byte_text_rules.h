// What cutting and fitting by bytes must give under the code page in use, stated apart
// from the code: the property test and the fuzz target hold the functions to it.
#pragma once

#include <algorithm>
#include <string>

#include "core/ini/byte_text.h"
#include "platform/platform.h"

namespace gridmate::model {

// `out` is the text's whole characters as far as they exist and fit, then blanks only:
// a double-byte character is never split, and a lead byte at the text's end (with no
// trail byte) is no character.
inline bool wholeCharactersThenBlanks(const std::string& text, const std::string& out) {
    size_t i = 0;
    while (i < text.size()) {
        size_t n = platform::codePage().isLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
        if (i + n > text.size() || i + n > out.size()) break;
        if (out.compare(i, n, text, i, n) != 0) return false;
        i += n;
    }
    return out.find_first_not_of(' ', i) == std::string::npos;
}

// A cut fills exactly the width (none for 0 or less); a fitted text is the cut when it
// has more characters than the width, else padded to exactly the width in characters.
inline bool cutAndFitHold(const std::string& text, int16_t width) {
    std::string cut = strLeftBytes(text, width), fitted = strFitWidth(text, width);
    size_t wanted = size_t(std::max<int16_t>(width, 0));
    if (cut.size() != wanted || !wholeCharactersThenBlanks(text, cut)) return false;
    if (characterCount(text) > wanted) return fitted == cut;
    return characterCount(fitted) == wanted && wholeCharactersThenBlanks(text, fitted);
}

}  // namespace gridmate::model
