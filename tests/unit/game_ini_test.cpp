// The game INI engine: patches against the line model, the decided rules, reads, layouts.
#include <gtest/gtest.h>

#include <random>

#include "core/ini/ini_text.h"
#include "core/ini/line_layout.h"
#include "fuzz/ini_model.h"

using namespace gridmate;

namespace {

// Indented, "[", "=" and keys in values and comments, CR LF or LF, a last line open or ended by CR.
struct Generator {
    std::mt19937 rng{20240611};
    std::string any(const std::vector<std::string>& v) { return v[rng() % v.size()]; }
    std::string key() { return any({"team", "teamName", "helmetColor", "name", "Team"}); }
    std::string header() { return any({"[ Player ]", "[Wings]", "[ Player", "[Wings]x", "[ New ]"}); }
    std::string value() { return any({"", "Lotus", "[GPL] Jim", "a=b", "-3", "x [Wings]"}); }
    std::string file() {
        std::string style = any({"\r\n", "\n", ""}), s;
        auto eol = [&] { return style.empty() ? any({"\r\n", "\n"}) : style; };
        for (size_t n = rng() % 5; n > 0; --n) {
            s += any({"", " ", "\t"}) + header() + eol();
            for (size_t m = rng() % 5; m > 0; --m)
                s += any({"", " ", "  \t"}) + any({"", "; " + key(), key() + any({" = ", "\t= ", "="}) +
                                                   value() + any({"", "\t; team", " ; [x]"})}) + eol();
        }
        if (!s.empty() && rng() % 3 == 0) s.resize(s.size() - (s.ends_with("\r\n") ? 2 : 1));
        return s + any({"", "", "", "\r"});
    }
};

}  // namespace

TEST(IniPatch, RandomWritesMatchTheLineModelAndReadBack) {
    Generator gen;
    for (int round = 0; round < 4000; ++round) {
        std::string text = gen.file(), header = gen.header(), key = gen.key(), value = gen.value();
        std::string line = key + " = " + value + gen.any({"", "\t; c"});
        std::string patched = patchIniText(text, header, key, line);
        ASSERT_EQ(patched, model::patch(text, header, key, line)) << text << "|" << header << "|" << line;
        ASSERT_EQ(readIniText(patched, header, key).value, value);
        ASSERT_EQ(patchIniText(patched, header, key, line), patched);
    }
}

// One row per decided rule of matching and of where new lines go; the patch is "team = 2".
TEST(IniPatch, MatchingRulesAndPlacesOfNewLines) {
    const char* cases[][3] = {
        // The header after blanks or tabs; the key after them, then " ", "\t", "=" or the end.
        {"  \t[A]\r\n x\r\nteamName=1\r\n\tteam\t= 1\r\n", "[A]", "  \t[A]\r\n x\r\nteamName=1\r\n\tteam = 2\r\n"},
        {"[A]\nteam", "[A]", "[A]\nteam = 2"},
        // Text in values and comments: no header, no key, no section end.
        {"; [A]\r\n[A]\r\nn = [G]\r\n; team\r\nx ; team\r\n[B]\r\n", "[A]",
         "; [A]\r\n[A]\r\nn = [G]\r\n; team\r\nx ; team\r\nteam = 2\r\n\r\n[B]\r\n"},
        // Exact text: another case, or text before it, makes another section or key.
        {"x [A]\r\n[a]\r\nTeam = 1\r\n", "[A]", "x [A]\r\n[a]\r\nTeam = 1\r\n\r\n[A]\r\nteam = 2\r\n"},
        {"[A]\nx\n  [B]\nteam = 1\n", "[A]", "[A]\nx\nteam = 2\n\n  [B]\nteam = 1\n"},  // "[" after blanks ends it
        // In front of the last of the blank lines closing a section.
        {"[A]\r\nx\r\n\r\n\r\n[B]\r\n", "[A]", "[A]\r\nx\r\n\r\nteam = 2\r\n\r\n[B]\r\n"},
        {"", "[A]", "[A]\r\nteam = 2\r\n"},
        {"[A]\nx\r\n", "[A]", "[A]\nx\r\n\nteam = 2\n\n"},  // the file's first line break
        // A CR ending the file ends its last line: a key there keeps it; new lines make it CR LF.
        {"[A]\nteam\r", "[A]", "[A]\nteam = 2\r"},
        {"[A]\r", "[B]", "[A]\r\n\r\n[B]\r\nteam = 2\r\n"},
    };
    for (auto& [text, header, after] : cases) EXPECT_EQ(patchIniText(text, header, "team", "team = 2"), after);
}

// After the first "=", blanks trimmed, tabs removed, cut at ";", counted, trimmed again.
TEST(IniRead, TheValueIsCutAtTheCommentWithTabsRemovedAndBlanksTrimmed) {
    const std::tuple<const char*, const char*, int32_t> cases[] = {
        {"[A]\r\nteam =\t Lotus    \t; x\r\n", "Lotus", 10}, {"[A]\nteam = Jim\tClark", "JimClark", 8},
        {"[A]\nteam = a = b ; x ; y\n", "a = b", 6}, {"[A]\nteam\n", "team", 4},
        {"[A]\nteam = Lo\rtus\r", "Lo\rtus", 6}, {"[B]\nteam = 1\n", "", 0}};
    for (auto [text, value, count] : cases) {
        EXPECT_EQ(readIniText(text, "[A]", "team").value, value) << text;
        EXPECT_EQ(readIniText(text, "[A]", "team").count, count) << text;
    }
}

TEST(LineLayout, EachGameKeyHasItsColumnsAndCutsOnlyItsCutFields) {
    const std::string p(30, 'p'), d = "rend_opengl_extended.dll";  // longer than their fields
    const std::tuple<GameKey, std::string, std::string> cases[] = {
        {GameKey::LastPlayer, "jim", "lastPlayer = jim" + std::string(24, ' ') + "\t; directory of the last player to play the game"},
        {GameKey::LastPlayer, p, "lastPlayer = " + p.substr(3) + "\t; directory of the last player to play the game"},
        {GameKey::HelmetColor, "13", "helmetColor = 13                        \t; helmet color"},
        {GameKey::Team, "Lotus", "team = Lotus                            \t; team"},
        {GameKey::LastTrackSelection, "monza", "lastTrackSelection = monza              \t; last track visited"},
        {GameKey::DetailBias, "80", "detailBias = 80" + std::string(24, ' ') + "\t; Distance at which the game draws in high detail"},
        {GameKey::LastRasterizerDLL, "rend_d3d.dll", "lastRasterizerDLL = rend_d3d.dll        \t; Last rasterizer DLL selected"},
        {GameKey::LastRasterizerDLL, d, "lastRasterizerDLL = " + d + "\t; Last rasterizer DLL selected"},
        {GameKey::SteerRatio, "1", "steer_ratio = 1                             ; Enable low speed ratio override"},
        {GameKey::FrontWingAngle, "8", "frontWingAngle = -8         ; 0 or less"},
        {GameKey::RearWingAngle, "12", "rearWingAngle = -12         ; 0 or less"},
        {GameKey::FrontWingInstalled, "1", "frontWingInstalled = 1     ; 0 for no wing, angle ignored"},
        {GameKey::RearWingInstalled, "0", "rearWingInstalled = 0      ; 0 for no wing, angle ignored"}};
    for (const auto& [key, value, line] : cases) EXPECT_EQ(composeLine(key, value), line);
}
