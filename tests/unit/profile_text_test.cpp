#include "platform/posix/profile_text.h"

#include <gtest/gtest.h>

#include "platform/posix/profile_document.h"
#include "support/temp_folder.h"

using namespace gridmate::platform;
using gridmate::test::readBytes;
using gridmate::test::TempFolder;
using Lines = std::vector<std::string>;
using namespace std::string_literals;

namespace {

class TextProfileTest : public ::testing::Test {
protected:
    std::string file(const std::string& bytes) { return folder.write("t.ini", bytes); }
    std::string path() const { return folder.file("t.ini"); }

    TempFolder folder{"profile"};
    TextProfile profile;
};

}  // namespace

TEST_F(TextProfileTest, NamesMatchWithoutAsciiCaseAndBlanksAroundThem) {
    auto f = file("[ Event1 ]\r\n\t numEvents \t=\t 12 \t\r\n");
    EXPECT_EQ(profile.getString(f, "event1", "numevents", "d"), "12");
    EXPECT_EQ(profile.getString(f, "\tEVENT1\x1A", " NumEvents ", "d"), "12");
    // Accented letters of the code page do not fold.
    auto g = file("[\xC9t\xE9]\r\nk=1\r\n");
    EXPECT_EQ(profile.getString(g, "\xC9t\xE9", "K", "d"), "1");
    EXPECT_EQ(profile.getString(g, "\xE9t\xE9", "k", "d"), "d");
}

TEST_F(TextProfileTest, MatchingQuotesAreDroppedOthersKept) {
    auto f = file(
        "[S]\r\na=\"x y\"\r\nb='q'\r\nc=\"\r\nd=\"\"\r\ne=\"abc\r\nf=\"ab'\r\n"
        "g= \" s \" \r\nh=\"a\"b\"\r\n");
    EXPECT_EQ(profile.getString(f, "S", "a", ""), "x y");
    EXPECT_EQ(profile.getString(f, "S", "b", ""), "q");
    EXPECT_EQ(profile.getString(f, "S", "c", ""), "\"");
    EXPECT_EQ(profile.getString(f, "S", "d", "x"), "");
    EXPECT_EQ(profile.getString(f, "S", "e", ""), "\"abc");
    EXPECT_EQ(profile.getString(f, "S", "f", ""), "\"ab'");
    EXPECT_EQ(profile.getString(f, "S", "g", ""), " s ");
    EXPECT_EQ(profile.getString(f, "S", "h", ""), "a\"b");
}

TEST_F(TextProfileTest, FirstOfDuplicateSectionsAndKeysWins) {
    auto f = file("[S]\r\na=1\r\na=2\r\n[s]\r\na=3\r\nb=4\r\n");
    EXPECT_EQ(profile.getString(f, "S", "a", "d"), "1");
    // Only the first section is searched, even for a key it lacks.
    EXPECT_EQ(profile.getString(f, "S", "b", "d"), "d");
    EXPECT_EQ(profile.getSection(f, "s"), (Lines{"a=1", "a=2"}));
}

TEST_F(TextProfileTest, MissingThingsReadAsTheDefault) {
    auto f = file("[S]\r\nk=\r\nbare\r\n");
    EXPECT_EQ(profile.getString(folder.file("none.ini"), "S", "k", "d"), "d");
    EXPECT_EQ(profile.getSection(folder.file("none.ini"), "S"), Lines{});
    EXPECT_EQ(profile.getString(f, "T", "k", "d"), "d");
    EXPECT_EQ(profile.getString(f, "S", "x", "d"), "d");
    EXPECT_EQ(profile.getString(f, "S", "bare", "d"), "d");  // a line without "="
    EXPECT_EQ(profile.getString(f, "S", "k", "d"), "");      // an empty value is a value
    // The default loses trailing blanks (code 32 only, never its first byte) and quotes.
    EXPECT_EQ(profile.getString(f, "S", "x", "d  "), "d");
    EXPECT_EQ(profile.getString(f, "S", "x", " d \t"), " d \t");
    EXPECT_EQ(profile.getString(f, "S", "x", "   "), " ");
    EXPECT_EQ(profile.getString(f, "S", "x", "\"q\"  "), "q");
}

