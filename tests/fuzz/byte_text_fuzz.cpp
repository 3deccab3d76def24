// Cutting and fitting on any bytes under two double-byte code pages (byte_text_rules.h).
#include <cstdlib>

#include "byte_text_rules.h"
#include "platform/code_pages.h"

// Shift-JIS, and a code page where nearly every byte above ASCII leads (as in GBK).
gridmate::platform::LeadByteCodePage shiftJis{{0x81, 0x9F}, {0xE0, 0xFC}}, wide{{0x81, 0xFE}};

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    gridmate::platform::ScopedPlatform scoped({nullptr, nullptr, (data[0] & 1) ? &wide : &shiftJis});
    std::string text(reinterpret_cast<const char*>(data + 3), size - 3);
    for (auto w : {int(static_cast<int8_t>(data[1]) * 4 + (data[2] & 3)), int(text.size()),
                   int(gridmate::characterCount(text))})
        if (!gridmate::model::cutAndFitHold(text, int16_t(w))) std::abort();
    return 0;
}
