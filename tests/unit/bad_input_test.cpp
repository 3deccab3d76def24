// Inputs the program did not write: garbled, missing or oddly marked files, huge
// settings. Nothing crashes, nothing is lost, the user is told.
#include <gtest/gtest.h>

#include <random>

#include "support/app_fixture.h"

using namespace gridmate;
using namespace gridmate::test;

namespace {

// Any bytes in every file the program reads, 10,000 keys and a 1 MB value in the settings:
// the window opens with defaults, writes nothing, patches a garbled file, keeps the keys.
TEST_F(AppTest, GarbageInEveryFileAndHugeSettingsLoadWithoutWritingAndStayUsable) {
    std::mt19937 rng(7);
    for (auto f : {"app.ini", "core.ini", "wg69i.ini", "players/Jim/player.ini", "players/Jim/plac65.ini",
                   "players/Jim/pla69w.ini", "seasons/67season.ini", "seasons/Original.67s", "Rend_OGL.dll"}) {
        std::string bytes(3000, '\0');
        for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = i % 37 ? char(rng()) : "\0\r\n[]= ;"[rng() % 8];
        put(std::string("gpl/") + f, bytes);
    }
    std::string keys = "[gridmate]\r\npath=" + game + "\r\n67s=" + std::string(1 << 20, 'p') + "\r\n";
    for (int i = 0; i < 10000; ++i) keys += "k" + std::to_string(i) + "=v" + std::to_string(i) + "\r\n";
    put("program/tarmac.ini", keys + bytes("gpl/app.ini"));
    platform::ScopedPlatform dlls({nullptr, nullptr, nullptr, nullptr, platform::nativePlatform().versionInfo});
    Files before = files();
    auto& w = load();
    EXPECT_EQ(files(), before);
    EXPECT_EQ(w.currentSeason() * 10 + w.chkForceFullscreen4NonD3D->value(), 1);
    EXPECT_EQ(w.cboPlayer->count() * 100 + w.cboTrackSets->count() * 10 + w.cboRast->count(), 220);
    pick(*w.cboPlayer, "Jim");
    w.cboHelmet[0].setSelectedIndex(4);
    EXPECT_EQ(changes(before, files()).count("gpl/players/Jim/player.ini"), 1u);
    close();
    EXPECT_EQ(bytes("program/tarmac.ini").substr(0, keys.size()), keys);  // the new keys after
}

TEST_F(AppTest, AByteOrderMarkStaysAndOnlyTheKeysLineChanges) {
    const std::string text = "\xEF\xBB\xBF; written by an editor\r\n" + playerIni("40");
    put("gpl/players/Jim/player.ini", text);
    load().cboTeam[0].setSelectedIndex(2);
    EXPECT_EQ(bytes("gpl/players/Jim/player.ini"), patched(text, GameKey::Team, "2"));
}

// What the window needs is reported or its controls switched off; nothing is created.
TEST_F(AppTest, MissingGameFilesAreReportedOrTheirControlsOffAndNoneIsCreated) {
    for (auto f : {"gpl/app.ini", "gpl/core.ini", "gpl/wg69i.ini", "gpl/seasons"}) remove(f);
    Files before = files();
    auto& w = load();
    EXPECT_EQ(ui.boxes(), (Texts{"Gridmate | Exclamation Ok | could not found seasons folder",
                                 "Gridmate | Critical Ok | could not found app.ini",
                                 "Gridmate 1.0.9 error | Critical Ok | app.ini not found in your gpl folder."}));
    EXPECT_EQ(w.cboPlayer->count() + w.cboTrackSets->count() + w.cboLastTrack[0].count(), 0);
    for (ui::Control* c : std::initializer_list<ui::Control*>{w.cboRast, w.chkSteerHack, w.chkFullScreen,
                                                              w.chkSetWingMax15, w.chkAutoLoadWing4Track})
        EXPECT_FALSE(c->enabled()) << c->name();
    w.chkSteerHack->setChecked(false);
    close();
    Files changed = changes(before, files());
    changed.erase("program/tarmac.ini");
    EXPECT_EQ(changed, Files{});
}

// A game picked again once the files are there switches their controls back on; a stored
// angle at the very end of the number range is brought into the slider's range.
TEST_F(AppTest, ControlsOffForAMissingFileComeBackWhenAReloadFindsIt) {
    const std::string core = bytes("gpl/core.ini");
    for (auto f : {"gpl/core.ini", "gpl/wg69i.ini"}) remove(f);
    auto& w = load();
    put("gpl/core.ini", core);
    put("gpl/wg69i.ini", "[Wings]\r\nfrontWingInstalled = 1\r\nfrontWingAngle = -2147483648\r\n");
    ui.filePicks = {temp.write("gpl/gpl.exe", "MZ")};
    w.cmdPath->click();
    for (ui::Control* c : std::initializer_list<ui::Control*>{w.chkSteerHack, w.chkFullScreen, w.chkSetWingMax15,
                                                              w.chkAutoLoadWing4Track, &w.hscWingAngle[0]})
        EXPECT_TRUE(c->enabled()) << c->name();
    EXPECT_EQ(w.lblWingAngle[0].caption(), "15");
    EXPECT_FALSE(w.chkWing[1].enabled() || w.hscWingAngle[1].enabled());  // the rear wing's keys are missing
}

}  // namespace
