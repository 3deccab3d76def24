#include <cstdio>

#include "platform/posix/ui_posix.h"

namespace gridmate::platform {

Answer defaultAnswer(const MessageBoxRequest& request) {
    static const Answer first[] = {Answer::Ok, Answer::Ok, Answer::Yes, Answer::Yes,
                                   Answer::Retry};
    static const Answer second[] = {Answer::Ok, Answer::Cancel, Answer::No, Answer::No,
                                    Answer::Cancel};
    auto kind = static_cast<size_t>(request.buttons);
    if (request.defaultButton == 1) return second[kind];
    if (request.defaultButton == 2 && request.buttons == Buttons::YesNoCancel)
        return Answer::Cancel;
    return first[kind];
}

Answer ConsoleUi::messageBox(const MessageBoxRequest& request) {
    std::fprintf(stderr, "[%s] %s\n", request.title.c_str(), request.text.c_str());
    return defaultAnswer(request);
}

std::optional<std::string> ConsoleUi::openFile(const OpenFileRequest&) { return std::nullopt; }
std::optional<std::string> ConsoleUi::clipboardText() { return std::nullopt; }
int ConsoleUi::screenWidthTwips() { return 1024 * 15; }
int ConsoleUi::screenHeightTwips() { return 768 * 15; }
void ConsoleUi::setWaitCursor(bool) {}
intptr_t ConsoleUi::shellOpen(const std::string&, const std::string&, const std::string&) {
    return 2;  // file not found: there is no shell
}
intptr_t ConsoleUi::findExecutable(const std::string&, std::string& rawResult) {
    rawResult.clear();
    return 31;  // no association
}

bool ConsoleUi::hasIcon(const std::string&) { return false; }

}  // namespace gridmate::platform
