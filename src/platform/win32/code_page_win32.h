// The system's ANSI code page decides which bytes start a double-byte character.
#pragma once

#include "platform/platform.h"

namespace gridmate::platform {

class Win32CodePage : public CodePage {
public:
    bool isLeadByte(unsigned char byte) const override;
};

}  // namespace gridmate::platform
