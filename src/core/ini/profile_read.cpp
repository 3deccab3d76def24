#include "core/ini/profile_read.h"

#include <algorithm>

#include "platform/platform.h"

namespace gridmate {

std::string strGetProfileString(const std::string& strFile, const std::string& strSection,
                                const std::string& strKey, const std::string& strDefault) {
    std::string value = platform::profile().getString(strFile, strSection, strKey, strDefault);
    value.erase(std::remove(value.begin(), value.end(), '\0'), value.end());
    return value;
}

}  // namespace gridmate
