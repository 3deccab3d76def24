// Version resources through the system's own functions (GetFileVersionInfoA and
// VerQueryValueA), which is what the Windows build of the program uses.
#pragma once

#include "platform/platform.h"

namespace gridmate::platform {

class Win32VersionInfo : public VersionInfo {
public:
    std::optional<Translation> firstTranslation(const std::string& path) override;
    std::optional<std::string> stringValue(const std::string& path, const Translation& translation,
                                           const std::string& name) override;
    // Both questions from one read of the file.
    std::optional<std::string> firstTranslationValue(const std::string& path,
                                                     const std::string& name) override;
};

}  // namespace gridmate::platform
