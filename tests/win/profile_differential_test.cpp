// The program's own profile reader and writer against the system's profile functions:
// every script runs on two copies of the same starting file, once through TextProfile
// and once through Win32Profile. What each read returns and the file's bytes after each
// write must be the same.
#include <gtest/gtest.h>

#include <cstdio>

#include "platform/posix/profile_text.h"
#include "platform/win32/profile_win32.h"
#include "support/temp_folder.h"

using namespace gridmate::platform;
using gridmate::test::readBytes;
using gridmate::test::TempFolder;
using namespace std::string_literals;

namespace {

struct Step {
    enum Kind { Get, Put, GetSection, PutSection } kind;
    std::string section;
    std::optional<std::string> key;
    std::optional<std::string> value;  // the default of a Get
    std::vector<std::string> lines;
};

Step get(std::string s, std::string k, std::string def = "<def>") {
    return {Step::Get, std::move(s), std::move(k), std::move(def), {}};
}
Step put(std::string s, std::string k, std::string v) {
    return {Step::Put, std::move(s), std::move(k), std::move(v), {}};
}
Step deleteKey(std::string s, std::string k) {
    return {Step::Put, std::move(s), std::move(k), std::nullopt, {}};
}
Step deleteSection(std::string s) { return {Step::Put, std::move(s), std::nullopt, {}, {}}; }
Step section(std::string s) { return {Step::GetSection, std::move(s), {}, {}, {}}; }
Step putSection(std::string s, std::vector<std::string> lines) {
    return {Step::PutSection, std::move(s), {}, {}, std::move(lines)};
}

struct Script {
    std::string name;
    std::optional<std::string> start;  // nullopt: no file at first
    std::vector<Step> steps;
};

void PrintTo(const Script& script, std::ostream* os) { *os << script.name; }

std::string visible(const std::string& bytes) {
    std::string out;
    for (unsigned char c : bytes) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\\')
            out += "\\\\";
        else if (c >= 0x20 && c < 0x7F)
            out += static_cast<char>(c);
        else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return out;
}

// What the profile answered and what the file held after each write, one line per step.
std::string transcript(Profile& profile, const Script& script) {
    TempFolder folder("profile-diff");
    std::string file = folder.file("t.ini");
    if (script.start) folder.write("t.ini", *script.start);
    std::string out;
    for (const Step& step : script.steps) {
        switch (step.kind) {
            case Step::Get:
                out += "get [" +
                       visible(profile.getString(file, step.section, *step.key, *step.value)) +
                       "]\n";
                break;
            case Step::GetSection:
                out += "section";
                for (const std::string& line : profile.getSection(file, step.section))
                    out += " [" + visible(line) + "]";
                out += "\n";
                break;
            case Step::Put:
                out += "put " + std::to_string(
                                    profile.writeString(file, step.section, step.key, step.value));
                out += " file [" + visible(readBytes(file)) + "]\n";
                break;
            case Step::PutSection:
                out += "put-section " +
                       std::to_string(profile.writeSection(file, step.section, step.lines));
                out += " file [" + visible(readBytes(file)) + "]\n";
                break;
        }
    }
    return out;
}

std::string longText(size_t n) {
    std::string s;
    for (size_t i = 0; i < n; ++i) s += static_cast<char>('a' + i % 26);
    return s;
}

std::string schedule(int events) {
    std::string s = "[Season]\r\nnumEvents=" + std::to_string(events) + "\r\n\r\n";
    for (int i = 1; i <= events; ++i) {
        std::string n = std::to_string(i);
        s += "[Event" + n + "]\r\nname=Grand Prix " + n + "\r\nshortname=GP" + n +
             "\r\ntrackDirectory=track" + n + "\r\nmonth=" + std::to_string(i % 12 + 1) +
             "\r\nday=" + n + "\r\nnumberOfLaps=" + std::to_string(40 + i) +
             "\r\nstartingGrid=\"2 2 2\"\r\n\r\n";
    }
    return s;
}

std::vector<Script> scripts() {
    const std::string high = "\x80\x81\x8D\x8F\x90\x9D\xA0\xC9\xE9\xFF";
    const std::string big = longText(300);
    std::vector<std::string> manyLines;
    for (int i = 0; i < 100; ++i)
        manyLines.push_back("key" + std::to_string(i) + "=value " + std::to_string(i));
    std::string manySection = "[Big]\r\n";
    for (const auto& line : manyLines) manySection += line + "\r\n";

    return {
        {"QuotedValues",
         "[S]\r\na=\"x y\"\r\nb='q'\r\nc=\"\r\nd=\"\"\r\ne=\"abc\r\nf=\"ab'\r\ng= \" s \" \r\n"
         "h=\"a\"b\"\r\ni=''\r\n",
         {get("S", "a"), get("S", "b"), get("S", "c"), get("S", "d"), get("S", "e"), get("S", "f"),
          get("S", "g"), get("S", "h"), get("S", "i"), section("S"), put("S", "a", "\"new\""),
          get("S", "a")}},
        {"BlanksAroundEquals",
         "[S]\r\n  a = 1 \r\n\tb\t=\t2\t\r\nc=  x y  \r\n",
         {get("S", "a"), get("S", "b"), get("S", "c"), section("S"), put("S", "d", "4")}},
        {"LinesWithoutEquals",
         "[S]\r\nbare\r\nk=1\r\n  also bare  \r\n",
         {get("S", "bare"), get("S", "also bare"), section("S"), put("S", "k", "2"),
          put("S", "bare", "now"), section("S")}},
        {"CommentLines",
         "; head\r\n[S]\r\n;c=1\r\n#h=2\r\n ; d\r\nk=1 ; tail\r\n",
         {get("S", ";c"), get("S", "#h"), get("S", "k"), section("S"), section(""),
          put("S", "k", "2")}},
        {"DuplicateSections",
         "[S]\r\na=1\r\n[T]\r\nt=1\r\n[s]\r\na=3\r\nb=4\r\n",
         {get("S", "a"), get("S", "b"), section("s"), put("S", "b", "5"), get("s", "b"),
          section("S")}},
        {"DuplicateKeys",
         "[S]\r\na=1\r\na=2\r\nA=3\r\n",
         {get("S", "a"), section("S"), put("S", "a", "9"), get("S", "A"), deleteKey("S", "a"),
          get("S", "a")}},
        {"NamesDifferingInCase",
         "[Event1]\r\nTrackDirectory=monza\r\n",
         {get("EVENT1", "trackdirectory"), get("event1", "TRACKDIRECTORY"),
          put("eVeNt1", "trackDIRECTORY", "spa"), put("EVENT1", "Name", "x"), section("event1")}},
        {"EmptyValues",
         "[S]\r\nk=\r\nj=   \r\n",
         {get("S", "k"), get("S", "j"), section("S"), put("S", "n", ""), put("S", "k", ""),
          put("S", "j", "v"), put("S", "j", "")}},
        {"DeleteSection",
         "top=0\r\n[S]\r\na=1\r\n\r\n[T]\r\nb=2\r\n[s]\r\nc=3\r\n",
         {deleteSection("s"), get("S", "c"), deleteSection("T"), deleteSection("absent"),
          deleteSection("S"), deleteSection("")}},
        {"DeleteKey",
         "[S]\r\na=1\r\nb=2\r\n[s]\r\nc=3\r\n",
         {deleteKey("S", "A"), deleteKey("S", "c"), deleteKey("S", "zz"), deleteKey("S", "b"),
          section("S")}},
        {"DeleteNothingKeepsTheFile",
         "[S]\nk = v\n",
         {deleteKey("S", "x"), deleteKey("T", "k"), deleteSection("T"), put("s", "K", "v"),
          put("S", "k", "  v"), putSection("T", {"bare"})}},
        {"ReadAndReplaceWholeSection",
         "[Event1]\r\nname=A\r\nday=1\r\n[Event2]\r\nname=\"B\"\r\nday=2\r\n;note\r\n"
         "[Event3]\r\nname=C\r\n",
         {section("Event2"), putSection("Event1", {"name=\"B\"", "day=2"}), get("Event1", "name"),
          section("Event3"), putSection("Event2", {"name=C"}), deleteSection("Event3"),
          section("Event1"), section("Event2")}},
        {"MissingFileReads",
         std::nullopt,
         {get("S", "k", "fallback"), section("S"), deleteKey("S", "k"), deleteSection("S"),
          putSection("S", {}), putSection("S", {"bare"})}},
        {"MissingFileWriteCreatesIt",
         std::nullopt,
         {put("Season", "numEvents", "3"), get("season", "NUMEVENTS")}},
        {"MissingFileSectionWriteCreatesIt",
         std::nullopt,
         {putSection("Event1", {"name=Monza", "day=3"}), section("EVENT1")}},
        {"LastLineWithoutLineBreak",
         "[S]\r\na=1\r\nb=last value",
         {get("S", "b"), section("S"), put("S", "c", "3")}},
        {"LastLineWithoutLineBreakNewSection", "[S]\r\na=1", {put("T", "k", "v")}},
        {"LfLineEnds",
         "[S]\na=1\n\n[T]\nb=2\n",
         {get("T", "b"), section("S"), put("T", "b", "2"), put("T", "b", "3")}},
        {"CrLineEnds", "[S]\ra=1\r\rb=2\r", {get("S", "b"), section("S"), put("S", "a", "5")}},
        {"ValueLongerThan255Bytes",
         "[S]\r\nlong=" + big + "\r\nquoted=\"" + big + "\"\r\n",
         {get("S", "long"), get("S", "quoted"), put("S", "new", big + big), get("S", "new")}},
        {"SectionListLongerThan256Bytes",
         manySection,
         {section("Big"), putSection("Copy", manyLines), section("Copy")}},
        {"HighBytes",
         "[S]\r\nk=" + high + "\r\n" + high + "=name\r\n[" + high + "]\r\nx=1\r\n",
         {get("S", "k"), get("S", high), get(high, "x"), section("S"), put("S", "k", high + high),
          put(high, high, high), get("S", "k"), section(high)}},
        {"NewKeyInSectionFollowedByBlankLine",
         "[S]\r\na=1\r\n\r\n[T]\r\nb=2\r\n\r\n",
         {put("S", "new", "x"), put("T", "new", "y")}},
        {"NewSectionAfterTrailingBlankLines", "[S]\r\na=1\r\n\r\n\r\n", {put("T", "k", "v")}},
        {"BlanksInGivenNames",
         "[S]\r\nk=1\r\n",
         {get(" S ", " k "), get("\tS", "k\t"), put(" S ", " k ", "2"), section(" S "),
          deleteKey(" S", "k"), deleteKey("S", " k"), deleteSection(" S")}},
        {"NewNamesWithTrailingBlanks", "[S]\r\nk=1\r\n", {put("S", " j  ", " x  ")}},
        {"NewSectionWithTrailingBlanks", "[S]\r\nk=1\r\n", {put("  T  ", "j", "x")}},
        {"DefaultValues",
         "[S]\r\nbare\r\n",
         {get("S", "x", "d  "), get("S", "x", " d \t"), get("S", "x", "\"q\"  "),
          get("S", "x", "   "), get("S", "x", ""), get("S", "bare", "dflt")}},
        {"LinesBeforeTheFirstHeader",
         "top=1\r\n; c\r\nbare\r\n[S]\r\nk=1\r\n",
         {get("", "top"), section(""), put("", "top", "2"), put("", "more", "3"),
          deleteKey("", "bare")}},
        {"HeaderForms",
         "[ S ]\r\nk=1\r\n[T] junk\r\nt=1\r\n[U\r\n[V]]\r\nv=1\r\n  [\tW w\t]  \r\nw=1\r\n",
         {get("S", "k"), get("T", "t"), section("T"), get("V]", "v"), get("W w", "w"),
          put("S", "k", "2")}},
        {"EmptyFile", "", {get("S", "k"), section("S"), put("S", "k", "v")}},
        {"SectionWriteForms",
         "[S]\r\nk=1\r\n",
         {putSection("S", {" a = 1 ", "b=", "=c", "bare", ";c=1", "a=2"}), section("S"),
          get("S", "a"), putSection("S", {"x=1", "", "y=2"})}},
        {"SectionWriteEmptiesDuplicates",
         "[S]\r\na=1\r\n[s]\r\nb=2\r\n[T]\r\n",
         {putSection("S", {"c=3"}), putSection("T", {}), putSection("s", {})}},
        {"WrittenValueBlanks",
         "[S]\r\nk=1\r\n",
         {put("S", "k", "  v  "), get("S", "k"), put("S", "k", "\tv"), get("S", "k")}},
        {"KeysWithoutNames",
         "[S]\r\n=v\r\n = w\r\nk=1\r\n=\r\n[T]\r\n=b\r\n",
         {get("S", ""), get("S", " "), section("S"), section("T"), put("S", "k", "2"),
          put("S", "", "z")}},
        {"ControlBlanks",
         "[S]\r\na=\x1Av\x1A\r\nb=\x0Bw\x0C\r\nc=\x01x\x7F\r\n",
         {get("S", "a"), get("S", "b"), get("S", "c"), section("S"), put("S", "d", "1")}},
        {"Utf8Marker", "\xEF\xBB\xBF[S]\r\nk=1\r\n", {get("S", "k"), put("S", "k", "2")}},
        {"NulBytes",
         "[S]\r\n\0\r\nk=1\r\na\0b=2\r\n[c\0d]\r\ne=3\r\n"s,
         {get("S", "a"), get("c", "e"), section("S"), put("S", "k", "2")}},
        {"AddAnEventToASchedule",
         schedule(3),
         {get("Season", "numEvents"), put("Event4", "name", "Nurburgring"),
          put("Event4", "shortname", ""), put("Event4", "trackDirectory", "nurburg"),
          put("Event4", "month", "8"), put("Event4", "day", "6"),
          put("Event4", "numberOfLaps", "15"), put("Event4", "startingGrid", "\"3 2 3\""),
          put("Season", "numEvents", "4"), get("Event4", "startingGrid")}},
        {"RemoveAnEventFromASchedule",
         schedule(4),
         {put("Season", "numEvents", "3"), section("Event3"),
          putSection("Event2", {"name=Grand Prix 3", "shortname=GP3", "trackDirectory=track3",
                                "month=4", "day=3", "numberOfLaps=43", "startingGrid=\"2 2 2\""}),
          putSection("Event3", {"name=Grand Prix 4", "shortname=GP4", "trackDirectory=track4"}),
          deleteSection("Event4"), get("Event3", "name"), get("Event4", "name")}},
    };
}

class ProfileDifferential : public ::testing::TestWithParam<Script> {};

TEST_P(ProfileDifferential, OwnReaderAndWriterMatchTheSystem) {
    TextProfile own;
    Win32Profile system;
    EXPECT_EQ(transcript(own, GetParam()), transcript(system, GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Scripts, ProfileDifferential, ::testing::ValuesIn(scripts()),
                         [](const auto& info) { return info.param.name; });

// The system's functions cut values and sections at the buffer size; reading whole
// depends on growing the buffer, so the lengths around each growth step matter.
TEST(Win32Profile, ReadsValuesAndSectionsWholeAtEveryLength) {
    TempFolder folder("profile-len");
    Win32Profile profile;
    for (size_t n :
         {254u, 255u, 256u, 1021u, 1022u, 1023u, 1024u, 1025u, 2046u, 2047u, 2048u, 5000u}) {
        std::string value = longText(n);
        std::string file = folder.write(std::to_string(n) + ".ini",
                                        "[S]\r\nk=" + value + "\r\nq=\"" + value + "\"\r\n");
        EXPECT_EQ(profile.getString(file, "S", "k", ""), value) << n;
        EXPECT_EQ(profile.getString(file, "S", "q", ""), value) << n;
        EXPECT_EQ(profile.getString(file, "S", "missing", value), value) << n;
        EXPECT_EQ(profile.getSection(file, "S"),
                  (std::vector<std::string>{"k=" + value, "q=\"" + value + "\""}))
            << n;
    }
}

}  // namespace
