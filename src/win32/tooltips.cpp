#include "win32/tooltips.h"

#include <vector>

namespace gridmate::win32 {

Tooltips::~Tooltips() {
    if (window_ && IsWindow(window_)) DestroyWindow(window_);
}

void Tooltips::create(HWND owner) {
    // No prefix processing: tips are shown as written, "&" included.
    window_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                              WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
}

TOOLINFOA Tooltips::toolFor(HWND control) const {
    TOOLINFOA tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    return tool;
}

void Tooltips::set(HWND control, const std::string& text) {
    if (!window_) return;
    if (text.empty()) {
        forget(control);
        return;
    }
    TOOLINFOA tool = toolFor(control);
    std::string copy = text;  // the message takes a non-const pointer
    tool.lpszText = copy.data();
    if (tools_.count(control)) {
        SendMessageA(window_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    } else if (SendMessageA(window_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool))) {
        tools_.insert(control);
    }
}

std::string Tooltips::text(HWND control) const {
    if (!window_ || !tools_.count(control)) return {};
    // Tips are short; the control copies at most 80 characters without a size.
    std::vector<char> buffer(1024, '\0');
    TOOLINFOA tool = toolFor(control);
    tool.lpszText = buffer.data();
    SendMessageA(window_, TTM_GETTEXTA, buffer.size(), reinterpret_cast<LPARAM>(&tool));
    return buffer.data();
}

void Tooltips::forget(HWND control) {
    if (!window_ || !tools_.erase(control)) return;
    TOOLINFOA tool = toolFor(control);
    SendMessageA(window_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void Tooltips::relay(const MSG& message) const {
    if (!window_) return;
    bool mouse = message.message == WM_MOUSEMOVE ||
                 (message.message >= WM_LBUTTONDOWN && message.message <= WM_MBUTTONUP);
    if (!mouse || !tools_.count(message.hwnd)) return;
    MSG copy = message;  // the message takes a non-const pointer
    SendMessageA(window_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&copy));
}

}  // namespace gridmate::win32
