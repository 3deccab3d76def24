#include "platform/platform.h"

namespace gridmate::platform {

unsigned char CodePage::lowerByte(unsigned char byte) const {
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

std::string CodePage::lowerCase(std::string_view text) const {
    std::string out(text);
    for (size_t i = 0; i < out.size();) {
        size_t size = characterSize(out, i);
        if (size == 1) out[i] = static_cast<char>(lowerByte(static_cast<unsigned char>(out[i])));
        i += size;
    }
    return out;
}

}  // namespace gridmate::platform
