#include "e2e/driver.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "e2e/remote_memory.h"

namespace gridmate::e2e {

namespace {

// A message to another process must not hang the driver if the program hangs:
// the case then fails on its next check instead of running into CTest's timeout.
constexpr UINT kSendTimeoutMs = 5000;

LRESULT sendA(HWND window, UINT message, WPARAM w, LPARAM l) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, w, l, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
    return static_cast<LRESULT>(result);
}

LRESULT sendW(HWND window, UINT message, WPARAM w, LPARAM l) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, w, l, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
    return static_cast<LRESULT>(result);
}

std::string ansi(const std::wstring& wide) {
    if (wide.empty()) return {};
    int n =
        WideCharToMultiByte(CP_ACP, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string out(size_t(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), int(wide.size()), out.data(), n, nullptr, nullptr);
    return out;
}

struct WindowSearch {
    DWORD processId = 0;
    std::vector<HWND> found;
};

BOOL CALLBACK collectTopLevel(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId) search->found.push_back(window);
    return TRUE;
}

BOOL CALLBACK collectChild(HWND window, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

// Every descendant: EnumChildWindows walks the children of children as well.
std::vector<HWND> descendants(HWND parent) {
    std::vector<HWND> found;
    EnumChildWindows(parent, collectChild, reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

Process::Process(const std::string& exe, const std::string& folder) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + exe + "\"";
    if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info_))
        throw std::runtime_error("cannot start " + exe + " (error " +
                                 std::to_string(GetLastError()) + ")");
}

Process::~Process() {
    if (running()) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, DWORD(kTimeout.count()));
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool Process::running() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

