// The player list and the season panels, on a small game folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "core/ini/line_layout.h"
#include "support/app_fixture.h"

using namespace gridmate;
using namespace gridmate::test;

namespace {

class Players : public AppFixture {
protected:
    void SetUp() override {
        knownGameFolder();
        gameFiles.appIni("Jim").coreIni().wingsIni("1", "-12", "0", "-8");
        for (int s = 0; s < 3; ++s) gameFiles.player("Jim", s);
        for (auto t : {"monza", "spa", "monaco"}) gameFiles.trackFolder(t);
    }
    std::string jimFile(const char* name) { return gameFiles.file(std::string("players/Jim/") + name); }
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
    std::vector<std::string> listed = w.cboPlayer->items();
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, (std::vector<std::string>{"Anna", "Jim", "jim"}));
    EXPECT_EQ(w.Players, w.cboPlayer->items());
    EXPECT_EQ(w.PlayerCount(), 3);
    EXPECT_EQ(w.selectedPlayer(), "Jim");
    EXPECT_EQ(w.lblPlayer[0].caption(), "Jim Clark");
    EXPECT_EQ(w.cboHelmet[0].selectedIndex(), 13);
    EXPECT_EQ(w.cboTeam[0].selectedIndex(), 3);
}

TEST_F(Players, LoadingWritesNothingToTheGameFiles) {
    std::vector<std::string> files = {"app.ini", "core.ini", "wg69i.ini", "players/Jim/player.ini",
                                      "players/Jim/plac65.ini", "players/Jim/pla69w.ini"};
    std::vector<std::string> before;
    for (auto& f : files) before.push_back(readBytes(gameFiles.file(f)));
    setting("showoption", "1");
    setting("AutoLoadWing4Track", "1");
    setting("mod", "69");
    auto& w = load();
    tracks({"monza", "spa", "monaco"});
    w.optSeason[1].setSelected(true);  // a season switch reloads the slider only
    for (size_t i = 0; i < files.size(); ++i) EXPECT_EQ(readBytes(gameFiles.file(files[i])), before[i]) << files[i];
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Players, MissingAppIniLeavesTheListEmptyWithAMessage) {
    std::remove(gameFiles.file("app.ini").c_str());
    auto& w = load();
    EXPECT_EQ(w.cboPlayer->count(), 0);
    ASSERT_GE(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "could not found app.ini");
    EXPECT_EQ(ui.messages[0].icon, platform::Icon::Critical);
    EXPECT_EQ(ui.messages[0].title, "Gridmate");
}

