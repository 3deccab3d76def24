// The editor's adds and removes through the system's profile functions: the same files
// as through the program's own profile writer, and sections moved whole.
#include <gtest/gtest.h>

#include "core/tracksets/track_editor.h"
#include "platform/posix/profile_text.h"
#include "platform/win32/profile_win32.h"
#include "support/schedule_files.h"
#include "support/temp_folder.h"

using namespace gridmate;
using namespace gridmate::test;

namespace {

// Adds database event 2 to a set of two, then removes the first event, and returns the
// set's bytes after each step.
std::vector<std::string> edit(platform::Profile& profile, const TempFolder& temp,
                              const std::string& folder) {
    platform::Platform p;
    p.profile = &profile;
    platform::ScopedPlatform scoped(p);
    EventSpec longOne = event("rouen", 2);
    longOne.name = std::string(600, 'R');
    std::string set = temp.write(folder + "/set.67s",
                                 "; kept\r\n" + scheduleText({event("spa", 1), longOne}) +
                                     "comment=" + std::string(300, 'c') + "\r\n");
    std::string db = temp.write(folder + "/db.67s", scheduleText({event("spa", 1), event("monza", 7)}));
    std::vector<std::string> states;
    EXPECT_EQ(addTrack(set, db, TrackRecord{"monza GP", "monza", "monza", 2}), EditResult::Written);
    states.push_back(readBytes(set));
    EXPECT_EQ(removeTrack(set, 0), EditResult::Written);
    states.push_back(readBytes(set));
    return states;
}

}  // namespace

TEST(TrackEditorOnWindows, SystemProfileGivesTheSameFilesAsOurOwnWriter) {
    TempFolder temp;
    platform::Win32Profile system;
    platform::TextProfile own;
    std::vector<std::string> bySystem = edit(system, temp, "system");
    std::vector<std::string> byOwn = edit(own, temp, "own");
    EXPECT_EQ(bySystem, byOwn);
    ASSERT_EQ(bySystem.size(), 2u);
    const std::string& last = bySystem[1];
    EXPECT_EQ(last.substr(0, 8), "; kept\r\n");
    EXPECT_NE(last.find("[Event1]\r\nname=" + std::string(600, 'R') + "\r\n"), std::string::npos);
    EXPECT_NE(last.find("comment=" + std::string(300, 'c') + "\r\n"), std::string::npos);
    EXPECT_NE(last.find("[Event2]\r\nname=monza GP\r\n"), std::string::npos);
    EXPECT_EQ(last.find("[Event3]"), std::string::npos);
    EXPECT_NE(last.find("numEvents=2\r\n"), std::string::npos);
}
