#include "e2e/dialogs.h"

#include <commdlg.h>
#include <dlgs.h>

#include "e2e/driver.h"
#include "e2e/remote_memory.h"

namespace gridmate::e2e {

namespace {

constexpr int kMessageStaticId = 0xFFFF;
constexpr const char* kDialogClass = "#32770";

}  // namespace

std::optional<MessageBoxView> findMessageBox(DWORD processId) {
    for (HWND window : topLevelWindows(processId)) {
        if (!IsWindowVisible(window) || className(window) != kDialogClass) continue;
        if (HWND message = GetDlgItem(window, kMessageStaticId))
            return MessageBoxView{window, text(window), text(message)};
    }
    return std::nullopt;
}

std::optional<MessageBoxView> waitForMessageBox(const Process& process) {
    std::optional<MessageBoxView> box;
    waitUntil([&] {
        box = findMessageBox(process.id());
        return box.has_value() || !process.running();
    });
    return box;
}

// Several windows of a dialog can carry one ID (the open-file dialog has more than one
// with ID 1); the button is the one to press.
bool pressButton(HWND dialog, int id) {
    HWND button = control(dialog, id, "Button");
    if (button) clickLater(button);
    return button != nullptr;
}

std::optional<OpenFileDialog> OpenFileDialog::waitFor(const Process& process,
                                                      const std::string& title) {
    HWND found = nullptr;
    waitUntil([&] {
        found = findShownWindow(process.id(), title, kDialogClass);
        return (found && control(found, cmb13)) || !process.running();
    });
    if (!found || !control(found, cmb13)) return std::nullopt;
    return OpenFileDialog(found);
}

std::string OpenFileDialog::title() const { return text(window_); }

// The name box is an edit inside a combo box inside the extended combo box cmb13.
HWND OpenFileDialog::nameBox() const {
    HWND combo = control(window_, cmb13);
    return combo ? descendantOfClass(combo, "Edit") : nullptr;
}

std::string OpenFileDialog::fileName() const {
    HWND box = nameBox();
    return box ? text(box) : std::string();
}

std::string OpenFileDialog::folder() const {
    DWORD processId = 0;
    GetWindowThreadProcessId(window_, &processId);
    RemoteMemory buffer(processId, MAX_PATH);
    if (!buffer.address()) return {};
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window_, CDM_GETFOLDERPATH, MAX_PATH,
                        reinterpret_cast<LPARAM>(buffer.address()), SMTO_ABORTIFHUNG, 5000,
                        &result);
    return buffer.readText();
}

void OpenFileDialog::typeFileName(const std::string& name) const {
    if (HWND box = nameBox())
        SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
}

}  // namespace gridmate::e2e
