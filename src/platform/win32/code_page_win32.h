// The system's ANSI code page decides which bytes start a double-byte character and how
// a character of one byte folds to lower case.
#pragma once

#include "platform/platform.h"

namespace gridmate::platform {

class Win32CodePage : public CodePage {
public:
    Win32CodePage();
    bool isLeadByte(unsigned char byte) const override { return lead_[byte]; }
    unsigned char lowerByte(unsigned char byte) const override { return lower_[byte]; }

private:
    bool lead_[256];
    unsigned char lower_[256];
};

}  // namespace gridmate::platform
