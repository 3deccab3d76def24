// Our own profile files: a row per rule the Windows differential holds to the system's.
#include "platform/posix/profile_text.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

using namespace gridmate::platform;
using namespace std::string_literals;

// A read gives the value, a section read its lines joined by "|", a write the file after.
TEST(TextProfileTest, ReadsAndWritesFollowTheSystemsRulesAndNulBytesEndNames) {
    enum Op { Read, Section, Write, DeleteKey, DeleteSection };
    const std::tuple<std::string, Op, std::string, std::string, std::string, std::string> cases[] = {
        {"[ E1 ]\r\n  \t\r\n\t num \t=\t 12 \t\r\n", Read, "\te1\x1A", " NUM ", "d", "12"},
        {"[S]\r\nb=1\r\naa=2\r\nab=3\r\n[s]\r\nc=4", Read, "S", "ab", "d", "3"},
        {"[S]\ra=\"x y\"\rb=''\rc=\"abc\r", Read, "S", "a", "", "x y"},
        {"[S]\ra=\"x y\"\rb=''\rc=\"abc\r", Read, "S", "b", "d", ""},
        {"[S]\ra=\"x y\"\rb=''\rc=\"abc\r", Read, "S", "c", "", "\"abc"},
        {"[S]\r\n;c=1\r\nk=1 ; tail\r\nbare\r\n=v\r\n", Section, "s", "", "", "k=1 ; tail|bare|=v"},
        {"top\n[ S ]\n  a = 1 \n; note\n\n\n[T]\r\nb=2\r\n\r\n", Write, "s", "A", "9",
         "top\r\n[S]\r\na=9\r\n; note\r\n[T]\r\nb=2\r\n"},
        {"[S]\r\n\0\r\na\0b=2\r\n[c\0d]\r\ne=3\r\n"s, Write, "S", "k", "2", "[S]\r\n\r\na=2\r\nk=2\r\n[c]\r\ne=3\r\n"},
        {"[S]\nk = v\n", Write, "s", "K", "  v", "[S]\nk = v\n"},  // no change, no write
        {"[S]\r\na=1\r\n[s]\r\nb=4\r\n", DeleteKey, "S", "b", "", "[S]\r\na=1\r\n[s]\r\n"},  // in any namesake
        {"g=1\r\n[S]\r\na=1\r\n[T]\r\n[s]\r\na=3\r\n", DeleteSection, "s", "", "", "g=1\r\n[T]\r\n[s]\r\na=3\r\n"}};
    for (const auto& [before, op, section, key, value, expected] : cases) {
        gridmate::test::TempFolder folder;
        std::string f = folder.write("t.ini", before), got;
        TextProfile profile;
        if (op == Read) got = profile.getString(f, section, key, value);
        if (op == Section)
            for (const std::string& line : profile.getSection(f, section)) got += (got.empty() ? "" : "|") + line;
        if (op == Write) { EXPECT_TRUE(profile.writeString(f, section, key, value)); }
        if (op == DeleteKey) { EXPECT_TRUE(profile.writeString(f, section, key, std::nullopt)); }
        if (op == DeleteSection) { EXPECT_TRUE(profile.writeString(f, section, std::nullopt, std::nullopt)); }
        EXPECT_EQ(op <= Section ? got : gridmate::test::readBytes(f), expected) << before;
    }
}

// A file that is there but cannot be read (a folder stands there) is never replaced.
TEST(TextProfileTest, AFileThatCannotBeReadIsNeverReplaced) {
    gridmate::test::TempFolder folder;
    EXPECT_FALSE(TextProfile().writeString(folder.folder("u.ini"), "S", "k", "v"));
    EXPECT_EQ(gridmate::test::listing(folder.path()), "u.ini");
}
