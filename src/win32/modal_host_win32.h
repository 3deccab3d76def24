// Modal windows of the program: the window's controls are created, its owner is
// disabled, and a nested message loop runs until the window is hidden or closed.
#pragma once

#include <windows.h>

#include "app/modal_host.h"

namespace gridmate::win32 {

class Win32ModalHost : public app::ModalHost {
public:
    explicit Win32ModalHost(HWND owner) : owner_(owner) {}
    void showModal(ui::Window& window) override;

private:
    HWND owner_;
};

}  // namespace gridmate::win32
