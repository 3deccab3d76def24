// How a running copy of the program is found on Windows: a named mutex tells that one
// runs, and its main window is the top-level window of our class with the caption.
#pragma once

#include <windows.h>

#include "app/startup.h"

namespace gridmate::win32 {

class Win32InstanceLookup : public app::InstanceLookup {
public:
    // Takes the mutex for the life of this copy, so that later copies see it.
    Win32InstanceLookup();
    ~Win32InstanceLookup() override;
    Win32InstanceLookup(const Win32InstanceLookup&) = delete;
    Win32InstanceLookup& operator=(const Win32InstanceLookup&) = delete;

    bool previousInstance() override { return previousInstance_; }
    void* findWindow(const std::string& caption) override;
    bool isIconic(void* window) override;
    void showNormal(void* window) override;
    void setForeground(void* window) override;

private:
    HANDLE mutex_ = nullptr;
    bool previousInstance_ = false;
};

}  // namespace gridmate::win32
