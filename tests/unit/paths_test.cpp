// Path text, and the names read from game files that become parts of paths.
#include "platform/paths.h"

#include <gtest/gtest.h>

using namespace gridmate::platform;

TEST(Paths, JoinParentAndNameMeetAtExactlyOneSeparator) {
    const std::tuple<std::string, std::string, std::string> cases[] = {  // path, parent, name
        {"/games/gpl/gpl.exe", "/games/gpl", "gpl.exe"}, {"/gpl.exe", "/", "gpl.exe"},
        {"/games/gpl//", "/games", "gpl"}, {"gpl.exe", "", "gpl.exe"}};
    for (const auto& [path, parent, name] : cases) {
        EXPECT_EQ(parentFolder(path), parent) << path;
        EXPECT_EQ(fileName(path), name) << path;
    }
    EXPECT_EQ(joinPath("/games/gpl//", "/app.ini"), "/games/gpl/app.ini");
    EXPECT_EQ(joinPath("/", "app.ini"), "/app.ini");
    EXPECT_EQ(joinPath("", "app.ini"), "app.ini");
}

TEST(Paths, PlainNamesCannotLeaveTheirFolder) {
    for (const char* good : {"monza", "N\xFCrburgring 67"})
        EXPECT_TRUE(isPlainName(good) && isValidFileName(good)) << good;
    for (const char* bad : {"", ".", "..", "../x", "a/b", "a\\b", "C:x", "\\\\server"})
        EXPECT_FALSE(isPlainName(bad)) << bad;
    for (const char* bad : {"a?b", "a*", "x<y", "x>y", "q\"", "p|q", "trail.", "trail ", "tab\t", ".."})
        EXPECT_FALSE(isValidFileName(bad)) << bad;
}
