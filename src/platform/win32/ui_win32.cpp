#include "platform/win32/ui_win32.h"

#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>
#include <cstring>

#include "platform/win32/text_win32.h"

namespace gridmate::platform {

namespace {

UINT iconFlag(Icon icon) {
    switch (icon) {
        case Icon::Critical: return MB_ICONERROR;
        case Icon::Question: return MB_ICONQUESTION;
        case Icon::Exclamation: return MB_ICONEXCLAMATION;
        case Icon::Information: return MB_ICONINFORMATION;
        case Icon::None: break;
    }
    return 0;
}

UINT buttonsFlag(Buttons buttons) {
    switch (buttons) {
        case Buttons::OkCancel: return MB_OKCANCEL;
        case Buttons::YesNo: return MB_YESNO;
        case Buttons::YesNoCancel: return MB_YESNOCANCEL;
        case Buttons::RetryCancel: return MB_RETRYCANCEL;
        case Buttons::Ok: break;
    }
    return MB_OK;
}

UINT defaultButtonFlag(int index) {
    static const UINT flags[] = {MB_DEFBUTTON1, MB_DEFBUTTON2, MB_DEFBUTTON3, MB_DEFBUTTON4};
    return index > 0 && index < 4 ? flags[index] : MB_DEFBUTTON1;
}

// What a box answers when it could not be shown: the same as when the user closes it.
Answer dismissed(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok: return Answer::Ok;
        case Buttons::YesNo: return Answer::No;
        default: return Answer::Cancel;
    }
}

bool isFolder(const std::string& path) {
    DWORD attributes = GetFileAttributesW(widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool isFile(const std::string& path) {
    DWORD attributes = GetFileAttributesW(widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

class ClipboardLock {
public:
    explicit ClipboardLock(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~ClipboardLock() {
        if (open_) CloseClipboard();
    }
    ClipboardLock(const ClipboardLock&) = delete;
    ClipboardLock& operator=(const ClipboardLock&) = delete;
    bool open() const { return open_; }

private:
    bool open_;
};

int screenTwips(int metric, int dpiIndex) {
    int pixels = GetSystemMetrics(metric);
    HDC screen = GetDC(nullptr);
    int dpi = screen ? GetDeviceCaps(screen, dpiIndex) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    if (dpi <= 0) dpi = 96;
    return pixels * 1440 / dpi;
}

const char* orNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

Answer Win32Ui::messageBox(const MessageBoxRequest& request) {
    UINT flags = iconFlag(request.icon) | buttonsFlag(request.buttons) |
                 defaultButtonFlag(request.defaultButton);
    switch (MessageBoxA(owner_, request.text.c_str(), request.title.c_str(), flags)) {
        case IDOK: return Answer::Ok;
        case IDCANCEL: return Answer::Cancel;
        case IDYES: return Answer::Yes;
        case IDNO: return Answer::No;
        case IDRETRY: return Answer::Retry;
        default: return dismissed(request.buttons);
    }
}

std::optional<std::string> Win32Ui::openFile(const OpenFileRequest& request) {
    std::string filter = request.filterDescription + '\0' + request.filterPattern + '\0' + '\0';
    char file[MAX_PATH] = {};
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = sizeof file;
    dialog.lpstrTitle = orNull(request.title);
    dialog.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR;
    if (request.hideReadOnly) dialog.Flags |= OFN_HIDEREADONLY;
    // A folder opens the dialog there; a file path opens its folder with the file chosen.
    if (isFolder(request.initialFolder)) {
        dialog.lpstrInitialDir = request.initialFolder.c_str();
    } else {
        size_t n = std::min(request.initialFolder.size(), sizeof file - 1);
        std::memcpy(file, request.initialFolder.data(), n);
    }
    if (!GetOpenFileNameA(&dialog)) return std::nullopt;
    std::string picked = file;
    // The dialog lets a name be typed that names no file; nothing can be opened then.
    if (!isFile(picked)) return std::nullopt;
    return picked;
}

std::optional<std::string> Win32Ui::clipboardText() {
    ClipboardLock clipboard(owner_);
    if (!clipboard.open() || !IsClipboardFormatAvailable(CF_TEXT)) return std::nullopt;
    HANDLE data = GetClipboardData(CF_TEXT);
    if (!data) return std::nullopt;
    const char* text = static_cast<const char*>(GlobalLock(data));
    if (!text) return std::nullopt;
    // The block may be larger than the text; the text ends at its first NUL.
    size_t size = GlobalSize(data);
    std::string result(text, strnlen(text, size));
    GlobalUnlock(data);
    return result;
}

int Win32Ui::screenWidthTwips() { return screenTwips(SM_CXSCREEN, LOGPIXELSX); }
int Win32Ui::screenHeightTwips() { return screenTwips(SM_CYSCREEN, LOGPIXELSY); }

void Win32Ui::setWaitCursor(bool on) { SetCursor(LoadCursor(nullptr, on ? IDC_WAIT : IDC_ARROW)); }

intptr_t Win32Ui::shellOpen(const std::string& file, const std::string& parameters,
                            const std::string& workingFolder) {
    HINSTANCE result = ShellExecuteA(owner_, "Open", file.c_str(), orNull(parameters),
                                     orNull(workingFolder), SW_SHOWNORMAL);
    return reinterpret_cast<intptr_t>(result);
}

intptr_t Win32Ui::findExecutable(const std::string& file, std::string& rawResult) {
    char found[MAX_PATH] = {};
    HINSTANCE result = FindExecutableA(file.c_str(), "c:\\", found);
    rawResult.assign(found, sizeof found);
    return reinterpret_cast<intptr_t>(result);
}

bool Win32Ui::hasIcon(const std::string& program) {
    HICON small = nullptr;
    UINT found = ExtractIconExA(program.c_str(), 0, nullptr, &small, 1);
    if (small) DestroyIcon(small);
    return found > 0 && small != nullptr;
}

}  // namespace gridmate::platform
