#include "win32/modal_host_win32.h"

#include "platform/platform.h"
#include "platform/win32/ui_win32.h"
#include "win32/control_id_table.h"
#include "win32/native_window.h"

namespace gridmate::win32 {

namespace {

platform::Win32Ui* desktop() { return dynamic_cast<platform::Win32Ui*>(&platform::ui()); }

// Message boxes and file dialogs opened while the modal window shows belong to it.
class OwnerSwitch {
public:
    OwnerSwitch(HWND now, HWND after) : after_(after) {
        if (auto* ui = desktop()) ui->setOwner(now);
    }
    ~OwnerSwitch() {
        if (auto* ui = desktop()) ui->setOwner(after_);
    }
    OwnerSwitch(const OwnerSwitch&) = delete;
    OwnerSwitch& operator=(const OwnerSwitch&) = delete;

private:
    HWND after_;
};

}  // namespace

void Win32ModalHost::showModal(ui::Window& window) {
    NativeWindow::Options options;
    options.windowClass = kDialogClass;
    options.owner = owner_;
    options.dialog = true;
    std::string windowName = window.name();
    options.controlId = [windowName](const ui::Control& control) {
        return windowControlId(windowName, control.name(), control.index());
    };
    NativeWindow dialog(window, options);
    if (!dialog.handle()) return;

    OwnerSwitch ownership(dialog.handle(), owner_);
    if (owner_) EnableWindow(owner_, FALSE);
    window.show();
    // The window may be hidden while a message another thread or program sent is handled
    // (a test driver's click): such messages are handled inside PeekMessage, so the
    // condition is checked after each one, and the wait wakes for them too.
    MSG message{};
    bool quit = false;
    auto open = [&] { return window.visible() && !window.closed(); };
    while (open() && !quit) {
        while (open() && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                quit = true;  // handed on to the main loop below
                break;
            }
            if (dialog.translateDialogMessage(message)) continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (open() && !quit)
            MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
    if (owner_) {
        EnableWindow(owner_, TRUE);
        SetActiveWindow(owner_);
    }
    window.hide();
    if (quit) PostQuitMessage(static_cast<int>(message.wParam));
}

}  // namespace gridmate::win32
