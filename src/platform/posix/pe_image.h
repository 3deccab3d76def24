// Finds the version resource inside a Windows executable image (PE32 or PE32+) read
// as bytes, without the system's loader.
#pragma once

#include <optional>
#include <string_view>

namespace gridmate::platform {

// The bytes of the image's version resource (type 16, id 1, in the language a US
// English system prefers), as the system's version functions pick it; nullopt when the image has
// none or is not a well-formed PE image. The result is a view into `image`.
std::optional<std::string_view> versionResourceOf(std::string_view image);

}  // namespace gridmate::platform
