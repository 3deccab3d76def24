// The user through the Windows desktop: message boxes, the open-file dialog, the
// clipboard, the screen and the shell, all with ANSI text as the program holds it.
#pragma once

#include <windows.h>

#include "platform/platform.h"

namespace gridmate::platform {

class Win32Ui : public Ui {
public:
    // Boxes and dialogs belong to this window (none until the main window exists), so
    // that they stay in front of it and it waits for them.
    void setOwner(void* window) { owner_ = static_cast<HWND>(window); }

    Answer messageBox(const MessageBoxRequest& request) override;
    std::optional<std::string> openFile(const OpenFileRequest& request) override;
    std::optional<std::string> clipboardText() override;
    int screenWidthTwips() override;
    int screenHeightTwips() override;
    void setWaitCursor(bool on) override;
    intptr_t shellOpen(const std::string& file, const std::string& parameters,
                       const std::string& workingFolder) override;
    intptr_t findExecutable(const std::string& file, std::string& rawResult) override;
    bool hasIcon(const std::string& program) override;

private:
    HWND owner_ = nullptr;
};

}  // namespace gridmate::platform
