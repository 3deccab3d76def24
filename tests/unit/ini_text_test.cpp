#include "core/ini/ini_text.h"

#include <gtest/gtest.h>

using namespace gridmate;

namespace {

// The same case in a CR LF file and in an LF file: `crlf` is written with "\r\n".
std::string toLf(std::string text) {
    for (size_t pos; (pos = text.find("\r\n")) != std::string::npos;) text.erase(pos, 1);
    return text;
}

void expectPatchInBothLineEnds(const std::string& before, const char* header, const char* key,
                               const char* line, const std::string& after) {
    EXPECT_EQ(patchIniText(before, header, key, line), after) << "CR LF: " << before;
    // A file without any line end gets CR LF either way.
    std::string lfAfter = before.find('\n') == std::string::npos ? after : toLf(after);
    EXPECT_EQ(patchIniText(toLf(before), header, key, line), lfAfter) << "LF: " << before;
}

const std::string kPlayer =
    "[ Personal Information ]\r\n"
    "  \thelmetColor = 4                         \t; helmet color\r\n"
    "team = Lotus                            \t; team\r\n"
    "\r\n"
    "[ Graphic Options ]\r\n"
    "detailBias = 50                        \t; Distance\r\n";

}  // namespace

TEST(IniPatch, ReplacingAKeepsIndentationTheLineEndAndEveryOtherLine) {
    std::string expected = kPlayer;
    expected.replace(expected.find("helmetColor"),
                     expected.find("\r\nteam") - expected.find("helmetColor"), "helmetColor = 13");
    expectPatchInBothLineEnds(kPlayer, "[ Personal Information ]", "helmetColor",
                              "helmetColor = 13", expected);
    // The last line of a file without a final break is replaced to its end.
    expectPatchInBothLineEnds("[A]\r\nx = 1\r\nteam = Lotus ; t", "[A]", "team", "team = BRM",
                              "[A]\r\nx = 1\r\nteam = BRM");
}

// Where a missing key or section goes is proven on random files against a line model in
// ini_property_test.cpp; these are the edges: a section closed by a blank line, one
// directly followed by the next header, a last line without a break, a file of one blank
// line, and an empty file.
TEST(IniPatch, AMissingKeyOrSectionGoesWhereItsSectionEnds) {
    expectPatchInBothLineEnds("[A]\r\na = 1\r\n\r\n[B]\r\nb = 2\r\n", "[A]", "c", "c = 3",
                              "[A]\r\na = 1\r\nc = 3\r\n\r\n[B]\r\nb = 2\r\n");
    expectPatchInBothLineEnds("[A]\r\n[B]\r\n", "[A]", "c", "c = 3", "[A]\r\nc = 3\r\n\r\n[B]\r\n");
    expectPatchInBothLineEnds("[A]", "[A]", "c", "c = 3", "[A]\r\nc = 3\r\n\r\n");
    expectPatchInBothLineEnds("[A]\r\na = 1", "[N]", "c", "c = 3",
                              "[A]\r\na = 1\r\n\r\n[N]\r\nc = 3\r\n");
    expectPatchInBothLineEnds("\r\n", "[N]", "c", "c = 3", "\r\n[N]\r\nc = 3\r\n");
    expectPatchInBothLineEnds("", "[N]", "c", "c = 3", "[N]\r\nc = 3\r\n");
}

TEST(IniPatch, AddedLinesUseTheFilesFirstLineEnd) {
    EXPECT_EQ(patchIniText("[A]\na = 1\r\n", "[A]", "c", "c = 3"), "[A]\na = 1\r\n\nc = 3\n\n");
    EXPECT_EQ(patchIniText("[A]\r\na = 1\n[B]\n", "[A]", "c", "c = 3"),
              "[A]\r\na = 1\nc = 3\r\n\r\n[B]\n");
    EXPECT_EQ(patchIniText("[A]\r\na = 1\n", "[A]", "a", "a = 2"), "[A]\r\na = 2\n");
    EXPECT_EQ(lineEndOf("[A] no break"), "\r\n");
}

