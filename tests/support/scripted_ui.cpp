#include "support/scripted_ui.h"

#include "platform/posix/ui_posix.h"

namespace gridmate::test {

namespace {
template <typename T>
std::optional<T> takeFront(std::deque<T>& queue) {
    if (queue.empty()) return std::nullopt;
    T front = std::move(queue.front());
    queue.pop_front();
    return front;
}
}  // namespace

std::vector<std::string> ScriptedUi::messageTexts() const {
    std::vector<std::string> texts;
    for (const auto& m : messages) texts.push_back(m.text);
    return texts;
}

platform::Answer ScriptedUi::messageBox(const platform::MessageBoxRequest& request) {
    messages.push_back(request);
    if (auto answer = takeFront(answers)) return *answer;
    return platform::defaultAnswer(request);
}

std::optional<std::string> ScriptedUi::openFile(const platform::OpenFileRequest& request) {
    fileDialogs.push_back(request);
    if (auto pick = takeFront(filePicks)) return *pick;
    return std::nullopt;
}

std::optional<std::string> ScriptedUi::clipboardText() { return clipboard; }
int ScriptedUi::screenWidthTwips() { return screenWidth; }
int ScriptedUi::screenHeightTwips() { return screenHeight; }

void ScriptedUi::setWaitCursor(bool on) {
    waitCursor = on;
    waitCursorChanges.push_back(on);
}

intptr_t ScriptedUi::shellOpen(const std::string& file, const std::string& parameters,
                               const std::string& workingFolder) {
    shellOpens.push_back({file, parameters, workingFolder});
    return takeFront(shellOpenResults).value_or(42);
}

intptr_t ScriptedUi::findExecutable(const std::string& file, std::string& rawResult) {
    findExecutableFiles.push_back(file);
    FindExecutableResult result = takeFront(findExecutableResults).value_or(FindExecutableResult{});
    rawResult = result.rawResult;
    return result.code;
}

bool ScriptedUi::hasIcon(const std::string& program) {
    for (const auto& p : programsWithIcons)
        if (p == program) return true;
    return false;
}

}  // namespace gridmate::test
