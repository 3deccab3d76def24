// Profile files through the system's own profile functions (GetPrivateProfileStringA
// and friends), with values and sections read whole however long they are.
#pragma once

#include "platform/platform.h"

namespace gridmate::platform {

class Win32Profile : public Profile {
public:
    std::string getString(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& def) override;
    bool writeString(const std::string& file, const std::string& section,
                     const std::optional<std::string>& key,
                     const std::optional<std::string>& value) override;
    std::vector<std::string> getSection(const std::string& file,
                                        const std::string& section) override;
    bool writeSection(const std::string& file, const std::string& section,
                      const std::vector<std::string>& lines) override;
};

}  // namespace gridmate::platform
