// Inputs a player's machine can hold that the program did not write: huge, garbled,
// missing, read-only or oddly named files, huge settings. Each meets the program's
// ordinary outcome: nothing crashes, nothing is lost, the user is told.
#include <gtest/gtest.h>

#include <random>

#include "support/app_fixture.h"

using namespace gridmate;
using namespace gridmate::test;

namespace {

TEST(HugeIni, A100MegabyteFileIsReadAndPatchedChangingOneLine) {
    TempFolder temp("gm-huge");
    std::string head = "[ Personal Information ]\r\nfirstName = Jim\r\n";
    for (const std::string filler = "; " + std::string(4094, 'x') + "\r\n"; head.size() < (100u << 20);) head += filler;
    const std::string tail = "\r\n\r\n[ Graphic Options ]\r\n", file = temp.write("p.ini", head + "helmetColor = 13" + tail);
    ScriptedUi ui;
    platform::Platform p;
    p.ui = &ui;
    platform::ScopedPlatform scoped(p);
    std::string value;
    EXPECT_GT(readGameKey(file, GameKey::HelmetColor, value), 0);
    EXPECT_EQ(value, "13");
    EXPECT_EQ(writeGameKey(file, GameKey::HelmetColor, "9"), 0);
    EXPECT_TRUE(readBytes(file) == head + composeLine(GameKey::HelmetColor, "9") + tail);
    EXPECT_EQ(ui.messageTexts(), Texts{});
}

// Every byte value, NULs, bare CRs, brackets and "=" in every file the program reads;
// a later choice patches the garbled file by inserting its line.
TEST_F(AppTest, GarbageInEveryFileTheProgramReadsLoadsWithoutWritingAndStaysUsable) {
    std::mt19937 rng(7);
    for (auto f : {"app.ini", "core.ini", "wg69i.ini", "players/Jim/player.ini", "players/Jim/plac65.ini",
                   "players/Jim/pla69w.ini", "seasons/67season.ini", "seasons/Original.67s", "Rend_OGL.dll"}) {
        std::string bytes(3000, '\0');
        for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = i % 37 ? char(rng()) : "\0\r\n[]= ;"[rng() % 8];
        put(std::string("gpl/") + f, bytes);
    }
    put("program/tarmac.ini", bytes("gpl/app.ini") + "\r\n[gridmate]\r\npath=" + game + "\r\n");
    platform::Platform real;
    real.versionInfo = platform::nativePlatform().versionInfo;  // the DLLs are read for real
    platform::ScopedPlatform dlls(real);
    Files before = files();
    auto& w = load();
    EXPECT_EQ(files(), before);
    EXPECT_EQ(w.currentSeason() * 10 + w.chkForceFullscreen4NonD3D->value(), 1);  // the defaults
    EXPECT_EQ(w.cboPlayer->count() * 100 + w.cboTrackSets->count() * 10 + w.cboRast->count(), 220);
    ui.messages.clear();
    pick(*w.cboPlayer, "Jim");
    w.cboHelmet[0].setSelectedIndex(4);
    EXPECT_EQ(changes(before, files()).count("gpl/players/Jim/player.ini"), 1u);
    EXPECT_EQ(ui.messageTexts(), Texts{});
}

TEST_F(AppTest, AByteOrderMarkStaysAndOnlyTheKeysLineChanges) {
    const std::string text = "\xEF\xBB\xBF; written by an editor\r\n" + playerIni("40");
    put("gpl/players/Jim/player.ini", text);
    load().cboTeam[0].setSelectedIndex(2);
    EXPECT_EQ(bytes("gpl/players/Jim/player.ini"), patched(text, GameKey::Team, "2"));
}

TEST_F(AppTest, AccentedBlankAndDoubleByteNamesReachTheirOwnFiles) {
    const Texts names = {"Jos\xE9 Mar\xED" "a", "\x83\x65\x83\x58\x83\x67"};  // Windows-1252, Shift-JIS
    for (const auto& name : names) {
        put("gpl/players/" + name + "/player.ini", playerIni("40"));
        put("gpl/seasons/" + name + ".67s", scheduleText({event("rouen", int(name.size()))}));
    }
    auto& w = load();
    Files before = files(), expected;
    for (const auto& name : names) {
        pick(*w.cboPlayer, name);
        w.cboHelmet[0].setSelectedIndex(7);
        pick(*w.cboTrackSets, name);
        expected["gpl/players/" + name + "/player.ini"] = patched(playerIni("40"), GameKey::HelmetColor, "7");
    }
    expected["gpl/seasons/67season.ini"] = scheduleText({event("rouen", int(names[1].size()))});
    EXPECT_EQ(changes(before, files()), expected);
}

TEST_F(AppTest, SettingsWithTenThousandKeysAndAMegabyteValueSurviveTheClose) {
    std::string text = "[gridmate]\r\npath=" + game + "\r\n67s=" + std::string(1 << 20, 'p') + "\r\n";
    for (int i = 0; i < 10000; ++i) text += "k" + std::to_string(i) + "=v" + std::to_string(i) + "\r\n";
    put("program/tarmac.ini", text);
    EXPECT_EQ(load().txtGPLPath->text(), game);
    close();
    EXPECT_EQ(bytes("program/tarmac.ini").substr(0, text.size()), text);  // new keys after
}

TEST_F(AppTest, AReadOnlySettingsFileFailsSilentlyAndStaysAsItWas) {
    const std::string before = bytes("program/tarmac.ini");
    load().chkCopyDefaultSetup->setChecked(true);
    makeReadOnly(temp.file("program/tarmac.ini"));
    close();
    EXPECT_EQ(bytes("program/tarmac.ini"), before);
    EXPECT_EQ(ui.messageTexts(), Texts{});
}

// The files the window needs are reported or their controls switched off; none is
// created, and the path, naming no game, is kept.
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
    EXPECT_EQ(changed.erase("program/tarmac.ini") + changed.size(), 1u);
    EXPECT_EQ(stored("path"), game);
}

}  // namespace