std::optional<DWORD> Process::waitForExit(milliseconds timeout) const {
    if (WaitForSingleObject(info_.hProcess, DWORD(timeout.count())) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

std::vector<HWND> topLevelWindows(DWORD processId) {
    WindowSearch search{processId, {}};
    EnumWindows(collectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND findShownWindow(DWORD processId, const std::string& caption, const std::string& klass) {
    for (HWND window : topLevelWindows(processId)) {
        if (!IsWindowVisible(window)) continue;
        if (!klass.empty() && className(window) != klass) continue;
        if (text(window) == caption) return window;
    }
    return nullptr;
}

std::vector<HWND> shownWindowsCaptioned(const std::string& caption) {
    std::vector<HWND> found;
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT))
        if (IsWindowVisible(window) && text(window) == caption) found.push_back(window);
    return found;
}

std::string className(HWND window) {
    char name[256] = {};
    int n = GetClassNameA(window, name, sizeof name);
    return std::string(name, size_t(std::max(n, 0)));
}

std::string text(HWND window) {
    LRESULT length = sendA(window, WM_GETTEXTLENGTH, 0, 0);
    std::string buffer(size_t(length) + 1, '\0');
    LRESULT copied =
        sendA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    buffer.resize(size_t(std::clamp<LRESULT>(copied, 0, length)));
    return buffer;
}

HWND control(HWND top, int id) {
    for (HWND window : descendants(top))
        if (GetDlgCtrlID(window) == id) return window;
    return nullptr;
}

HWND control(HWND top, int id, const std::string& klass) {
    for (HWND window : descendants(top))
        if (GetDlgCtrlID(window) == id && className(window) == klass) return window;
    return nullptr;
}

HWND descendantOfClass(HWND parent, const std::string& klass) {
    for (HWND window : descendants(parent))
        if (className(window) == klass) return window;
    return nullptr;
}

bool isChecked(HWND button) { return sendA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

RECT windowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

int rectWidth(const RECT& r) { return r.right - r.left; }
int rectHeight(const RECT& r) { return r.bottom - r.top; }

// GetDpiForWindow exists from Windows 10 on; older systems have one DPI for all.
int windowDpi(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow)
        if (UINT dpi = getDpiForWindow(window)) return int(dpi);
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

int twipsToPixels(int twips, int dpi) { return MulDiv(twips, dpi, 1440); }

int comboCount(HWND combo) { return int(sendA(combo, CB_GETCOUNT, 0, 0)); }

int comboSelection(HWND combo) { return int(sendA(combo, CB_GETCURSEL, 0, 0)); }

std::string comboItem(HWND combo, int index) {
    LRESULT length = sendW(combo, CB_GETLBTEXTLEN, WPARAM(index), 0);
    if (length == CB_ERR) return {};
    std::wstring buffer(size_t(length) + 1, L'\0');
    LRESULT copied =
        sendW(combo, CB_GETLBTEXT, WPARAM(index), reinterpret_cast<LPARAM>(buffer.data()));
    buffer.resize(size_t(std::clamp<LRESULT>(copied, 0, length)));
    return ansi(buffer);
}

void selectComboItem(HWND combo, int index) {
    sendA(combo, CB_SETCURSEL, WPARAM(index), 0);
    sendA(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
          reinterpret_cast<LPARAM>(combo));
}

void selectComboItemLater(HWND combo, int index) {
    sendA(combo, CB_SETCURSEL, WPARAM(index), 0);
    PostMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

int listCount(HWND list) { return int(sendA(list, LB_GETCOUNT, 0, 0)); }

int listSelection(HWND list) { return int(sendA(list, LB_GETCURSEL, 0, 0)); }

std::string listItem(HWND list, int index) {
    LRESULT length = sendW(list, LB_GETTEXTLEN, WPARAM(index), 0);
    if (length == LB_ERR) return {};
    std::wstring buffer(size_t(length) + 1, L'\0');
    LRESULT copied =
        sendW(list, LB_GETTEXT, WPARAM(index), reinterpret_cast<LPARAM>(buffer.data()));
    buffer.resize(size_t(std::clamp<LRESULT>(copied, 0, length)));
    return ansi(buffer);
}

void selectListItem(HWND list, int index) {
    sendA(list, LB_SETCURSEL, WPARAM(index), 0);
    sendA(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
          reinterpret_cast<LPARAM>(list));
}

void scroll(HWND bar, int request) {
    UINT message = (GetWindowLongA(bar, GWL_STYLE) & SBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
    HWND owner = GetParent(bar);
    sendA(owner, message, MAKEWPARAM(request, 0), reinterpret_cast<LPARAM>(bar));
    sendA(owner, message, MAKEWPARAM(SB_ENDSCROLL, 0), reinterpret_cast<LPARAM>(bar));
}

int scrollPosition(HWND bar) { return int(sendA(bar, SBM_GETPOS, 0, 0)); }

std::pair<int, int> selection(HWND edit) {
    // The two positions come back as the halves of the result: no pointers to carry
    // across processes.
    LRESULT both = sendA(edit, EM_GETSEL, 0, 0);
    return {int(LOWORD(both)), int(HIWORD(both))};
}

void click(HWND button) { sendA(button, BM_CLICK, 0, 0); }

void clickLater(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

// SetFocus moves the focus of another thread's window only while the two threads
// share their input state.
void rightClickLater(HWND button) {
    RECT r{};
    GetClientRect(button, &r);
    PostMessageA(button, WM_RBUTTONUP, 0, MAKELPARAM(r.right / 2, r.bottom / 2));
}

void typeText(HWND edit, const std::string& text) {
    sendA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void typeKeys(HWND edit, const std::string& text) {
    sendA(edit, EM_SETSEL, 0, -1);
    for (unsigned char c : text) sendA(edit, WM_CHAR, WPARAM(c), 1);
}

HeldKeys::HeldKeys(HWND window, std::initializer_list<int> virtualKeys)
    : self_(GetCurrentThreadId()), target_(GetWindowThreadProcessId(window, nullptr)) {
    AttachThreadInput(self_, target_, TRUE);
    GetKeyboardState(before_);
    BYTE held[256];
    std::memcpy(held, before_, sizeof held);
    for (int key : virtualKeys) held[key] = 0x80;
    SetKeyboardState(held);
}

HeldKeys::~HeldKeys() {
    SetKeyboardState(before_);
    AttachThreadInput(self_, target_, FALSE);
}

HANDLE buttonImage(HWND button) {
    return reinterpret_cast<HANDLE>(sendA(button, BM_GETIMAGE, IMAGE_BITMAP, 0));
}

namespace {

// The tooltip window a process made for its controls.
HWND toolTipWindowOf(HWND control) {
    DWORD processId = 0;
    GetWindowThreadProcessId(control, &processId);
    for (HWND window : topLevelWindows(processId))
        if (className(window) == TOOLTIPS_CLASSA) return window;
    return nullptr;
}

}  // namespace

// The tool is registered by the control's handle with its parent as owner; the answer
// is written through pointers inside the program's own memory.
std::optional<std::string> toolTipText(HWND control) {
    HWND tips = toolTipWindowOf(control);
    if (!tips) return std::nullopt;
    DWORD processId = 0;
    GetWindowThreadProcessId(control, &processId);
    constexpr size_t kTextSize = 1024;
    RemoteMemory memory(processId, sizeof(TOOLINFOA) + kTextSize);
    if (!memory.address()) return std::nullopt;
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = static_cast<char*>(memory.at(sizeof tool));
    const char nothing[1] = {};
    if (!memory.write(0, &tool, sizeof tool) || !memory.write(sizeof tool, nothing, 1))
        return std::nullopt;
    sendA(tips, TTM_GETTEXTA, kTextSize, reinterpret_cast<LPARAM>(memory.address()));
    return memory.readText(sizeof tool);
}

bool setClipboardText(const std::string& text) {
    if (!OpenClipboard(nullptr)) return false;
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    bool placed = false;
    if (block) {
        std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
        GlobalUnlock(block);
        placed = SetClipboardData(CF_TEXT, block) != nullptr;
        if (!placed) GlobalFree(block);  // the clipboard owns it only once placed
    }
    CloseClipboard();
    return placed;
}

void focus(HWND window) {
    DWORD target = GetWindowThreadProcessId(window, nullptr);
    DWORD self = GetCurrentThreadId();
    AttachThreadInput(self, target, TRUE);
    SetFocus(window);
    AttachThreadInput(self, target, FALSE);
}

void requestClose(HWND window) { PostMessageA(window, WM_CLOSE, 0, 0); }

void minimise(HWND window) { ShowWindow(window, SW_MINIMIZE); }

std::string windowsPath(const std::string& path) {
    if (path.empty() || path[0] != '/') return path;
    std::string out = "Z:" + path;
    std::replace(out.begin(), out.end(), '/', '\\');
    return out;
}

}  // namespace gridmate::e2e