TEST_F(TextProfileTest, AnyLineEndWorksAndBlankLinesDoNotCount) {
    for (std::string bytes : {"[S]\r\na=1\r\n\r\n  \t\r\nb=2", "[S]\na=1\n\n\t\nb=2\n",
                              "[S]\ra=1\r\rb=2\r", "\r\n[S]\r\na=1\rb=2\n"}) {
        auto f = file(bytes);
        EXPECT_EQ(profile.getString(f, "S", "b", "d"), "2") << bytes;
        EXPECT_EQ(profile.getSection(f, "S"), (Lines{"a=1", "b=2"})) << bytes;
    }
}

TEST_F(TextProfileTest, HeadersAreTheTextUpToTheLastBracket) {
    auto f = file("top=0\r\n[S] junk\r\nk=1\r\n[T\r\n[U]]\r\nu=1\r\n  [ V w ] \r\nv=1\r\n");
    EXPECT_EQ(profile.getString(f, "", "top", "d"), "0");  // lines before the first header
    EXPECT_EQ(profile.getSection(f, "S"), (Lines{"k=1", "[T"}));
    EXPECT_EQ(profile.getString(f, "U]", "u", "d"), "1");
    EXPECT_EQ(profile.getString(f, "v w", "v", "d"), "1");
}

TEST_F(TextProfileTest, SectionListsLeaveOutCommentsAndRepeatedNamelessLines) {
    auto f = file("[S]\r\n;c=1\r\n#h=2\r\n ; d\r\nk=1 ; tail\r\nbare\r\n=v\r\n = w\r\nk2='q'\r\n");
    EXPECT_EQ(profile.getSection(f, "S"), (Lines{"#h=2", "k=1 ; tail", "bare", "=v", "k2='q'"}));
    EXPECT_EQ(profile.getString(f, "S", "", "d"), "v");
    EXPECT_EQ(profile.getString(f, "S", ";c", "d"), "1");  // a comment is still a key to a read
    // A section read, unlike a key read, does not trim the name it is given.
    EXPECT_EQ(profile.getSection(f, " S "), Lines{});
}

TEST_F(TextProfileTest, LongValuesAndSectionsAndHighBytesReadWhole) {
    std::string value(1000, 'x');
    value += "\x80\x81\x8D\xA0\xE9\xFF";
    std::string bytes = "[S]\r\nk=" + value + "\r\n";
    Lines expected{"k=" + value};
    for (int i = 0; i < 100; ++i) {
        bytes += "key" + std::to_string(i) + "=v" + std::to_string(i) + "\r\n";
        expected.push_back("key" + std::to_string(i) + "=v" + std::to_string(i));
    }
    auto f = file(bytes);
    EXPECT_EQ(profile.getString(f, "S", "k", ""), value);
    EXPECT_EQ(profile.getSection(f, "S"), expected);
}

TEST_F(TextProfileTest, ChangedFileIsWrittenBackWholeAndNormalised) {
    auto f = file("top\n[ S ]\n  a = 1 \n; note\n\n\nbare\n[T]\r\nb=2\r\n\r\n");
    EXPECT_TRUE(profile.writeString(f, "s", "A", "9"));
    EXPECT_EQ(readBytes(f), "top\r\n[S]\r\na=9\r\n; note\r\nbare\r\n[T]\r\nb=2\r\n");
}

TEST_F(TextProfileTest, NewKeysGoToTheSectionEndNewSectionsToTheFileEnd) {
    auto f = file("[S]\r\na=1\r\n;c\r\n\r\n[T]\r\nb=2");
    EXPECT_TRUE(profile.writeString(f, "S", "new", "x"));
    EXPECT_TRUE(profile.writeString(f, "U", "k", "y"));
    EXPECT_EQ(readBytes(f), "[S]\r\na=1\r\n;c\r\nnew=x\r\n[T]\r\nb=2\r\n[U]\r\nk=y\r\n");
    // Leading blanks of names and values go; trailing ones stay until the next read.
    EXPECT_TRUE(profile.writeString(f, "  V\t", " j  ", "  v  "));
    EXPECT_EQ(readBytes(f).substr(readBytes(f).find("[V")), "[V\t]\r\nj  =v  \r\n");
    EXPECT_EQ(profile.getString(f, "V", "j", "d"), "v");
}

