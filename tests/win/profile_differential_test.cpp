// Our own profile reader and writer against the system's: each script runs through both on
// one starting file, and every read and the bytes after every write must agree. Steps: "get
// S|key|key..", "def S|key|default..", "sec S", "put S|key|value", "put S|key" and "put S"
// (delete), "set S|line|line.." (replace the section).
#include <gtest/gtest.h>

#include "platform/posix/profile_text.h"
#include "platform/win32/profile_win32.h"
#include "support/temp_folder.h"

using namespace gridmate::platform;
using namespace gridmate::test;
using namespace std::string_literals;

namespace {

struct Script {
    std::string name;
    std::optional<std::string> start;  // nullopt: no file at first
    std::vector<std::string> steps;
};

std::string transcript(Profile& profile, const Script& script) {
    TempFolder folder("profile-diff");
    const std::string file = folder.file("t.ini");
    if (script.start) folder.write("t.ini", *script.start);
    std::string out;
    for (const std::string& step : script.steps) {
        const std::string verb = step.substr(0, 3);
        std::vector<std::string> a{""};
        for (char c : step.substr(4)) c == '|' ? a.push_back("") : a.back().push_back(c);
        auto part = [&a](size_t i) { return i < a.size() ? std::optional(a[i]) : std::nullopt; };
        out += "\n" + verb;
        if (verb == "get" || verb == "def") {
            for (size_t i = 1; i < a.size(); i += verb == "def" ? 2 : 1)
                out += " [" + profile.getString(file, a[0], a[i], verb == "def" ? a[i + 1] : "?") +
                       "]";
        } else if (verb == "sec") {
            for (const std::string& line : profile.getSection(file, a[0])) out += " [" + line + "]";
        } else {
            bool done = verb == "set" ? profile.writeSection(file, a[0], {a.begin() + 1, a.end()})
                                      : profile.writeString(file, a[0], part(1), part(2));
            out += std::to_string(done) + " [" + readBytes(file) + "]";
        }
    }
    return out;
}

std::vector<Script> scripts() {
    const std::string hi = "\x80\x81\x8D\x8F\x90\x9D\xA0\xC9\xE9\xFF";
    // clang-format off
    std::vector<Script> all = {
        {"ReadForms", "top=1\r\n; c\r\nbare\r\n[S]\r\na=\"x y\"\r\nb='q'\r\nc=\"\r\nd=\"\"\r\n"
         "e=\"ab\r\nf=\"ab'\r\ng= \" s \" \r\nh=\"a\"b\"\r\n  i = 1 \r\n\tj\t=\t2\t\r\nbare\r\n"
         "  also bare  \r\n;k=1\r\n#l=2\r\n ; d\r\nm=1 ; tail\r\nn=   \r\no=\x1Av\x1A\r\n"
         "p=\x0Bw\x0C\r\nq=\x01x\x7F\r\n=v\r\n = w\r\n=\r\nr=1\r\nr=2\r\nR=3\r\n[T] junk\r\n"
         "t=1\r\n[s]\r\nr=4\r\nu=5\r\n[U\r\n[V]]\r\nv=1\r\n  [\tW w\t]  \r\nw=1\r\n" + hi +
         "=x\r\n\0\r\nz\0b=2\r\n[c\0d]\r\ne=3\r\n"s,
         {"get S|a|b|c|d|e|f|g|h|i|j|bare|also bare|;k|#l|m|n|o|p|q||r|u|" + hi + "|z", "sec S",
          "get |top", "get v]|v", "get W w|w", "get c|e", "get t|T", "sec ", "sec s", "sec T",
          "def S|x|d  |x| d \t|x|\"q\"  |x|   |x||bare|d", "put S|R|r", "put S|r", "get s|R"}},
        {"Writes", "[S]\r\nk=1\r\nj=\r\n[Event1]\r\nTrackDirectory=monza\r\n",
         {"put  S | k |2", "put S| i  | x  ", "put   T  |j|x", "put S|k|  v  ", "get S|k",
          "put S|k|\tv", "put S||z", "put |top|2", "put S|j|", "put S|n|", "put S|a|\"new\"",
          "get S|a", "put eVeNt1|trackDIRECTORY|" + hi, "put EVENT1|Name|x", "sec event1"}},
        {"Deletes", "top=0\r\n[S]\r\na=1\r\nb=2\r\n\r\n[T]\r\nb=2\r\n[s]\r\nc=3\r\n[U]\r\nu=1\r\n",
         {"put S|A", "put S|c", "put S|zz", "put S|b", "put  S| u", "put s", "get S|c", "put T",
          "put absent", "put S", "put "}},
        {"NoChange", "[S]\nk = v\n", {"put S|x", "put T|k", "put T", "put s|K|v", "put S|k|  v"}},
        {"Sections", "[E1]\r\nname=A\r\n[E2]\r\nname=\"B\"\r\n;n\r\n[E3]\r\n[s]\r\na=1\r\n[S]\r\n",
         {"set E1|name=\"B\"|day=2", "set E2|name=C", "put E3", "sec E1", "sec E2", "set S|c=3",
          "set s", "set E1| a = 1 |b=|=c|bare|;c=1|a=2", "sec E1", "get E1|a", "set E1|x=1||y=2"}},
        {"MissingFile", std::nullopt, {"def S|k|fallback", "sec S", "put S|k", "put S", "set S",
         "set S|bare", "put Season|numEvents|3", "get season|NUMEVENTS", "set E|n=M"}},
        {"LineEnds", "[S]\na=1\n\n[T]\rb=2\r\r\r\n\r\n[U]\r\nc=last value",
         {"get T|b", "get U|c", "sec S", "put U|d|3", "put T|new|y", "put V|k|v"}},
        {"Utf8MarkerAndNoLastLineBreak", "\xEF\xBB\xBF[S]\r\nk=1", {"get S|k", "put T|k|v"}},
    };
    for (int n : {1019, 1020, 1021, 1022, 1023, 1024, 2046, 2047}) {  // where the system cuts
        const std::string v(size_t(n), 'v');
        all.push_back({"Length" + std::to_string(n), "[S]\r\nk=" + v + "\r\n[Q]\r\nq=\"" + v + "\"",
                       {"get S|k", "get Q|q", "def S|x|" + v, "sec S", "sec Q", "put S|w|" + v}});
    }
    // clang-format on
    return all;
}

class ProfileDifferential : public ::testing::TestWithParam<Script> {};

TEST_P(ProfileDifferential, OwnReaderAndWriterMatchTheSystem) {
    TextProfile own;
    Win32Profile system;
    EXPECT_EQ(transcript(own, GetParam()), transcript(system, GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Scripts, ProfileDifferential, ::testing::ValuesIn(scripts()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
