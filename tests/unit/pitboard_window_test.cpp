// The main window's load and close sequences, its options toggle, the game folder and
// what it shows of the game's files.
#include <gtest/gtest.h>

#include "support/app_fixture.h"

using namespace gridmate;
using namespace gridmate::test;

namespace {

// Season, panels shown, width, left,top, the option boxes (position, setups, last player,
// rasterizer, wing load, full screen, wing limit) and the wing angles' maximum.
std::string layout(app::Pitboard& w) {
    auto edge = [](std::optional<int> e) { return e ? std::to_string(*e) : std::string("-"); };
    std::string s = std::to_string(w.currentSeason()) + " ";
    for (int i = 0; i < 3; ++i) s += w.lblPlayer[i].effectiveVisible() ? '1' : '0';
    s += " " + std::to_string(w.form().width()) + " " + edge(w.form().left()) + "," + edge(w.form().top()) + " ";
    for (auto* b : {w.chkSaveWindowPosition, w.chkCopyDefaultSetup, w.chkSaveLastPlayer, w.chkSaveRasterizer,
                    w.chkAutoLoadWing4Track, w.chkForceFullscreen4NonD3D, w.chkSetWingMax15})
        s += b->checked() ? '1' : '0';
    return s + " " + std::to_string(w.hscWingAngle[0].maximum());
}

// Browsing to another game stores it at once and reloads; a cancel changes nothing.
TEST_F(AppTest, AFirstStartAsksForTheGameAndClosingStoresEveryOption) {
    remove("program/tarmac.ini");
    const std::string other = temp.folder("other");
    ui.filePicks = {temp.write("gpl/gpl.exe", "MZ"), temp.write("other/GPL.EXE", "MZ"), std::nullopt};
    auto& w = load();
    ASSERT_TRUE(loaded);
    EXPECT_EQ(ui.dialogs(), Texts{"Select your GPL.exe | GPL.EXE (gpl.exe) | GPL.EXE | C:\\sierra\\gpl"});
    EXPECT_EQ(w.form().caption() + " " + w.cmdDetail->caption() + " " + w.txtGPLPath->text(),
              "Gridmate 1.0.9 >>> " + game);
    EXPECT_EQ(layout(w), "0 100 4545 -,- 0000011 15");
    w.cmdPath->click();
    w.cmdPath->click();
    EXPECT_EQ(ui.fileDialogs[1].initialFolder + "|" + ui.fileDialogs[2].initialFolder, game + "|" + other);
    EXPECT_EQ(w.txtGPLPath->text() + std::to_string(w.cboPlayer->count() + w.cboTrackSets->count()), other + "0");
    close();
    EXPECT_EQ(bytes("program/tarmac.ini"),
              "[gridmate]\r\npath=" + other + "\r\nAutoLoadWing4Track=0\r\nSetWingMax15=1\r\n"
              "ForceFullScreen4NonD3D=1\r\nSaveLastRast=0\r\nSaveLastPlayer=0\r\nmod=67\r\n"
              "CopyDefaultSetup=0\r\nWindowPosX=-1\r\nWindowPosY=-1\r\nshowoption=0\r\n");
}

// A cancel, or the typed name of a file that does not exist, ends the program.
TEST_F(AppTest, NoGameChosenAtTheFirstStartEndsWithoutWritingAnything) {
    for (auto chosen : {std::optional<std::string>(), std::optional(temp.file("gpl/gone.exe"))}) {
        remove("program/tarmac.ini");
        ui.filePicks.push_back(chosen);
        load();
        EXPECT_FALSE(loaded);
        EXPECT_EQ(bytes("program/tarmac.ini"), "<missing>");
    }
}

// Only "1" sets a box, "0" clears even those a missing key sets. A stored edge beyond
// the screen (15360 x 11520 twips) is pulled back so that the far edge meets the
// screen's; "-1", text and numbers beyond 32 bits are no edge.
TEST_F(AppTest, StoredSettingsShapeTheOpeningWindow) {
    ui.screenWidth = 15360;
    ui.screenHeight = 11520;
    std::vector<std::pair<Texts, std::string>> cases = {
        {{"mod=65"}, "1 010 4545 -,- 0000011 15"},
        {{"mod=66", "showoption=1"}, "0 100 8070 -,- 0000011 15"},
        {{"WindowPosX=1002.5", "WindowPosY=-300"}, "0 100 4545 1002,-300 1000011 15"},
        {{"WindowPosX=99999", "WindowPosY=99999", "showoption=1"}, "0 100 8070 7290,6345 1000011 15"},
        {{"WindowPosX=abc", "WindowPosY=300"}, "0 100 4545 -,300 1000011 15"},
        {{"WindowPosX=300", "WindowPosY=4294967296"}, "0 100 4545 300,- 0000011 15"}};
    for (std::string v : {"1", "0"})
        cases.push_back({{"CopyDefaultSetup=" + v, "SaveLastPlayer=" + v, "SaveLastRast=" + v, "SetWingMax15=" + v,
                          "AutoLoadWing4Track=" + v, "ForceFullScreen4NonD3D=" + v},
                         v == "1" ? "0 100 4545 -,- 0111111 15" : "0 100 4545 -,- 0000000 90"});
    for (const auto& [stored, expected] : cases) {
        remove("program/tarmac.ini");
        setting("path", game);
        for (const auto& s : stored) setting(s.substr(0, s.find('=')), s.substr(s.find('=') + 1));
        EXPECT_EQ(layout(load()), expected) << stored[0];
    }
}

// In steps of 100 twips; the option frames are off while out of sight.
TEST_F(AppTest, TheOptionsButtonSlidesTheWindowOpenAndShut) {
    setting("showoption", "1");
    auto& w = load();
    int steps = 0;
    w.form().onModelChanged = [&](ui::Window&, ui::Property) { ++steps; };
    for (std::string expected : {"4545 >>> 00", "8070 <<< 11"}) {
        w.cmdDetail->click();
        EXPECT_EQ(std::to_string(w.form().width()) + " " + w.cmdDetail->caption() + " " +
                      std::to_string(w.fraGPLOptions->enabled()) + std::to_string(w.fraTarmacOptions->enabled()),
                  expected);
    }
    EXPECT_EQ(steps, 72);
}

TEST_F(AppTest, ClosingKeepsThePositionOfANormalWindowWithItsBoxChecked) {
    setting("WindowPosX", "600");
    setting("WindowPosY", "700");
    load().form().setLeft(1200);
    w().cmdExit->click();
    EXPECT_EQ(stored("WindowPosX") + "," + stored("WindowPosY"), "1200,700");
    load().form().setState(ui::WindowState::Minimized);
    close();
    EXPECT_EQ(stored("WindowPosX") + "," + stored("WindowPosY"), "-1,-1");
    load().cmdDetail->click();
    pick(*w().cboPlayer, "Anna");
    close();
    EXPECT_EQ(stored("showoption") + " " + stored("mod"), "1 65");
}

TEST_F(AppTest, TheLoadShowsTheGameFilesWithoutWritingThem) {
    setting("showoption", "1");
    setting("mod", "69");
    Files before = files();
    auto& w = load();
    EXPECT_EQ(w.selectedPlayer() + "|" + w.lblPlayer[2].caption() + "|" + w.cboHelmet[2].selectedItem() + "|" +
                  w.cboTeam[2].selectedItem() + "|" + w.cboTeam[1].item(3), "Jim|Jim Clark|red|Mclaren M7|Brabham BT7");
    EXPECT_EQ(w.lblDetail->caption(), "Detail Bias: 80 %");
    EXPECT_EQ(w.cboRast->items().size(), 2u);
    EXPECT_EQ(w.cboRast->selectedItem(), "Direct3D7 (rend_d3d.dll)");
    EXPECT_EQ(std::to_string(w.chkFullScreen->value()) + std::to_string(w.chkSteerHack->value()) +
                  std::to_string(w.chkWing[0].value()) + std::to_string(w.chkWing[1].value()) + " " +
                  w.lblWingAngle[0].caption() + " " + w.lblWingAngle[1].caption(), "0110 12 8");
    EXPECT_EQ(w.cboLastTrack[0].items(), (Texts{"monaco", "spa", "rouen"}));
    EXPECT_EQ(w.cboTrackSets->selectedItem(), "Original");
    w.optSeason[1].select();  // a season switch shows that season's bias
    EXPECT_EQ(w.lblDetail->caption(), "Detail Bias: 60 %");
    EXPECT_EQ(files(), before);
    EXPECT_EQ(ui.messageTexts(), Texts{});
}

// With "force fullscreen" on, every rasterizer but the Direct3D one runs full screen.
TEST_F(AppTest, FullScreenIsForcedForEveryRasterizerButDirect3D) {
    auto& w = load();
    auto state = [&] { return std::to_string(w.chkFullScreen->value()) + std::to_string(w.chkFullScreen->enabled()); };
    std::string seen;
    pick(*w.cboRast, "OpenGL (Rend_OGL.dll)");
    seen += state();
    w.chkForceFullscreen4NonD3D->setChecked(false);
    w.chkFullScreen->setValue(0);
    seen += state();
    w.chkForceFullscreen4NonD3D->setChecked(true);
    seen += state();
    pick(*w.cboRast, "Direct3D7 (rend_d3d.dll)");
    EXPECT_EQ(seen + state(), "10011011");
}

TEST_F(AppTest, ASeasonThePlayerHasNoFileForIsOffAndTheWindowFallsBack) {
    put("gpl/players/Eve/pla69w.ini", playerIni("40"));
    put("gpl/players/Fay/player.ini", playerIni("40"));
    auto& w = load();
    pick(*w.cboPlayer, "Anna");  // 1967 was selected: the first one Anna has, 1965
    EXPECT_EQ(w.lblPlayer[0].caption() + "|" + w.lblPlayer[1].caption(), "|Jim Clark");
    for (ui::Control* c : std::initializer_list<ui::Control*>{&w.optSeason[0], &w.cmdGPL[0], &w.cboHelmet[2],
                                                              &w.cboTeam[2], &w.cboLastTrack[0]})
        EXPECT_FALSE(c->enabled()) << c->name();
    EXPECT_EQ(w.cboHelmet[0].selectedIndex(), -1);
    EXPECT_EQ(layout(w).substr(0, 5), "1 010");
    pick(*w.cboPlayer, "Eve");  // 1965 gone, and 1967: 1969
    EXPECT_EQ(layout(w).substr(0, 5), "2 001");
    pick(*w.cboPlayer, "Fay");  // 1969 gone, 1967 there
    EXPECT_EQ(layout(w).substr(0, 5), "0 100");
}

}  // namespace
