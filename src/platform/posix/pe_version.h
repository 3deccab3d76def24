// Version resources read from the file's own bytes, for systems without the Windows
// version functions. Gives what GetFileVersionInfoA and VerQueryValueA give for the
// same file; a damaged or foreign file simply has no version information.
#pragma once

#include "platform/platform.h"

namespace gridmate::platform {

class PeVersionInfo : public VersionInfo {
public:
    std::optional<Translation> firstTranslation(const std::string& path) override;
    std::optional<std::string> stringValue(const std::string& path, const Translation& translation,
                                           const std::string& name) override;
    std::optional<std::string> firstTranslationValue(const std::string& path,
                                                     const std::string& name) override;
};

}  // namespace gridmate::platform
