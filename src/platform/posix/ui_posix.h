// The portable build has no desktop: message boxes go to standard error and answer
// with their default button, dialogs are cancelled, the shell finds nothing.
#pragma once

#include "platform/platform.h"

namespace gridmate::platform {

class ConsoleUi : public Ui {
public:
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
};

// The answer a message box gives when its default button is taken.
Answer defaultAnswer(const MessageBoxRequest& request);

}  // namespace gridmate::platform
