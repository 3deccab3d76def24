// Profile files read and written by this program itself, through platform::fs(), with
// the behaviour of the system's profile functions (see ProfileDocument). Each call reads
// the file afresh; a reader that asks for many keys parses once with ProfileDocument.
#pragma once

#include "platform/platform.h"

namespace gridmate::platform {

class TextProfile : public Profile {
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
