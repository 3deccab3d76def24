// What cutting and fitting by bytes must give under the code page in use, stated apart
// from the code for the property test and the fuzz target.
#pragma once

#include <algorithm>

#include "core/ini/byte_text.h"
#include "platform/platform.h"

namespace gridmate::model {

// The text's whole characters as far as they fit (a lead byte ending it is none), then blanks.
inline bool wholeCharactersThenBlanks(const std::string& text, const std::string& out) {
    size_t i = 0;
    for (size_t n = 1; i < text.size(); i += n) {
        n = platform::codePage().isLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
        if (i + n > text.size() || i + n > out.size()) break;
        if (out.compare(i, n, text, i, n) != 0) return false;
    }
    return out.find_first_not_of(' ', i) == std::string::npos;
}

// A cut fills the width exactly; a fit is the cut of a longer text, else as wide in characters.
inline bool cutAndFitHold(const std::string& text, int16_t width) {
    std::string cut = strLeftBytes(text, width), fitted = strFitWidth(text, width);
    size_t wanted = size_t(std::max<int16_t>(width, 0));
    if (cut.size() != wanted || !wholeCharactersThenBlanks(text, cut)) return false;
    if (characterCount(text) > wanted) return fitted == cut;
    return characterCount(fitted) == wanted && wholeCharactersThenBlanks(text, fitted);
}

}  // namespace gridmate::model
