// Shift-JIS lead bytes as the system code page for one test: "\x82\xA0" is one
// double-byte character, and 0x82 followed by "A" is one too.
#pragma once

#include "platform/code_pages.h"
#include "platform/platform.h"

namespace gridmate::test {

struct ShiftJis {
    platform::LeadByteCodePage codePage{{0x81, 0x9F}, {0xE0, 0xFC}};
    platform::ScopedPlatform scoped{[this] {
        platform::Platform p;
        p.codePage = &codePage;
        return p;
    }()};
};

}  // namespace gridmate::test
