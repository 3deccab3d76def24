#include "platform/win32/code_page_win32.h"

#include <windows.h>

namespace gridmate::platform {

bool Win32CodePage::isLeadByte(unsigned char byte) const { return IsDBCSLeadByte(byte) != 0; }

}  // namespace gridmate::platform
