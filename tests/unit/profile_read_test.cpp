#include "core/ini/profile_read.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/platform.h"

using namespace gridmate;

namespace {
// Answers from a map keyed by "file|section|key"; records the default it was given.
struct MapProfile : platform::Profile {
    std::map<std::string, std::string> values;
    std::string lastDefault;
    std::string getString(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& def) override {
        lastDefault = def;
        auto it = values.find(file + "|" + section + "|" + key);
        return it == values.end() ? def : it->second;
    }
    bool writeString(const std::string&, const std::string&, const std::optional<std::string>&,
                     const std::optional<std::string>&) override {
        return false;
    }
    std::vector<std::string> getSection(const std::string&, const std::string&) override {
        return {};
    }
    bool writeSection(const std::string&, const std::string&,
                      const std::vector<std::string>&) override {
        return false;
    }
};
}  // namespace

TEST(ProfileRead, ValuesComeWholeWithoutNulCharacters) {
    MapProfile profile;
    platform::Platform p;
    p.profile = &profile;
    platform::ScopedPlatform guard{p};
    std::string longName(300, 'x');
    profile.values["t.ini|tracks|long"] = longName;
    profile.values["t.ini|tracks|nul"] = std::string("mon\0za", 6);
    EXPECT_EQ(strGetProfileString("t.ini", "tracks", "long", ""), longName);
    EXPECT_EQ(strGetProfileString("t.ini", "tracks", "nul", ""), "monza");
    EXPECT_EQ(strGetProfileString("t.ini", "tracks", "missing", ""), "");
    EXPECT_EQ(strGetProfileString("t.ini", "tracks", "missing", "dflt"), "dflt");
    EXPECT_EQ(profile.lastDefault, "dflt");
}
