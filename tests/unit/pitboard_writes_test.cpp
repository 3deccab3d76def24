// Each action that writes changes exactly its bytes (settings file: where a row names it).
// Failed at each point in turn (a call that writes, deletes or makes a folder, a step of
// an atomic write), it leaves every file old or new, tells the user and keeps the list true.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <functional>

#include "app/vi67r.h"
#include "platform/posix/file_system_posix.h"
#include "support/app_fixture.h"

using namespace gridmate;
using namespace gridmate::test;
using Io = platform::IoError;

namespace {

// The real file system in which the failAt-th point reached fails as the system would.
class FaultyFileSystem : public platform::PosixFileSystem {
public:
    FaultyFileSystem() { failStep = [this](platform::WriteStep) { return ++points == failAt; }; }
    bool writeFile(const std::string& p, std::string_view b, Io& e) override {
        return run(p, e, [&] { return PosixFileSystem::writeFile(p, b, e); });
    }
    bool deleteFile(const std::string& p, Io& e) override {
        return run(p, e, [&] { return PosixFileSystem::deleteFile(p, e); });
    }
    bool createFolder(const std::string& p, Io& e) override {
        return run(p, e, [&] { return PosixFileSystem::createFolder(p, e); });
    }
    int failAt = 0, points = 0;
    std::optional<Io> error;  // of the innermost operation that failed, at failedPath
    std::string failedPath;

private:
    bool run(const std::string& path, Io& e, const std::function<bool()>& operation) {
        bool ok = ++points == failAt ? (e = Io{EACCES, std::strerror(EACCES)}, false) : operation();
        if (!ok && !error && failAt > 0) error = e, failedPath = path;
        return ok;
    }
};

struct Action {
    const char* name;
    Texts before;  // "key=value" settings, or "folder/file=bytes", before the load
    std::function<void(GameScene&, app::Pitboard&)> act;
    std::vector<std::tuple<const char*, GameKey, const char*>> lines{};  // written, in order
    Files files{};        // other changes
    Texts messages{};     // when all goes well
    std::string failure = "{code}: {text}";  // of a failure, with {code}, {text}, {game}
};
void PrintTo(const Action& a, std::ostream* os) { *os << a.name; }

void edit(GameScene& s, int mode) {
    app::Vi67r e(s.settings, s.game, "Original", s.temp.file("program"));
    e.Form_Load();
    e.optAction[mode].select();
    e.lstTracks->setSelectedIndex(0);
    e.cmdOperation->click();
}

const char* const kJim67 = "gpl/players/Jim/player.ini";
const char* const kWings = "gpl/wg69i.ini";
const std::string kEdit = "could not write {game}/seasons/Original.67s";
const Texts kSetups = {"CopyDefaultSetup=1", "program/myset/fast.stp=setup-a", "program/myset/wet/rain.stp=setup-b",
                       "gpl/players/Jim/setups/spa/fast.stp=old", "gpl/players/Jim/setups/spa/mine.stp=keep"};
const std::string kJose = "gpl/players/Jos\xE9 Mar\xED" "a", kSpa = scheduleText({event("spa", 8)});
const std::string kDatabase = "67s=" + scheduleText({event("monaco", 1), event("monza", 6)});

const Action kActions[] = {
    {"helmet", {}, [](auto&, auto& w) { w.cboHelmet[1].setSelectedIndex(9); },
     {{"gpl/players/Jim/plac65.ini", GameKey::HelmetColor, "9"}}},
    {"team", {}, [](auto&, auto& w) { w.cboTeam[2].setSelectedIndex(5); },
     {{"gpl/players/Jim/pla69w.ini", GameKey::Team, "5"}}},
    {"first track", {}, [](auto&, auto& w) { w.cboLastTrack[0].setSelectedIndex(0); },
     {{kJim67, GameKey::LastTrackSelection, "monaco"}}},
    {"detail bias", {"showoption=1", "mod=65"}, [](auto&, auto& w) { w.hscDetail->setValue(1); },
     {{"gpl/players/Jim/plac65.ini", GameKey::DetailBias, "20"}}},
    {"steering", {}, [](auto&, auto& w) { w.chkSteerHack->setChecked(false); },
     {{"gpl/core.ini", GameKey::SteerRatio, "0"}}},
    {"wing angle", {"SetWingMax15=0"}, [](auto&, auto& w) { w.hscWingAngle[0].setValue(25); },
     {{kWings, GameKey::FrontWingAngle, "25"}}},
    // An angle a lower maximum moved is written; stored wings load before the 1969 track.
    {"wing limit", {"SetWingMax15=0", "gpl/wg69i.ini=[Wings]\r\nfrontWingAngle = -40\r\n"},
     [](auto&, auto& w) { w.chkSetWingMax15->setValue(1); }, {{kWings, GameKey::FrontWingAngle, "15"}}},
    {"wings for the track", {"AutoLoadWing4Track=1", "wing_spa=1,12,1,x"},
     [](auto&, auto& w) { w.cboLastTrack[2].setSelectedIndex(1); },
     {{kWings, GameKey::RearWingInstalled, "1"}, {"gpl/players/Jim/pla69w.ini", GameKey::LastTrackSelection, "spa"}}},
    {"wings stored for the track", {},
     [](auto& s, auto& w) { s.quietly(w.cboLastTrack[2], "spa"); w.cmdSaveWing4Track->click(); }, {},
     {{"program/tarmac.ini", "[gridmate]\r\npath=<temp>/gpl\r\nwing_spa=1,12,0,8\r\n"}}},
    // Only with the option on; checking it writes the current choice at once.
    {"rasterizer kept", {}, [](auto& s, auto& w) { s.pick(*w.cboRast, "OpenGL (Rend_OGL.dll)"); }},
    {"saving the rasterizer", {},
     [](auto& s, auto& w) { s.pick(*w.cboRast, "OpenGL (Rend_OGL.dll)"); w.chkSaveRasterizer->setValue(1); },
     {{"gpl/app.ini", GameKey::LastRasterizerDLL, "Rend_OGL.dll"}}},
    // myset's files go into the player's folder for the track, over those of the same name.
    {"default setups", kSetups, [](auto&, auto& w) { w.cboLastTrack[0].setSelectedIndex(1); },
     {{kJim67, GameKey::LastTrackSelection, "spa"}},
     {{"gpl/players/Jim/setups/spa/fast.stp", "setup-a"}, {"gpl/players/Jim/setups/spa/wet/rain.stp", "setup-b"}}},
    {"track leaving its folder", kSetups,
     [](auto&, auto& w) { w.cboLastTrack[0].addItem("../evil"); w.cboLastTrack[0].setSelectedIndex(3); },
     {{kJim67, GameKey::LastTrackSelection, "../evil"}}, {},
     {"Gridmate | Exclamation Ok | could not copy default setups: \"../evil\" is not a track folder name"}},
    {"setups folder", {}, [](auto&, auto& w) { w.chkCopyDefaultSetup->setValue(1); }, {}, {{"program/myset/", ""}}, {},
     ""},
    // Names are bytes in the system code page (Windows-1252 and Shift-JIS here).
    {"accented player", {kJose + "/player.ini=" + playerIni("40")},
     [](auto& s, auto& w) { s.pick(*w.cboPlayer, kJose.substr(12)); w.cboHelmet[0].setSelectedIndex(7); },
     {{"gpl/players/Jos\xE9 Mar\xED" "a/player.ini", GameKey::HelmetColor, "7"}}},
    {"double byte set", {"gpl/seasons/\x83\x65\x83\x58.67s=" + kSpa},
     [](auto& s, auto& w) { s.pick(*w.cboTrackSets, "\x83\x65\x83\x58"); }, {}, {{"gpl/seasons/67season.ini", kSpa}},
     {}, "ChangeTrackSet()\tError on copying over \x83\x65\x83\x58.67s to 67seasons.ini\r\n{text}({code})"},
    {"last player kept", {}, [](auto& s, auto& w) { s.pick(*w.cboPlayer, "Anna"); s.close(); }},
    {"last player saved", {"SaveLastPlayer=1"}, [](auto& s, auto& w) { s.pick(*w.cboPlayer, "Anna"); s.close(); },
     {{"gpl/app.ini", GameKey::LastPlayer, "Anna"}}},
    {"install a track set", {}, [](auto& s, auto& w) { s.pick(*w.cboTrackSets, "Short"); }, {},
     {{"gpl/seasons/67season.ini", scheduleText({event("monza", 4), event("spa", 5)})}}, {},
     "ChangeTrackSet()\tError on copying over Short.67s to 67seasons.ini\r\n{text}({code})"},
    {"save a track set", {},
     [](auto& s, auto& w) {
         s.host.scripts.push_back([](ui::Window& dialog) {
             dialog.find<ui::ComboBox>("cboName")->setText("Saved");
             dialog.find<ui::Button>("OKButton")->click();
         });
         w.cmdSaveTrackset->click();
     },
     {}, {{"gpl/seasons/Saved.67s", scheduleText({event("monaco", 1), event("spa", 2), event("rouen", 3)})}}, {},
     "error({code}): {text}"},
    {"delete a track set", {}, [](auto& s, auto& w) { s.quietly(*w.cboTrackSets, "Short"); w.cmdDelTrackset->click(); },
     {}, {{"gpl/seasons/Short.67s", "<missing>"}}, {}, "could not delete Short.67s\r\n{code}: {text}"},
    {"editor add", {kDatabase}, [](auto& s, auto&) { edit(s, 0); }, {},
     {{"gpl/seasons/Original.67s",
       profileWritten({event("monaco", 1), event("spa", 2), event("rouen", 3), event("monza", 6)})}}, {}, kEdit},
    {"editor remove", {}, [](auto& s, auto&) { edit(s, 1); }, {},
     {{"gpl/seasons/Original.67s", profileWritten({event("spa", 2), event("rouen", 3)})}}, {}, kEdit},
};

struct Outcome {
    Files before{}, after{};
    Texts boxes{};
    std::string failure{};  // the row's message for the failure met; empty when silent
    int points = 0;
    bool listTrue = false;  // the set the list shows, if any, is the installed schedule
};

Outcome attempt(const Action& a, int failAt) {
    GameScene s;
    for (const auto& b : a.before) {
        std::string key = b.substr(0, b.find('=')), value = b.substr(b.find('=') + 1);
        key == "67s" ? s.setting(key, s.temp.write("db.67s", value))
                     : key.find('/') == std::string::npos ? s.setting(key, value) : s.put(key, value);
    }
    s.load();
    FaultyFileSystem files;
    platform::ScopedPlatform scoped({&files});
    Outcome o{s.files()};
    files.failAt = failAt;
    a.act(s, s.w());
    EXPECT_FALSE(s.w().blnUpdating) << "the window stays busy and writes nothing more";
    o.after = s.files();
    o.boxes = s.ui.boxes();
    o.points = files.points;
    if (files.error && platform::fileName(files.failedPath) != "tarmac.ini") {
        o.failure = a.failure;
        for (auto [key, value] : {std::pair<std::string, std::string>{"{code}", std::to_string(files.error->code)},
                                  {"{text}", files.error->description}, {"{game}", s.game}})
            for (size_t at; (at = o.failure.find(key)) != std::string::npos;)
                o.failure.replace(at, key.size(), value);
    }
    const std::string set = s.w().cboTrackSets->selectedItem();
    o.listTrue = set.empty() || s.bytes("gpl/seasons/" + set + ".67s") == s.bytes("gpl/seasons/67season.ini");
    return o;
}

std::string at(const Files& files, const std::string& n) { return files.count(n) ? files.at(n) : "<missing>"; }

class Actions : public ::testing::TestWithParam<Action> {};

TEST_P(Actions, WriteExactlyTheirBytesAndSurviveAFailureAtEachPoint) {
    const Action& a = GetParam();
    const Outcome dry = attempt(a, 0);
    Files expected = a.files, changed = changes(dry.before, dry.after);
    for (const auto& [file, key, value] : a.lines)
        expected[file] = patched(at(expected.count(file) ? expected : dry.before, file), key, value);
    if (!expected.count("program/tarmac.ini")) changed.erase("program/tarmac.ini");
    EXPECT_EQ(changed, expected);
    EXPECT_EQ(dry.boxes, a.messages);
    for (int k = 1; k <= dry.points; ++k) {
        SCOPED_TRACE("failing point " + std::to_string(k));
        const Outcome o = attempt(a, k);
        EXPECT_NE(o.after, dry.after);
        Files all = o.after;
        all.insert(dry.after.begin(), dry.after.end());
        for (const auto& [name, ignored] : all) {
            if (name.back() == '/') continue;  // a folder made on the way may stay empty
            const std::string now = at(o.after, name);
            EXPECT_TRUE(now == at(dry.before, name) || now == at(dry.after, name)) << name;
        }
        ASSERT_EQ(o.boxes.size(), dry.boxes.size() + !o.failure.empty());
        if (!o.failure.empty()) { EXPECT_NE(o.boxes.back().find(o.failure), std::string::npos) << o.boxes.back(); }
        EXPECT_TRUE(o.listTrue);
    }
}

INSTANTIATE_TEST_SUITE_P(Pitboard, Actions, ::testing::ValuesIn(kActions), [](const auto& info) {
    std::string name = info.param.name;
    std::replace(name.begin(), name.end(), ' ', '_');
    return name;
});

}  // namespace
