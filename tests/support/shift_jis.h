// Shift-JIS lead bytes as the system code page while it lives: "\x82\xA0" is one
// double-byte character, and 0x82 followed by "A" is one too.
#pragma once

#include "platform/code_pages.h"

namespace gridmate::test {

struct ShiftJis {
    platform::LeadByteCodePage codePage{{0x81, 0x9F}, {0xE0, 0xFC}};
    platform::ScopedPlatform scoped{{nullptr, nullptr, &codePage}};
};

}  // namespace gridmate::test