// The first write creates the file, but not its folder; a file that cannot be read (a
// folder stands there) is never replaced.
TEST_F(TextProfileTest, FirstWriteCreatesTheFileButAnUnreadableOneIsNotReplaced) {
    std::string f = path();
    EXPECT_TRUE(profile.writeString(f, "Season", "numEvents", "3"));
    EXPECT_EQ(readBytes(f), "[Season]\r\nnumEvents=3\r\n");
    EXPECT_FALSE(profile.writeString(folder.file("no/such/x.ini"), "S", "k", "v"));
    std::string unreadable = folder.folder("u.ini");
    EXPECT_FALSE(profile.writeString(unreadable, "S", "k", "v"));
    EXPECT_EQ(profile.getString(unreadable, "S", "k", "d"), "d");
}

TEST_F(TextProfileTest, WritesThatChangeNothingLeaveTheFileAlone) {
    auto f = file("[S]\nk = v\n");
    EXPECT_TRUE(profile.writeString(f, "s", "K", "  v"));
    EXPECT_TRUE(profile.writeString(f, "S", "other", std::nullopt));
    EXPECT_TRUE(profile.writeString(f, "Other", std::nullopt, std::nullopt));
    EXPECT_TRUE(profile.writeSection(f, "Other", {"bare"}));
    EXPECT_EQ(readBytes(f), "[S]\nk = v\n");
    // Nor do they create a missing file.
    std::string missing = folder.file("none.ini");
    EXPECT_TRUE(profile.writeString(missing, "S", "k", std::nullopt));
    EXPECT_TRUE(profile.writeString(missing, "S", std::nullopt, std::nullopt));
    EXPECT_TRUE(profile.writeSection(missing, "S", {}));
    EXPECT_EQ(readBytes(missing), "<missing>");
}

TEST_F(TextProfileTest, DeletingAKeySearchesEverySectionOfThatName) {
    auto f = file("[S]\r\na=1\r\na=2\r\n[s]\r\na=3\r\nb=4\r\n");
    EXPECT_TRUE(profile.writeString(f, "S", "b", std::nullopt));
    EXPECT_EQ(readBytes(f), "[S]\r\na=1\r\na=2\r\n[s]\r\na=3\r\n");
    EXPECT_TRUE(profile.writeString(f, "S", "A", std::nullopt));
    EXPECT_EQ(readBytes(f), "[S]\r\na=2\r\n[s]\r\na=3\r\n");
    // The names of a deletion are taken as they are, blanks included.
    EXPECT_TRUE(profile.writeString(f, "S", " a", std::nullopt));
    EXPECT_EQ(readBytes(f), "[S]\r\na=2\r\n[s]\r\na=3\r\n");
}

TEST_F(TextProfileTest, DeletingASectionRemovesOnlyTheFirstOfThatName) {
    auto f = file("g=1\r\n[S]\r\na=1\r\n[T]\r\n[s]\r\na=3\r\n");
    EXPECT_TRUE(profile.writeString(f, "s", std::nullopt, "ignored"));
    EXPECT_EQ(readBytes(f), "g=1\r\n[T]\r\n[s]\r\na=3\r\n");
    EXPECT_TRUE(profile.writeString(f, "", std::nullopt, std::nullopt));
    EXPECT_EQ(readBytes(f), "[T]\r\n[s]\r\na=3\r\n");
}

TEST_F(TextProfileTest, WritingASectionEmptiesEveryNamesakeAndFillsTheFirst) {
    auto f = file("[S]\r\na=1\r\na=2\r\n[s]\r\na=3\r\nb=4\r\n[T]\r\n");
    EXPECT_TRUE(profile.writeSection(f, "S", {" a = 1 ", "b=", "=c", "bare", ";c=1", "a=2"}));
    EXPECT_EQ(readBytes(f), "[S]\r\na =1 \r\nb=\r\n=c\r\n;c=1\r\na=2\r\n[s]\r\n[T]\r\n");
    // The list ends at an empty line; a missing section is appended.
    EXPECT_TRUE(profile.writeSection(f, "New", {"x=1", "", "y=2"}));
    EXPECT_EQ(readBytes(f).substr(readBytes(f).find("[New]")), "[New]\r\nx=1\r\n");
}

