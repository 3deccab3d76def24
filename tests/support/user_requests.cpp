#include "support/user_requests.h"

namespace gridmate::test {

std::string describe(const platform::MessageBoxRequest& box) {
    static const char* const icons[] = {"None", "Critical", "Question", "Exclamation",
                                        "Information"};
    static const char* const buttons[] = {"Ok", "OkCancel", "YesNo", "YesNoCancel",
                                          "RetryCancel"};
    std::string line = box.title + " | " + icons[static_cast<int>(box.icon)] + " " +
                       buttons[static_cast<int>(box.buttons)];
    if (box.defaultButton != 0) line += " default " + std::to_string(box.defaultButton);
    return line + " | " + box.text;
}

std::vector<std::string> boxes(const ScriptedUi& ui) {
    std::vector<std::string> lines;
    for (const auto& box : ui.messages) lines.push_back(describe(box));
    return lines;
}

std::string describe(const platform::OpenFileRequest& dialog) {
    return dialog.title + " | " + dialog.filterDescription + " | " + dialog.filterPattern +
           " | " + dialog.initialFolder + (dialog.hideReadOnly ? "" : " | read-only shown");
}

std::vector<std::string> dialogs(const ScriptedUi& ui) {
    std::vector<std::string> lines;
    for (const auto& dialog : ui.fileDialogs) lines.push_back(describe(dialog));
    return lines;
}

}  // namespace gridmate::test
