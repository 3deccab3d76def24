// A stand-in for the game's executables in the demo and the tests: it appends its full
// command line as one line to launched.txt beside itself, so that what a launch passed
// can be checked. Started by a person (GRIDMATE_STUB_QUIET unset) it also shows that
// command line in a small window.
#include <windows.h>

#include <string>

namespace {

std::wstring besideMe(const wchar_t* name) {
    wchar_t self[MAX_PATH * 4] = {};
    DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH * 4);
    std::wstring path(self, length);
    size_t slash = path.find_last_of(L"\\/");
    return path.substr(0, slash == std::wstring::npos ? 0 : slash + 1) + name;
}

std::wstring ownName() {
    std::wstring path = besideMe(L"");
    wchar_t self[MAX_PATH * 4] = {};
    DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH * 4);
    return std::wstring(self + path.size(), length - path.size());
}

void appendLine(const std::wstring& file, const char* text) {
    HANDLE h = CreateFileW(file.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return;
    std::string line = std::string(text) + "\r\n";
    DWORD written = 0;
    WriteFile(h, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(h);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const char* commandLine = GetCommandLineA();
    appendLine(besideMe(L"launched.txt"), commandLine);
    if (GetEnvironmentVariableW(L"GRIDMATE_STUB_QUIET", nullptr, 0) > 0) return 0;
    std::wstring title = ownName() + L" (stand-in for the game) was started with";
    MessageBoxW(nullptr, GetCommandLineW(), title.c_str(), MB_OK | MB_ICONINFORMATION);
    return 0;
}