TEST(IniMatching, KeysAndHeadersMatchOnlyAtTheStartOfALine) {
    const std::string text =
        "; see [ Player ] below\r\n"
        "[ Player ]\r\n"
        "helmetColor = 4 ; team colours\r\n"
        "; team\r\n"
        "teamName = x\r\n"
        "name = [GPL] Bob\r\n"
        "  team\t= Lotus\r\n"
        "\r\n"
        "[ Player ]\r\n"
        "team = BRM\r\n";
    EXPECT_EQ(readIniText(text, "[ Player ]", "team").value, "Lotus");
    std::string expected = text;
    expected.replace(expected.find("team\t= Lotus"), 12, "team = Ferrari");
    EXPECT_EQ(patchIniText(text, "[ Player ]", "team", "team = Ferrari"), expected);
    // The "[" inside the value does not end the section: the new key closes it.
    expected = text;
    expected.insert(expected.find("\r\n[ Player ]\r\nteam = BRM"), "lap = 2\r\n");
    EXPECT_EQ(patchIniText(text, "[ Player ]", "lap", "lap = 2"), expected);
}

TEST(IniMatching, HeadersAreExactTextAndAnIndentedHeaderStillEndsTheSection) {
    const std::string text = "[Personal Information]\r\nteam = Lotus\r\n  [B]\r\nteam = BRM\r\n";
    EXPECT_EQ(readIniText(text, "[ Personal Information ]", "team").value, "");
    EXPECT_EQ(patchIniText(text, "[ Personal Information ]", "team", "team = X"),
              text + "\r\n[ Personal Information ]\r\nteam = X\r\n");
    EXPECT_EQ(readIniText(text, "[personal information]", "team").value, "");
    EXPECT_EQ(readIniText(text, "[Personal Information]", "Team").value, "");
    EXPECT_EQ(patchIniText(text, "[Personal Information]", "x", "x = 1"),
              "[Personal Information]\r\nteam = Lotus\r\nx = 1\r\n\r\n  [B]\r\nteam = BRM\r\n");
    EXPECT_EQ(readIniText(text, "[B]", "team").value, "BRM");
}

TEST(IniRead, TheValueIsCutAtTheCommentWithTabsRemovedAndBlanksTrimmed) {
    struct Case {
        const char* line;
        const char* value;
        int32_t count;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"team = Lotus      \t; team", "Lotus", 11},
             {"name = Jim\tClark", "JimClark", 8},
             {"team =\t Lotus", "Lotus", 6},  // the tab goes after the first trim
             {"team = a = b", "a = b", 5},
             {"team = ; none", "", 0},
             {"team", "team", 4},
             {"team = Lo\rtus", "Lo\rtus", 6},
         }) {
        IniValue v = parseIniValue(c.line);
        EXPECT_EQ(v.value, c.value) << c.line;
        EXPECT_EQ(v.count, c.count) << c.line;
    }
}

TEST(IniRead, TheLineEndsAtItsLineEndOrAtTheEndOfTheFile) {
    for (const char* text :
         {"[A]\r\nteam = Lotus\r\n", "[A]\nteam = Lotus\n", "[A]\r\nteam = Lotus"})
        EXPECT_EQ(readIniText(text, "[A]", "team").value, "Lotus") << text;
    IniValue missing = readIniText("[A]\r\nteam = Lotus\r\n", "[A]", "helmetColor");
    EXPECT_EQ(missing.value, "");
    EXPECT_EQ(missing.count, 0);
    EXPECT_EQ(readIniText("[A]\r\nteam = Lotus\r\n", "[B]", "team").count, 0);
}

TEST(IniPatch, ACrEndingTheFileEndsItsLastLine) {
    // The key on that line is found, and its own CR stays behind the new text.
    EXPECT_EQ(patchIniText("[S]\nk = 1\n 2\r", "[S]", "2", "2="), "[S]\nk = 1\n 2=\r");
    EXPECT_EQ(readIniText("[S]\nk = 1\n 2=\r", "[S]", "2").count, 0);
    // New lines go behind it on lines of their own; the CR becomes CR LF.
    EXPECT_EQ(patchIniText("[S]\nk = 1\n 2\r", "[S]", "x", "x="),
              "[S]\nk = 1\n 2\r\n\nx=\n\n");
    EXPECT_EQ(patchIniText("[S]\n 2\r", "[T]", "x", "x="), "[S]\n 2\r\n\n[T]\nx=\n");
}
