// The version reader on random bytes, as an image and as a bare version resource: the
// sanitizers stop any read outside the bytes.
#include <cstdint>

#include "platform/posix/pe_image.h"
#include "platform/posix/version_resource.h"

using namespace gridmate::platform;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (std::string_view resource : {versionResourceOf(bytes).value_or(""), bytes})
        stringValueIn(resource, firstTranslationIn(resource).value_or(VersionInfo::Translation{0x0409, 1200}), "PrivateBuild");
    return 0;
}
