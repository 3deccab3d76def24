// The player list and the season panels, on a small game folder.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/ini/line_layout.h"
#include "support/app_fixture.h"

using namespace gridmate;
using namespace gridmate::test;

namespace {

class Players : public AppFixture {
protected:
    void SetUp() override {
        jimsGame();
        for (auto t : {"monza", "spa", "monaco"}) gameFiles.trackFolder(t);
        gameFiles.raw("seasons/67season.ini", "");  // a game folder has its schedule
    }
    std::string jimFile(const char* name) { return gameBytes(std::string("players/Jim/") + name); }
    // The three last-track lists hold what the installed schedule lists.
    void tracks(std::initializer_list<const char*> names) {
        for (int i = 0; i < 3; ++i) {
            window().cboLastTrack[i].clear();
            for (auto n : names) window().cboLastTrack[i].addItem(n);
        }
        window().SelectLastTracks();
    }
};

TEST_F(Players, QualifyingFoldersAreListedAndTheLastPlayerSelectedExactly) {
    gameFiles.player("Anna", 1).player("jim", 0).raw("players/Empty/readme.txt", "x");
    auto& w = load();
    Texts listed = w.cboPlayer->items();
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, (Texts{"Anna", "Jim", "jim"}));
    EXPECT_EQ(w.Players, w.cboPlayer->items());
    EXPECT_EQ(w.PlayerCount(), 3);
    EXPECT_EQ(w.selectedPlayer(), "Jim");
    EXPECT_EQ(w.lblPlayer[0].caption(), "Jim Clark");
    EXPECT_EQ(w.cboHelmet[0].selectedIndex(), 13);
    EXPECT_EQ(w.cboTeam[0].selectedIndex(), 3);
}

TEST_F(Players, LoadingWritesNothingToTheGameFiles) {
    const Texts files = {"app.ini", "core.ini", "wg69i.ini", "players/Jim/player.ini",
                         "players/Jim/plac65.ini", "players/Jim/pla69w.ini"};
    Texts before;
    for (auto& f : files) before.push_back(gameBytes(f));
    setting("showoption", "1");
    setting("AutoLoadWing4Track", "1");
    setting("mod", "69");
    auto& w = load();
    tracks({"monza", "spa", "monaco"});
    w.optSeason[1].setSelected(true);  // a season switch reloads the slider only
    for (size_t i = 0; i < files.size(); ++i) EXPECT_EQ(gameBytes(files[i]), before[i]) << files[i];
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Players, HelmetAndTeamChoicesWriteOnlyTheirSeasonsLine) {
    auto& w = load();
    std::string p65 = jimFile("plac65.ini");
    std::string p67 = jimFile("player.ini");
    w.cboHelmet[1].setSelectedIndex(9);  // "gray, mediumd"
    std::string expected = p65;
    std::string oldLine = composeLine(GameKey::HelmetColor, "13");
    expected.replace(expected.find(oldLine), oldLine.size(), composeLine(GameKey::HelmetColor, "9"));
    EXPECT_EQ(jimFile("plac65.ini"), expected);
    EXPECT_EQ(jimFile("player.ini"), p67);

    w.cboTeam[2].setSelectedIndex(3);  // "Mclaren M7"
    EXPECT_NE(jimFile("pla69w.ini").find("team = 3  "), std::string::npos);
    w.cboTeam[0].setSelectedIndex(4);
    EXPECT_NE(jimFile("player.ini").find(composeLine(GameKey::Team, "4") + "\r\n"),
              std::string::npos);
}

TEST_F(Players, StoredValuesOutsideTheListsShowNoSelection) {
    PlayerSeason odd;
    odd.helmet = "16";
    odd.team = "2.5";
    gameFiles.player("Jim", 0, odd);
    PlayerSeason text;
    text.helmet = "red";
    text.team = "";
    gameFiles.player("Jim", 1, text);
    auto& w = load();
    EXPECT_EQ(w.cboHelmet[0].selectedIndex(), -1);
    EXPECT_EQ(w.cboTeam[0].selectedIndex(), -1);
    EXPECT_EQ(w.cboHelmet[1].selectedIndex(), -1);
    EXPECT_EQ(w.cboTeam[1].selectedIndex(), -1);
    EXPECT_EQ(w.cboHelmet[2].selectedIndex(), 13);
}

// A season the player has no file for is switched off, and the window moves to the first
// season the player has, in the order of preference.
TEST_F(Players, SeasonsWithoutAPlayerFileAreOffAndTheSelectionFallsBack) {
    gameFiles.player("Dan", 1).player("Only69", 2).player("Only67", 0);
    auto& w = load();
    ASSERT_EQ(w.currentSeason(), 0);
    pick(*w.cboPlayer, "Dan");
    EXPECT_EQ(w.currentSeason(), 1);
    EXPECT_TRUE(w.fraSeason[1].visible());
    EXPECT_FALSE(w.optSeason[0].enabled());
    EXPECT_FALSE(w.cmdGPL[2].enabled());
    EXPECT_FALSE(w.cboHelmet[0].enabled());
    EXPECT_EQ(w.cboHelmet[0].selectedIndex(), -1);
    EXPECT_EQ(w.lblPlayer[2].caption(), "");
    pick(*w.cboPlayer, "Only69");  // 1965 selected and gone, 1967 gone: 1969
    EXPECT_EQ(w.currentSeason(), 2);
    pick(*w.cboPlayer, "Only67");  // 1969 selected and gone, 1967 there: 1967
    EXPECT_EQ(w.currentSeason(), 0);
}

