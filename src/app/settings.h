// The program's own options: section "gridmate" of tarmac.ini beside the executable,
// a plain profile file. Writes that fail are silent: the next start simply sees the
// old values or the defaults.
#pragma once

#include <string>

namespace gridmate::app {

class Settings {
public:
    explicit Settings(std::string file) : file_(std::move(file)) {}

    // The key's value, or "" when the key or the file is missing.
    std::string strGetSetting(const std::string& key) const;
    // False when the file could not be written; callers stay silent about it.
    bool SetSetting(const std::string& key, const std::string& value) const;
    void DeleteSetting(const std::string& key) const;

    const std::string& file() const { return file_; }

private:
    std::string file_;
};

// tarmac.ini in the folder of the running program.
std::string defaultSettingsFile();

}  // namespace gridmate::app
