// Path text, and the names read from game files that become parts of paths.
#include "platform/paths.h"

#include <gtest/gtest.h>

#include "support/shift_jis.h"

using namespace gridmate::platform;

TEST(Paths, JoinParentAndNameMeetAtExactlyOneSeparator) {
    for (auto [path, parent, name] : {std::tuple{"/games/gpl/gpl.exe", "/games/gpl", "gpl.exe"},
                                      {"/gpl.exe", "/", "gpl.exe"}, {"/games/gpl//", "/games", "gpl"},
                                      {"gpl.exe", "", "gpl.exe"}})
        EXPECT_EQ(parentFolder(path) + "|" + fileName(path), std::string(parent) + "|" + name) << path;
    EXPECT_EQ(joinPath("/games/gpl//", "/app.ini"), "/games/gpl/app.ini");
    EXPECT_EQ(joinPath("/", "app.ini"), "/app.ini");
    EXPECT_EQ(joinPath("", "app.ini"), "app.ini");
}

TEST(Paths, PlainNamesCannotLeaveTheirFolder) {
    EXPECT_TRUE(isPlainName("N\xFCrburgring 67") && isValidFileName("N\xFCrburgring 67"));
    for (const char* bad : {"", ".", "..", "../x", "a/b", "a\\b", "C:x", "\\\\server"})
        EXPECT_FALSE(isPlainName(bad)) << bad;
    for (const char* bad : {"a?b", "a*", "x<y", "x>y", "q\"", "p|q", "trail.", "trail ", "tab\t", ".."})
        EXPECT_FALSE(isValidFileName(bad)) << bad;
}

// In Shift-JIS the second byte of a character may be 0x5C ("\\") or 0x7C ("|").
TEST(Paths, ASecondByteIsNeverASeparatorOrAForbiddenCharacter) {
    EXPECT_FALSE(isPlainName("\x95\x5C"));
    gridmate::test::ShiftJis shiftJis;
    EXPECT_TRUE(isPlainName("\x95\x5C") && isValidFileName("\x95\x5C\x83\x7C"));
    EXPECT_FALSE(isValidFileName("\x95\x5C|"));
}
