// The game INI engine on any bytes: a write gives what the line model gives. The input is
// NUL-separated fields: "w" (else a read), the section's name, key, value, then the file.
#include <cstdlib>

#include "core/ini/ini_text.h"
#include "ini_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size), field[4];
    for (std::string& f : field) {
        f = text.substr(0, text.find('\0'));
        text.erase(0, f.size() + 1);
    }
    const std::string header = "[" + field[1] + "]", key = field[2], line = key + "=" + field[3];
    if (field[0] != "w")
        gridmate::readIniText(text, header, key);
    else if (gridmate::patchIniText(text, header, key, line) != gridmate::model::patch(text, header, key, line))
        std::abort();
    return 0;
}
