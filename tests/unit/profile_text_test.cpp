// Our own profile files, natively: a row for each rule that the Windows differential
// holds to the system's functions, so that a fault shows without Wine too.
#include "platform/posix/profile_text.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

using namespace gridmate::platform;
using namespace std::string_literals;
using gridmate::test::readBytes;

// A read gives the value, a section read its lines joined by "|", a write the file after.
TEST(TextProfileTest, ReadsAndWritesFollowTheSystemsRulesNulBytesEndingNames) {
    enum Op { Read, Section, Write, DeleteSection, WriteSection };
    const std::tuple<std::string, Op, std::string, std::string, std::string, std::string> cases[] = {
        {"[ Event1 ]\r\n  \t\r\n\t numEvents \t=\t 12 \t\r\n", Read, "\tEVENT1\x1A", " NumEvents ", "d", "12"},
        {"[S]\r\nb=1\r\naa=2\r\nab=3\r\n[s]\r\nc=4", Read, "S", "ab", "d", "3"},
        {"[S]\r\nb=1\r\naa=2\r\nab=3\r\n[s]\r\nc=4", Read, "s", "c", "d  ", "d"},  // the first "s" only
        {"[S]\ra=\"x y\"\rb=''\rc=\"abc\r", Read, "S", "a", "", "x y"},
        {"[S]\ra=\"x y\"\rb=''\rc=\"abc\r", Read, "S", "b", "d", ""},
        {"[S]\ra=\"x y\"\rb=''\rc=\"abc\r", Read, "S", "c", "", "\"abc"},
        {"[S]\r\n;c=1\r\nk=1 ; tail\r\nbare\r\n=v\r\n", Section, "s", "", "", "k=1 ; tail|bare|=v"},
        {"top\n[ S ]\n  a = 1 \n; note\n\n\nbare\n[T]\r\nb=2\r\n\r\n", Write, "s", "A", "9",
         "top\r\n[S]\r\na=9\r\n; note\r\nbare\r\n[T]\r\nb=2\r\n"},
        {"[S]\r\n\0\r\nk=1\r\na\0b=2\r\n[c\0d]\r\ne=3\r\n"s, Write, "S", "k", "2", "[S]\r\n\r\nk=2\r\na=2\r\n[c]\r\ne=3\r\n"},
        {"[S]\nk = v\n", Write, "s", "K", "  v", "[S]\nk = v\n"},  // no change, no write
        {"", Write, "Season", "numEvents", "3", "[Season]\r\nnumEvents=3\r\n"},
        {"g=1\r\n[S]\r\na=1\r\n[T]\r\n[s]\r\na=3\r\n", DeleteSection, "s", "", "", "g=1\r\n[T]\r\n[s]\r\na=3\r\n"},
        {"[S]\r\na=1\r\n[s]\r\nb=4\r\n[T]\r\n", WriteSection, "S", "", "", "[S]\r\na =1 \r\nx=2\r\n[s]\r\n[T]\r\n"}};
    for (const auto& [before, op, section, key, value, expected] : cases) {
        gridmate::test::TempFolder folder;
        std::string f = before.empty() ? folder.file("t.ini") : folder.write("t.ini", before), got;
        TextProfile profile;
        if (op == Read) got = profile.getString(f, section, key, value);
        for (const std::string& line : op == Section ? profile.getSection(f, section) : std::vector<std::string>{})
            got += (got.empty() ? "" : "|") + line;
        if (op == Write) EXPECT_TRUE(profile.writeString(f, section, key, value));
        if (op == DeleteSection) EXPECT_TRUE(profile.writeString(f, section, std::nullopt, std::nullopt));
        // The list ends at an empty line; lines without "=" are dropped.
        if (op == WriteSection) EXPECT_TRUE(profile.writeSection(f, section, {" a = 1 ", "bare", "x=2", "", "y=3"}));
        EXPECT_EQ(op <= Section ? got : readBytes(f), expected) << before;
    }
}

// The first write creates the file but not its folder; a deletion in a missing file
// creates nothing; a file that cannot be read (a folder stands there) is never replaced.
TEST(TextProfileTest, AFileThatCannotBeReadIsNeverReplaced) {
    gridmate::test::TempFolder folder;
    TextProfile profile;
    EXPECT_FALSE(profile.writeString(folder.file("no/such/x.ini"), "S", "k", "v"));
    EXPECT_TRUE(profile.writeString(folder.file("none.ini"), "S", "k", std::nullopt));
    EXPECT_FALSE(profile.writeString(folder.folder("u.ini"), "S", "k", "v"));
    EXPECT_EQ(gridmate::test::listing(folder.path()), "u.ini");
}
