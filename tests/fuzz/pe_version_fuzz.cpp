// The version reader on random bytes, as an executable image and as a bare version
// resource: no read outside the bytes, a found resource lies inside the image, and a
// string value ends at its first NUL and never holds one.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "platform/posix/pe_image.h"
#include "platform/posix/version_resource.h"

using namespace gridmate::platform;

namespace {

void readResource(std::string_view resource) {
    std::optional<VersionInfo::Translation> first = firstTranslationIn(resource);
    // The translation the file names, and the one the program asks about by default.
    VersionInfo::Translation usEnglish{0x0409, 1200};
    for (const VersionInfo::Translation& t : {first.value_or(usEnglish), usEnglish}) {
        for (const char* name : {"PrivateBuild", "CompanyName", "FileVersion", ""}) {
            std::optional<std::string> value = stringValueIn(resource, t, name);
            if (value) FUZZ_CHECK(value->find('\0') == std::string::npos);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (std::optional<std::string_view> resource = versionResourceOf(bytes)) {
        FUZZ_CHECK(resource->data() >= bytes.data() &&
                   resource->data() + resource->size() <= bytes.data() + bytes.size());
        readResource(*resource);
    }
    readResource(bytes);
    return 0;
}
