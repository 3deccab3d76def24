#include "platform/win32/text_win32.h"

#include <windows.h>

namespace gridmate::platform {

std::wstring widen(const std::string& text) {
    if (text.empty()) return {};
    int size = static_cast<int>(text.size());
    int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string narrow(const std::wstring& text, bool* lossy) {
    if (lossy) *lossy = false;
    if (text.empty()) return {};
    int size = static_cast<int>(text.size());
    int length = WideCharToMultiByte(CP_ACP, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(length), '\0');
    BOOL usedDefault = FALSE;
    WideCharToMultiByte(CP_ACP, 0, text.data(), size, bytes.data(), length, nullptr,
                        &usedDefault);
    if (lossy) *lossy = usedDefault != FALSE;
    return bytes;
}

}  // namespace gridmate::platform
