// Cutting and fitting text by bytes under a double-byte code page: a cut fills exactly
// the asked width, keeps a whole-character prefix of the text, and never ends in half a
// character; a fitted text is never wider in characters than asked.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/ini/byte_text.h"
#include "fuzz_check.h"
#include "platform/code_pages.h"

using namespace gridmate;

namespace {

// Shift-JIS, and a code page where nearly every byte above ASCII leads (as in GBK).
const platform::LeadByteCodePage kShiftJis{{0x81, 0x9F}, {0xE0, 0xFC}};
const platform::LeadByteCodePage kWide{{0x81, 0xFE}};

// The byte offsets where characters of `text` start, and its end.
std::vector<size_t> boundaries(const platform::CodePage& cp, const std::string& text) {
    std::vector<size_t> out;
    size_t i = 0;
    while (i < text.size()) {
        out.push_back(i);
        i += (cp.isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ? 2 : 1;
    }
    out.push_back(text.size());
    return out;
}

bool endsInLoneLeadByte(const platform::CodePage& cp, const std::string& text) {
    std::vector<size_t> b = boundaries(cp, text);
    return b.size() >= 2 && b[b.size() - 1] - b[b.size() - 2] == 1 &&
           cp.isLeadByte(static_cast<unsigned char>(text.back()));
}

bool isBoundary(const platform::CodePage& cp, const std::string& text, size_t at) {
    std::vector<size_t> b = boundaries(cp, text);
    return std::find(b.begin(), b.end(), at) != b.end();
}

void checkLeftBytes(const platform::CodePage& cp, const std::string& text, int16_t width) {
    std::string cut = strLeftBytes(text, width);
    if (width <= 0) {
        FUZZ_CHECK(cut.empty());
        return;
    }
    FUZZ_CHECK(cut.size() == static_cast<size_t>(width));
    FUZZ_CHECK(!endsInLoneLeadByte(cp, cut));
    // The text's whole characters up to some boundary, then blanks only.
    size_t kept = 0;
    while (kept < cut.size() && kept < text.size() && cut[kept] == text[kept]) ++kept;
    while (!isBoundary(cp, text, kept) || (kept == text.size() && kept > 0 &&
                                           endsInLoneLeadByte(cp, text)))
        --kept;
    FUZZ_CHECK(cut.find_first_not_of(' ', kept) == std::string::npos);
}

void checkFitWidth(const platform::CodePage& cp, const std::string& text, int16_t width) {
    std::string fitted = strFitWidth(text, width);
    size_t wanted = width > 0 ? static_cast<size_t>(width) : 0;
    FUZZ_CHECK(!endsInLoneLeadByte(cp, fitted));
    if (characterCount(text) > wanted) {
        FUZZ_CHECK(fitted == strLeftBytes(text, width));
    } else {
        FUZZ_CHECK(characterCount(fitted) == wanted);
        FUZZ_CHECK(fitted.size() == text.size() + (wanted - characterCount(text)));
        // The text's bytes stay, but for a lone lead byte at its end.
        size_t kept = endsInLoneLeadByte(cp, text) ? text.size() - 1 : text.size();
        FUZZ_CHECK(fitted.compare(0, kept, text, 0, kept) == 0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    const platform::CodePage& cp = (data[0] & 1) ? kWide : kShiftJis;
    // Widths beyond a few hundred bytes only make the run slower.
    auto width = static_cast<int16_t>(static_cast<int8_t>(data[1]) * 4 + (data[2] & 3));
    std::string text(reinterpret_cast<const char*>(data + 3), size - 3);

    platform::ScopedPlatform scoped({nullptr, nullptr, const_cast<platform::CodePage*>(&cp),
                                     nullptr, nullptr});
    checkLeftBytes(cp, text, width);
    checkFitWidth(cp, text, width);
    checkLeftBytes(cp, text, static_cast<int16_t>(text.size()));
    checkFitWidth(cp, text, static_cast<int16_t>(characterCount(text)));
    return 0;
}
