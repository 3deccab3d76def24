// Reads a version resource (the VS_VERSIONINFO block tree) as the system's version
// functions do: the translation list and the string tables of each translation.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace gridmate::platform {

// The first entry of "\VarFileInfo\Translation".
std::optional<VersionInfo::Translation> firstTranslationIn(std::string_view resource);

// The string `name` of the table "\StringFileInfo\LLLLCCCC" of `translation`, in the
// ANSI code page: characters below 256 keep their value, others become '?'. The text
// ends at its first NUL character.
std::optional<std::string> stringValueIn(std::string_view resource,
                                         const VersionInfo::Translation& translation,
                                         std::string_view name);

}  // namespace gridmate::platform