TEST_F(Players, TheLaterOfTwoEqualTracksIsSelectedAndEachSeasonHasItsOwn) {
    PlayerSeason s65;
    s65.track = "monaco";
    gameFiles.player("Jim", 1, s65);
    auto& w = load();
    // The 1965 list is done only at position 3, so the 1967 and 1969 lists are tested
    // again at position 2 and take the later "monza".
    tracks({"monza", "spa", "monza", "monaco"});
    EXPECT_EQ(w.cboLastTrack[0].selectedIndex(), 2);
    EXPECT_EQ(w.cboLastTrack[1].selectedIndex(), 3);
    EXPECT_EQ(w.cboLastTrack[2].selectedIndex(), 2);
    // Once every list is done the walk stops: the later duplicate is not reached.
    PlayerSeason early;
    early.track = "spa";
    gameFiles.player("Jim", 1, early);
    w.SelectLastTracks();
    EXPECT_EQ(w.cboLastTrack[0].selectedIndex(), 0);
    EXPECT_EQ(w.cboLastTrack[1].selectedIndex(), 1);
}

// With the option on, myset's files go into the player's folder for the track (its own
// files kept) before the track is written; without it nothing is copied.
TEST_F(Players, ChoosingATrackCopiesTheDefaultSetupsOnlyWithTheOption) {
    temp.write("program/myset/fast.stp", "setup-a");
    temp.write("program/myset/wet/rain.stp", "setup-b");
    temp.write("gpl/players/Jim/setups/spa/fast.stp", "old");
    temp.write("gpl/players/Jim/setups/spa/mine.stp", "keep");
    auto& w = load();
    tracks({"monza", "spa", "monaco"});
    w.cboLastTrack[1].setSelectedIndex(1);
    EXPECT_EQ(gameBytes("players/Jim/setups/spa/fast.stp"), "old");
    EXPECT_NE(jimFile("plac65.ini").find(composeLine(GameKey::LastTrackSelection, "spa")),
              std::string::npos);

    w.chkCopyDefaultSetup->setChecked(true);
    w.cboLastTrack[0].setSelectedIndex(1);
    EXPECT_EQ(gameBytes("players/Jim/setups/spa/fast.stp"), "setup-a");
    EXPECT_EQ(gameBytes("players/Jim/setups/spa/wet/rain.stp"), "setup-b");
    EXPECT_EQ(gameBytes("players/Jim/setups/spa/mine.stp"), "keep");
    EXPECT_NE(jimFile("player.ini").find(composeLine(GameKey::LastTrackSelection, "spa") + "\r\n"),
              std::string::npos);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Players, ATrackNameThatLeavesItsFolderIsRefusedAndNothingCopied) {
    temp.write("program/myset/fast.stp", "setup-a");
    setting("CopyDefaultSetup", "1");
    auto& w = load();
    tracks({"../../../evil"});
    w.cboLastTrack[0].setSelectedIndex(0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("../../../evil"), std::string::npos);
    EXPECT_EQ(listing(gameFiles.path()).find("evil"), std::string::npos);
    EXPECT_EQ(listing(gameFiles.file("players/Jim")), "pla69w.ini,plac65.ini,player.ini");
}

TEST_F(Players, CheckingCopySetupsCreatesAnEmptyMysetFolder) {
    auto& w = load();
    w.chkCopyDefaultSetup->setChecked(true);
    EXPECT_EQ(listing(temp.file("program/myset")), "");
    EXPECT_NE(listing(temp.file("program")).find("myset"), std::string::npos);
}

// Only with the option does closing write the selected player, cut to 27 characters.
TEST_F(Players, ClosingSavesTheLastPlayerOnlyWithTheOption) {
    std::string longName = "A player name of thirty chars!";
    ASSERT_EQ(longName.size(), 30u);
    gameFiles.player(longName, 0);
    std::string expected = gameBytes("app.ini");
    std::string oldLine = composeLine(GameKey::LastPlayer, "Jim");
    expected.replace(expected.find(oldLine), oldLine.size(),
                     "lastPlayer = " + longName.substr(0, 27) +
                         "\t; directory of the last player to play the game");
    std::string before = gameBytes("app.ini");
    for (const char* option : {"0", "1"}) {
        setting("SaveLastPlayer", option);
        pick(*load().cboPlayer, longName);
        close();
        EXPECT_EQ(gameBytes("app.ini"), *option == '1' ? expected : before) << option;
    }
}

}  // namespace
