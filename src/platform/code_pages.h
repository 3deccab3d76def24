// Code pages for the portable build and for tests: the Windows build asks the system.
#pragma once

#include <array>
#include <initializer_list>
#include <utility>

#include "platform/platform.h"

namespace gridmate::platform {

class SingleByteCodePage : public CodePage {
public:
    bool isLeadByte(unsigned char) const override { return false; }
};

// A double-byte code page given by its lead-byte ranges, e.g. {{0x81, 0x9F}, {0xE0, 0xFC}}.
class LeadByteCodePage : public CodePage {
public:
    LeadByteCodePage(std::initializer_list<std::pair<unsigned char, unsigned char>> ranges) {
        lead_.fill(false);
        for (auto [low, high] : ranges)
            for (int b = low; b <= high; ++b) lead_[static_cast<size_t>(b)] = true;
    }
    bool isLeadByte(unsigned char byte) const override { return lead_[byte]; }

private:
    std::array<bool, 256> lead_{};
};

}  // namespace gridmate::platform
