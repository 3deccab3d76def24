#include "core/ini/game_ini.h"

#include "core/ini/ini_text.h"

namespace gridmate {

void reportIoError(const platform::IoError& error) {
    platform::MessageBoxRequest request;
    request.text = std::to_string(error.code) + ": " + error.description;
    request.title = "Gridmate";
    request.icon = platform::Icon::Exclamation;
    request.buttons = platform::Buttons::Ok;
    platform::ui().messageBox(request);
}

int32_t lngReadIniValue(const std::string& strFile, const std::string& strSection,
                        const std::string& strKey, std::string& strValue) {
    platform::IoError error;
    auto text = platform::fs().readFile(strFile, error);
    if (!text) {
        reportIoError(error);
        return -1;
    }
    IniValue read = readIniText(*text, strSection, strKey);
    strValue = std::move(read.value);
    return read.count;
}

int32_t lngWriteIniLine(const std::string& strFile, const std::string& strSection,
                        const std::string& strKey, const std::string& strLine) {
    platform::IoError error;
    auto text = platform::fs().readFile(strFile, error);
    // writeFile replaces the whole file in one step, so a failure leaves it as it was.
    if (!text || !platform::fs().writeFile(
                     strFile, patchIniText(*text, strSection, strKey, strLine), error)) {
        reportIoError(error);
        return -1;
    }
    return 0;
}

}  // namespace gridmate
