// A Ui for tests: it records everything the program asks of the user and answers from
// queues that the test fills beforehand.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace gridmate::test {

class ScriptedUi : public platform::Ui {
public:
    struct ShellOpenCall {
        std::string file;
        std::string parameters;
        std::string workingFolder;
    };
    struct FindExecutableResult {
        intptr_t code = 31;     // no association
        std::string rawResult;  // the 260-byte buffer as the system fills it
    };

    // --- what the test scripts ---
    // Answers for the next message boxes in order; an empty queue takes the default button.
    std::deque<platform::Answer> answers;
    // Picks for the next open-file dialogs: a path, or nullopt for a cancel. An empty queue
    // cancels.
    std::deque<std::optional<std::string>> filePicks;
    // Results of the next shellOpen calls; an empty queue gives 42 (success).
    std::deque<intptr_t> shellOpenResults;
    // Results of the next findExecutable calls; an empty queue gives 31 and "".
    std::deque<FindExecutableResult> findExecutableResults;
    std::optional<std::string> clipboard;
    // Programs that hold an icon.
    std::vector<std::string> programsWithIcons;
    int screenWidth = 1024 * 15;  // twips
    int screenHeight = 768 * 15;

    // --- what the program did ---
    std::vector<platform::MessageBoxRequest> messages;
    std::vector<platform::OpenFileRequest> fileDialogs;
    std::vector<ShellOpenCall> shellOpens;
    std::vector<std::string> findExecutableFiles;
    std::vector<bool> waitCursorChanges;
    bool waitCursor = false;

    // The text of every message box, in order, for compact assertions.
    std::vector<std::string> messageTexts() const;

    platform::Answer messageBox(const platform::MessageBoxRequest& request) override;
    std::optional<std::string> openFile(const platform::OpenFileRequest& request) override;
    std::optional<std::string> clipboardText() override;
    int screenWidthTwips() override;
    int screenHeightTwips() override;
    void setWaitCursor(bool on) override;
    intptr_t shellOpen(const std::string& file, const std::string& parameters,
                       const std::string& workingFolder) override;
    intptr_t findExecutable(const std::string& file, std::string& rawResult) override;
    bool hasIcon(const std::string& program) override;
};

}  // namespace gridmate::test
