#include "platform/win32/code_page_win32.h"

#include <windows.h>

namespace gridmate::platform {

// The system's lead bytes and its folding of each character of one byte, asked once.
Win32CodePage::Win32CodePage() {
    for (int b = 0; b < 256; ++b) {
        lead_[b] = IsDBCSLeadByte(static_cast<BYTE>(b)) != 0;
        char c = static_cast<char>(b);
        if (b != 0 && !lead_[b]) CharLowerBuffA(&c, 1);
        lower_[b] = static_cast<unsigned char>(c);
    }
}

}  // namespace gridmate::platform
