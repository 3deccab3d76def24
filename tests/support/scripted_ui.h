// A Ui for tests: it records everything the program asks of the user and answers from
// queues that the test fills beforehand.
#pragma once

#include <algorithm>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/posix/ui_posix.h"

namespace gridmate::test {

class ScriptedUi : public platform::Ui {
public:
    struct ShellOpenCall { std::string file, parameters, workingFolder; };
    struct FindExecutableResult {
        intptr_t code = 31;     // no association
        std::string rawResult;  // the 260-byte buffer as the system fills it
    };

    // What the test scripts. Empty queues answer with the default button, cancel the
    // file dialog (as a nullopt pick does), and give 42 (success), or 31 and "".
    std::deque<platform::Answer> answers;
    std::deque<std::optional<std::string>> filePicks;
    std::deque<intptr_t> shellOpenResults;
    std::deque<FindExecutableResult> findExecutableResults;
    std::optional<std::string> clipboard;
    std::vector<std::string> programsWithIcons;
    int screenWidth = 1024 * 15;  // twips
    int screenHeight = 768 * 15;

    // What the program did.
    std::vector<platform::MessageBoxRequest> messages;
    std::vector<platform::OpenFileRequest> fileDialogs;
    std::vector<ShellOpenCall> shellOpens;
    std::vector<std::string> findExecutableFiles;
    std::vector<bool> waitCursorChanges;
    bool waitCursor = false;

    // Each message box's text; each as "title | Icon Buttons[ default N] | text"; each file
    // dialog as "title | filter | pattern | initial folder[ | read-only shown]".
    std::vector<std::string> messageTexts() const {
        std::vector<std::string> texts;
        for (const auto& m : messages) texts.push_back(m.text);
        return texts;
    }
    std::vector<std::string> boxes() const {
        static const char* const icons[] = {"None", "Critical", "Question", "Exclamation", "Information"};
        static const char* const buttons[] = {"Ok", "OkCancel", "YesNo", "YesNoCancel", "RetryCancel"};
        std::vector<std::string> lines;
        for (const auto& b : messages)
            lines.push_back(b.title + " | " + icons[int(b.icon)] + " " + buttons[int(b.buttons)] +
                            (b.defaultButton ? " default " + std::to_string(b.defaultButton) : "") + " | " + b.text);
        return lines;
    }
    std::vector<std::string> dialogs() const {
        std::vector<std::string> lines;
        for (const auto& d : fileDialogs)
            lines.push_back(d.title + " | " + d.filterDescription + " | " + d.filterPattern + " | " +
                            d.initialFolder + (d.hideReadOnly ? "" : " | read-only shown"));
        return lines;
    }

    platform::Answer messageBox(const platform::MessageBoxRequest& request) override {
        messages.push_back(request);
        return take(answers).value_or(platform::defaultAnswer(request));
    }
    std::optional<std::string> openFile(const platform::OpenFileRequest& request) override {
        fileDialogs.push_back(request);
        return take(filePicks).value_or(std::nullopt);
    }
    std::optional<std::string> clipboardText() override { return clipboard; }
    int screenWidthTwips() override { return screenWidth; }
    int screenHeightTwips() override { return screenHeight; }
    void setWaitCursor(bool on) override { waitCursorChanges.push_back(waitCursor = on); }
    intptr_t shellOpen(const std::string& file, const std::string& parameters,
                       const std::string& folder) override {
        shellOpens.push_back({file, parameters, folder});
        return take(shellOpenResults).value_or(42);
    }
    intptr_t findExecutable(const std::string& file, std::string& rawResult) override {
        findExecutableFiles.push_back(file);
        auto result = take(findExecutableResults).value_or(FindExecutableResult{});
        rawResult = result.rawResult;
        return result.code;
    }
    bool hasIcon(const std::string& program) override {
        return std::count(programsWithIcons.begin(), programsWithIcons.end(), program) > 0;
    }

private:
    template <typename T>
    static std::optional<T> take(std::deque<T>& queue) {
        if (queue.empty()) return std::nullopt;
        std::optional<T> front = std::move(queue.front());
        queue.pop_front();
        return front;
    }
};

}  // namespace gridmate::test
