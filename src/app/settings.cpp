#include "app/settings.h"

#include "core/ini/profile_read.h"
#include "platform/paths.h"
#include "platform/platform.h"

namespace gridmate::app {

namespace {
constexpr const char* kSection = "gridmate";
}

std::string Settings::strGetSetting(const std::string& key) const {
    return strGetProfileString(file_, kSection, key, "");
}

bool Settings::SetSetting(const std::string& key, const std::string& value) const {
    return platform::profile().writeString(file_, kSection, key, value);
}

void Settings::DeleteSetting(const std::string& key) const {
    platform::profile().writeString(file_, kSection, key, std::nullopt);
}

std::string defaultSettingsFile() {
    return platform::joinPath(platform::fs().programFolder(), "tarmac.ini");
}

}  // namespace gridmate::app
