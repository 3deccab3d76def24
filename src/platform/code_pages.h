// Code pages for the portable build and for tests: the Windows build asks the system.
#pragma once

#include <array>
#include <initializer_list>
#include <utility>

#include "platform/platform.h"

namespace gridmate::platform {

// Windows-1252, the ANSI code page of Western systems (and of Wine under a C or UTF-8
// locale): besides A-Z, the accented capitals and Š, Œ, Ž, Ÿ have lower-case forms.
class SingleByteCodePage : public CodePage {
public:
    bool isLeadByte(unsigned char) const override { return false; }
    unsigned char lowerByte(unsigned char byte) const override {
        switch (byte) {
            case 0x8A: return 0x9A;
            case 0x8C: return 0x9C;
            case 0x8E: return 0x9E;
            case 0x9F: return 0xFF;
            default: break;
        }
        if (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7) return static_cast<unsigned char>(byte + 0x20);
        return CodePage::lowerByte(byte);
    }
};

// A double-byte code page given by its lead-byte ranges, e.g. {{0x81, 0x9F}, {0xE0, 0xFC}}
// for 932 (Japanese); its characters of one byte fold as ASCII does.
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
