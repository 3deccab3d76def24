// The program's start: hand over to a running copy, or load the main window, show it
// and run until it closes.
#include <windows.h>

#include "app/pitboard.h"
#include "app/settings.h"
#include "app/startup.h"
#include "platform/platform.h"
#include "platform/win32/ui_win32.h"
#include "win32/control_id_table.h"
#include "win32/instance_lookup_win32.h"
#include "win32/modal_host_win32.h"
#include "win32/native_window.h"

using namespace gridmate;

namespace {

platform::Win32Ui* desktop() { return dynamic_cast<platform::Win32Ui*>(&platform::ui()); }

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    win32::Win32InstanceLookup lookup;
    if (app::Main(lookup) == app::StartDecision::HandedOver) return 0;

    app::Settings settings(app::defaultSettingsFile());
    app::Pitboard pitboard(settings);
    // The load runs before the window exists, as a form loads before it is shown; it
    // may end the program (no game folder chosen) before anything appears.
    if (!pitboard.Form_Load()) return 0;

    win32::NativeWindow::Options options;
    options.controlId = [](const ui::Control& control) {
        return win32::pitboardControlId(control.name(), control.index());
    };
    options.onDestroyed = [] { PostQuitMessage(0); };
    win32::NativeWindow window(pitboard.form(), options);
    if (!window.handle()) return 1;

    // Message boxes and dialogs belong to the main window from now on.
    if (platform::Win32Ui* ui = desktop()) ui->setOwner(window.handle());
    win32::Win32ModalHost modalHost(window.handle());
    pitboard.modalHost = &modalHost;
    pitboard.form().show();
    int exitCode = win32::runMessageLoop(window);
    if (platform::Win32Ui* ui = desktop()) ui->setOwner(nullptr);
    return exitCode;
}