TEST_F(Players, HelmetAndTeamChoicesWriteOnlyTheirSeasonsLine) {
    auto& w = load();
    std::string p65 = readBytes(jimFile("plac65.ini"));
    std::string p67 = readBytes(jimFile("player.ini"));
    w.cboHelmet[1].setSelectedIndex(9);  // "gray, mediumd"
    std::string expected = p65;
    std::string oldLine = composeLine(GameKey::HelmetColor, "13");
    expected.replace(expected.find(oldLine), oldLine.size(), composeLine(GameKey::HelmetColor, "9"));
    EXPECT_EQ(readBytes(jimFile("plac65.ini")), expected);
    EXPECT_EQ(readBytes(jimFile("player.ini")), p67);

    w.cboTeam[2].setSelectedIndex(3);  // "Mclaren M7"
    EXPECT_NE(readBytes(jimFile("pla69w.ini")).find("team = 3  "), std::string::npos);
    w.cboTeam[0].setSelectedIndex(4);
    EXPECT_NE(readBytes(jimFile("player.ini")).find(composeLine(GameKey::Team, "4") + "\r\n"),
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

TEST_F(Players, APlayerWithOnly1965SwitchesTheWindowTo1965) {
    gameFiles.player("Dan", 1);
    auto& w = load();
    ASSERT_EQ(w.currentSeason(), 0);
    auto it = std::find(w.Players.begin(), w.Players.end(), "Dan");
    w.cboPlayer->setSelectedIndex(int(it - w.Players.begin()));
    EXPECT_EQ(w.currentSeason(), 1);
    EXPECT_TRUE(w.fraSeason[1].visible());
    EXPECT_FALSE(w.optSeason[0].enabled());
    EXPECT_FALSE(w.cmdGPL[2].enabled());
    EXPECT_FALSE(w.cboHelmet[0].enabled());
    EXPECT_EQ(w.cboHelmet[0].selectedIndex(), -1);
    EXPECT_EQ(w.lblPlayer[2].caption(), "");
}

TEST_F(Players, SeasonFallbackFollowsTheOrderOfPreference) {
    gameFiles.player("Only69", 2).player("Only67", 0);
    setting("mod", "65");
    auto& w = load();
    auto select = [&](const char* name) {
        auto it = std::find(w.Players.begin(), w.Players.end(), name);
        w.cboPlayer->setSelectedIndex(int(it - w.Players.begin()));
    };
    select("Only69");  // 1965 selected and gone, 1967 gone: 1969
    EXPECT_EQ(w.currentSeason(), 2);
    select("Only67");  // 1969 selected and gone, 1967 there: 1967
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

TEST_F(Players, ChoosingATrackCopiesTheDefaultSetupsThenWritesTheTrack) {
    temp.write("program/myset/fast.stp", "setup-a");
    temp.write("program/myset/wet/rain.stp", "setup-b");
    temp.write("gpl/players/Jim/setups/spa/fast.stp", "old");
    temp.write("gpl/players/Jim/setups/spa/mine.stp", "keep");
    setting("CopyDefaultSetup", "1");
    auto& w = load();
    tracks({"monza", "spa", "monaco"});
    w.cboLastTrack[0].setSelectedIndex(1);
    EXPECT_EQ(readBytes(gameFiles.file("players/Jim/setups/spa/fast.stp")), "setup-a");
    EXPECT_EQ(readBytes(gameFiles.file("players/Jim/setups/spa/wet/rain.stp")), "setup-b");
    EXPECT_EQ(readBytes(gameFiles.file("players/Jim/setups/spa/mine.stp")), "keep");
    EXPECT_NE(readBytes(jimFile("player.ini")).find(composeLine(GameKey::LastTrackSelection, "spa") + "\r\n"),
              std::string::npos);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Players, WithoutTheOptionNothingIsCopied) {
    temp.write("program/myset/fast.stp", "setup-a");
    auto& w = load();
    tracks({"monza", "spa"});
    w.cboLastTrack[1].setSelectedIndex(1);
    EXPECT_EQ(readBytes(gameFiles.file("players/Jim/setups/spa/fast.stp")), "<missing>");
    EXPECT_NE(readBytes(jimFile("plac65.ini")).find("lastTrackSelection = spa"), std::string::npos);
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

TEST_F(Players, ClosingSavesTheLastPlayerCutTo27Characters) {
    std::string longName = "A player name of thirty chars";
    longName += "!";
    ASSERT_EQ(longName.size(), 30u);
    gameFiles.player(longName, 0);
    setting("SaveLastPlayer", "1");
    auto& w = load();
    auto it = std::find(w.Players.begin(), w.Players.end(), longName);
    w.cboPlayer->setSelectedIndex(int(it - w.Players.begin()));
    close();
    EXPECT_NE(readBytes(gameFiles.file("app.ini")).find("lastPlayer = " + longName.substr(0, 27) + "\t;"),
              std::string::npos);
}

TEST_F(Players, ClosingWithoutTheOptionLeavesAppIniAlone) {
    std::string before = readBytes(gameFiles.file("app.ini"));
    auto& w = load();
    w.cboPlayer->setSelectedIndex(0);
    close();
    EXPECT_EQ(readBytes(gameFiles.file("app.ini")), before);
}

}  // namespace
