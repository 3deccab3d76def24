#include "win32/instance_lookup_win32.h"

#include "win32/native_window.h"

namespace gridmate::win32 {

namespace {
// One name for every version: the caption tells the versions apart.
constexpr char kMutexName[] = "Gridmate.RunningInstance";
}

Win32InstanceLookup::Win32InstanceLookup() {
    mutex_ = CreateMutexA(nullptr, FALSE, kMutexName);
    previousInstance_ = mutex_ && GetLastError() == ERROR_ALREADY_EXISTS;
}

Win32InstanceLookup::~Win32InstanceLookup() {
    if (mutex_) CloseHandle(mutex_);
}

void* Win32InstanceLookup::findWindow(const std::string& caption) {
    return FindWindowA(kMainWindowClass, caption.c_str());
}

bool Win32InstanceLookup::isIconic(void* window) {
    return IsIconic(static_cast<HWND>(window)) != FALSE;
}

void Win32InstanceLookup::showNormal(void* window) {
    ShowWindow(static_cast<HWND>(window), SW_SHOWNORMAL);
}

void Win32InstanceLookup::setForeground(void* window) {
    SetForegroundWindow(static_cast<HWND>(window));
}

}  // namespace gridmate::win32
