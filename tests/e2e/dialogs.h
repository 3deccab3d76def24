// The program's modal dialogs as another process meets them: message boxes and the
// system's open-file dialog (class #32770 both).
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "e2e/driver.h"

namespace gridmate::e2e {

struct MessageBoxView {
    HWND window = nullptr;
    std::string title;
    std::string text;
};

// A message box the process shows now: a dialog holding the message static (ID 0xFFFF).
std::optional<MessageBoxView> findMessageBox(DWORD processId);
// The message box the process shows within the timeout; nullopt when none comes or the
// process ends first.
std::optional<MessageBoxView> waitForMessageBox(const Process& process);
// Presses the dialog's push button with this ID (IDOK, IDCANCEL, IDYES, ...). The
// press is posted: what it starts (closing, the next box) follows a moment later.
bool pressButton(HWND dialog, int id);

// The Explorer-style open-file dialog.
class OpenFileDialog {
public:
    // The process's open-file dialog with this title, once it is shown; nullopt when
    // it does not come or the process ends first.
    static std::optional<OpenFileDialog> waitFor(const Process& process, const std::string& title);

    HWND window() const { return window_; }
    std::string title() const;
    // What the file-name box holds.
    std::string fileName() const;
    // The folder the dialog lists, asked of the dialog itself.
    std::string folder() const;
    void typeFileName(const std::string& name) const;
    bool ok() const { return pressButton(window_, IDOK); }
    bool cancel() const { return pressButton(window_, IDCANCEL); }

private:
    explicit OpenFileDialog(HWND window) : window_(window) {}
    HWND nameBox() const;
    HWND window_;
};

}  // namespace gridmate::e2e
