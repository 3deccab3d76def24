#include "launch/launcher.h"

#include "ui/model_types.h"

namespace gridmate::launch {

std::string launcherKey(int index) { return "Launch" + std::to_string(index); }

std::string strCleanExePath(const std::string& raw) {
    size_t nul = raw.find('\0');
    if (nul == std::string::npos) return raw;
    std::string text = raw;
    if (nul + 1 < text.size() && text[nul + 1] != '\0') text[nul] = ' ';
    text = text.substr(0, text.find('\0'));
    while (!text.empty() && text.back() == ' ') text.pop_back();
    if (!text.empty() && text.back() == '"') {
        text.pop_back();
        while (!text.empty() && text.back() == ' ') text.pop_back();
    }
    return text;
}

std::string findExecutableMessage(intptr_t result) {
    switch (result) {
        case 0: return "not enough memory";
        case 2: return "file not found";
        case 3: return "path not found";
        case 31: return "no associate";
        default: {
            // A non-negative number is shown with a leading blank, as Str() writes it.
            std::string text = result >= 0 ? " " : "";
            text += std::to_string(result);
            text += ":error. check your file";
            return text;
        }
    }
}

RightClick rightClickAction(int shift) {
    return shift == ui::CtrlKey ? RightClick::Clear : RightClick::Choose;
}

}  // namespace gridmate::launch