TEST_F(TextProfileTest, ASectionCopiesToAnotherNameThroughItsLines) {
    auto f = file(
        "[Season]\r\nnumEvents=2\r\n[Event1]\r\nname=Monaco\r\n"
        "[Event2]\r\nname=\"Spa\"\r\nday=4\r\n");
    EXPECT_TRUE(profile.writeSection(f, "Event1", profile.getSection(f, "Event2")));
    EXPECT_TRUE(profile.writeString(f, "Event2", std::nullopt, std::nullopt));
    EXPECT_EQ(readBytes(f), "[Season]\r\nnumEvents=2\r\n[Event1]\r\nname=\"Spa\"\r\nday=4\r\n");
    EXPECT_EQ(profile.getString(f, "event1", "NAME", ""), "Spa");
}

TEST_F(TextProfileTest, Utf8MarkerIsKeptInFrontOfTheFile) {
    auto f = file("\xEF\xBB\xBF[S]\r\nk=1\r\n");
    EXPECT_EQ(profile.getString(f, "S", "k", "d"), "1");
    EXPECT_TRUE(profile.writeString(f, "S", "k", "2"));
    EXPECT_EQ(readBytes(f), "\xEF\xBB\xBF[S]\r\nk=2\r\n");
}

TEST_F(TextProfileTest, NulBytesEndNamesAndValuesAsInCStrings) {
    auto f = file("[S]\r\n\0\r\nk=1\r\na\0b=2\r\n[c\0d]\r\ne=3\r\n"s);
    EXPECT_EQ(profile.getString(f, "S", "a", "d"), "2");
    EXPECT_EQ(profile.getString(f, "c\0x"s, "e", "d"), "3");
    EXPECT_TRUE(profile.writeString(f, "S", "k", "2"));
    EXPECT_EQ(readBytes(f), "[S]\r\n\r\nk=2\r\na=2\r\n[c]\r\ne=3\r\n");
    EXPECT_TRUE(profile.writeSection(f, "c", {"x=1\0y=2"s}));
    EXPECT_EQ(profile.getSection(f, "c"), (Lines{"x=1", "y=2"}));
}

TEST(ProfileDocument, ReadsStayRightAfterChangesMoveSections) {
    auto doc = ProfileDocument::parse("[A]\r\nk=1\r\n[B]\r\nk=2\r\n[a]\r\nk=3\r\n");
    EXPECT_EQ(doc.getString("a", "k", ""), "1");
    EXPECT_TRUE(doc.deleteSection("A"));
    EXPECT_EQ(doc.getString("A", "k", ""), "3");
    EXPECT_EQ(doc.getString("B", "k", ""), "2");
    EXPECT_TRUE(doc.setString("C", "k", "4"));
    EXPECT_EQ(doc.getString("c", "k", ""), "4");
    EXPECT_FALSE(doc.setString("c", "K", "4"));
    EXPECT_EQ(doc.serialize(), "[B]\r\nk=2\r\n[a]\r\nk=3\r\n[C]\r\nk=4\r\n");
}

TEST(ProfileDocument, AnswersEveryKeyOfALargeScheduleFromOneParse) {
    std::string bytes = "[Season]\r\nnumEvents=2000\r\n";
    for (int i = 1; i <= 2000; ++i)
        bytes += "[Event" + std::to_string(i) + "]\r\nname=Track " + std::to_string(i) +
                 "\r\ntrackDirectory=t" + std::to_string(i) + "\r\n";
    auto doc = ProfileDocument::parse(bytes);
    for (int i = 1; i <= 2000; ++i) {
        ASSERT_EQ(doc.getString("event" + std::to_string(i), "NAME", ""),
                  "Track " + std::to_string(i));
        ASSERT_EQ(doc.getString("Event" + std::to_string(i), "trackDirectory", ""),
                  "t" + std::to_string(i));
    }
    EXPECT_EQ(doc.serialize(), bytes);
}
