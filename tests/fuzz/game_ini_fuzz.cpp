// The game INI engine on any bytes: a write gives what the line model gives, a read
// stays inside the text.
#include "core/ini/ini_text.h"
#include "fuzz_input.h"
#include "ini_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    gridmate::fuzz::Fields fields(data, size);
    const bool write = fields.next() == "w";
    const std::string header = "[" + fields.next() + "]", key = fields.next();
    const std::string line = key + "=" + fields.next(), text(fields.rest);
    if (write)
        FUZZ_CHECK(gridmate::patchIniText(text, header, key, line) ==
                   gridmate::model::patch(text, header, key, line));
    else
        gridmate::readIniText(text, header, key);
    return 0;
}
