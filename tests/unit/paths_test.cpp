#include <gtest/gtest.h>

#include "platform/paths.h"

using namespace gridmate::platform;

TEST(Paths, JoinPutsExactlyOneSeparatorBetweenTheParts) {
    EXPECT_EQ(joinPath("/games/gpl", "app.ini"), "/games/gpl/app.ini");
    EXPECT_EQ(joinPath("/games/gpl/", "app.ini"), "/games/gpl/app.ini");
    EXPECT_EQ(joinPath("/games/gpl//", "/app.ini"), "/games/gpl/app.ini");
    EXPECT_EQ(joinPath("/", "app.ini"), "/app.ini");
    EXPECT_EQ(joinPath("", "app.ini"), "app.ini");
}

TEST(Paths, ParentAndNameSplitAtTheLastSeparator) {
    EXPECT_EQ(parentFolder("/games/gpl/gpl.exe"), "/games/gpl");
    EXPECT_EQ(parentFolder("/gpl.exe"), "/");
    EXPECT_EQ(parentFolder("gpl.exe"), "");
    EXPECT_EQ(fileName("/games/gpl/gpl.exe"), "gpl.exe");
    EXPECT_EQ(fileName("gpl.exe"), "gpl.exe");
    EXPECT_EQ(fileName("/games/gpl/"), "gpl");
}

TEST(Paths, PlainNamesCannotLeaveTheirFolder) {
    EXPECT_TRUE(isPlainName("monza"));
    EXPECT_TRUE(isPlainName("Nürburgring 67"));
    for (const char* bad : {"", ".", "..", "../x", "a/b", "a\\b", "C:x", "\\\\server"})
        EXPECT_FALSE(isPlainName(bad)) << bad;
}

TEST(Paths, FileNamesRefuseWhatWindowsForbids) {
    EXPECT_TRUE(isValidFileName("my set"));
    for (const char* bad : {"a?b", "a*", "x<y", "x>y", "q\"", "p|q", "trail.", "trail ", "tab\t"})
        EXPECT_FALSE(isValidFileName(bad)) << bad;
}
