// The main window's load and close sequences, its options toggle, the game folder,
// what it shows of the game's files, starting the game and the launcher buttons.
#include <gtest/gtest.h>

#include "launch/launcher.h"
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

// A cancel ends the program at once. Browsing to another game stores it and reloads.
TEST_F(AppTest, AFirstStartAsksForTheGameAndClosingStoresEveryOption) {
    remove("program/tarmac.ini");
    const std::string other = temp.folder("other");
    ui.filePicks = {std::nullopt, temp.write("gpl/gpl.exe", "MZ"), temp.write("other/GPL.EXE", "MZ")};
    load();
    EXPECT_FALSE(loaded);
    EXPECT_EQ(bytes("program/tarmac.ini"), "<missing>");
    auto& w = load();
    EXPECT_EQ(ui.dialogs(), Texts(2, "Select your GPL.exe | GPL.EXE (gpl.exe) | GPL.EXE | C:\\sierra\\gpl"));
    EXPECT_EQ(w.form().caption() + " " + w.cmdDetail->caption() + " " + w.txtGPLPath->text(),
              "Gridmate 1.0.9 >>> " + game);
    EXPECT_EQ(layout(w), "0 100 4545 -,- 0000011 15");
    w.cmdPath->click();
    EXPECT_EQ(ui.fileDialogs[2].initialFolder + "|" + w.txtGPLPath->text(), game + "|" + other);
    close();
    EXPECT_EQ(bytes("program/tarmac.ini"),
              "[gridmate]\r\npath=" + other + "\r\nAutoLoadWing4Track=0\r\nSetWingMax15=1\r\n"
              "ForceFullScreen4NonD3D=1\r\nSaveLastRast=0\r\nSaveLastPlayer=0\r\nmod=67\r\n"
              "CopyDefaultSetup=0\r\nWindowPosX=-1\r\nWindowPosY=-1\r\nshowoption=0\r\n");
}

// An edge beyond the screen (15360 twips) is pulled back to it, one below 0 stays. The
// options slide in steps of 100 twips, their frames off while out of sight.
TEST_F(AppTest, ThePositionAndTheOptionsAreRestoredAndKept) {
    setting("WindowPosX", "99999");
    setting("WindowPosY", "-300");
    setting("showoption", "1");
    auto& w = load();
    EXPECT_EQ(layout(w), "0 100 8070 7290,-300 1000011 15");
    int steps = 0;
    w.form().onModelChanged = [&](ui::Window&, ui::Property) { ++steps; };
    for (std::string expected : {"4545 >>> 00", "8070 <<< 11"}) {
        w.cmdDetail->click();
        EXPECT_EQ(std::to_string(w.form().width()) + " " + w.cmdDetail->caption() + " " +
                      std::to_string(w.fraGPLOptions->enabled()) + std::to_string(w.fraTarmacOptions->enabled()),
                  expected);
    }
    EXPECT_EQ(steps, 72);
    w.form().setTop(700);
    w.cmdExit->click();
    EXPECT_EQ(stored("WindowPosX") + "," + stored("WindowPosY"), "7290,700");
    auto& again = load();
    again.form().setState(ui::WindowState::Minimized);
    pick(*again.cboPlayer, "Anna");
    close();
    EXPECT_EQ(stored("WindowPosX") + "," + stored("WindowPosY") + " " + stored("showoption") + stored("mod"),
              "-1,-1 165");
}

TEST_F(AppTest, TheLoadShowsTheGameFilesWithoutWritingThem) {
    setting("showoption", "1");
    setting("mod", "69");
    for (auto [file, bias, track] : {std::tuple{"player.ini", "40", "monaco"}, {"plac65.ini", "60", "rouen"},
                                     {"pla69w.ini", "80", "monaco"}})  // 1965's listed after the others'
        put(std::string("gpl/players/Jim/") + file, playerIni(bias, track));
    Files before = files();
    auto& w = load();
    EXPECT_EQ(w.selectedPlayer() + "|" + w.lblPlayer[2].caption() + "|" + w.cboHelmet[2].selectedItem() +
                  "|" + w.cboTeam[2].selectedItem() + "|" + w.cboTeam[1].item(3),
              "Jim|Jim Clark|red|Mclaren M7|Brabham BT7");
    EXPECT_EQ(w.cboRast->selectedItem() + "|" + std::to_string(w.cboRast->count()) + "|" + w.lblDetail->caption(),
              "Direct3D7 (rend_d3d.dll)|2|Detail Bias: 80 %");
    EXPECT_EQ(std::to_string(w.chkFullScreen->value()) + std::to_string(w.chkSteerHack->value()) +
                  std::to_string(w.chkWing[0].value()) + std::to_string(w.chkWing[1].value()) + " " +
                  w.lblWingAngle[0].caption() + " " + w.lblWingAngle[1].caption() + " " +
                  w.cboTrackSets->selectedItem(), "0110 12 8 Original");
    EXPECT_EQ(w.cboLastTrack[1].selectedItem() + "|" + w.cboLastTrack[2].selectedItem(), "rouen|monaco");
    w.optSeason[1].select();  // a season switch shows that season's bias
    EXPECT_EQ(w.lblDetail->caption(), "Detail Bias: 60 %");
    w.optSeason[0].select();
    EXPECT_EQ(w.lblDetail->caption(), "Detail Bias: 40 %");
    EXPECT_TRUE(!w.txtIP->enabled() && w.txtIP->backColor() == ui::SystemColor::ButtonFace);  // until JOIN
    EXPECT_EQ(files(), before);
    EXPECT_EQ(ui.messageTexts(), Texts{});
}

TEST_F(AppTest, ASeasonThePlayerHasNoFileForIsOffAndTheWindowFallsBack) {
    put("gpl/players/Eve/pla69w.ini", playerIni("40"));
    put("gpl/players/Fay/player.ini", playerIni("40"));
    auto& w = load();
    pick(*w.cboPlayer, "Anna");  // 1967 was selected: the first one Anna has, 1965
    EXPECT_EQ(w.lblPlayer[0].caption() + "|" + w.lblPlayer[1].caption(), "|Jim Clark");
    EXPECT_FALSE(w.optSeason[0].enabled() || w.cmdGPL[0].enabled() || w.cboHelmet[2].enabled() ||
                 w.cboLastTrack[0].enabled());
    std::string seasons = layout(w).substr(0, 6) + std::to_string(w.cboHelmet[0].selectedIndex());
    for (auto player : {"Eve", "Fay"}) pick(*w.cboPlayer, player), seasons += layout(w).substr(0, 6);
    EXPECT_EQ(seasons, "1 010 -12 001 0 100 ");  // Eve: 1965 gone, and 1967; Fay: 1969 gone
}

Texts started(const ScriptedUi& ui) {
    Texts lines;
    for (const auto& s : ui.shellOpens) lines.push_back(s.file + " |" + s.parameters + " | " + s.workingFolder);
    return lines;
}

// The rasterizer goes in lower case, a pasted address as it is; the game needs a player
// and a rasterizer on its command line.
TEST_F(AppTest, EachSeasonButtonStartsItsGameWithTheWindowsChoices) {
    auto& w = load();
    w.cmdGPL[0].click();
    w.chkJoin->setChecked(true);
    ui.clipboard = " 10.1.2.3";
    w.cmdPasteIP->click();
    pick(*w.cboRast, "OpenGL (Rend_OGL.dll)");  // forces full screen: every rasterizer but Direct3D
    EXPECT_FALSE(w.chkFullScreen->enabled());
    ui.shellOpenResults = {42, 2};
    w.cmdGPL[1].click();
    w.cmdGPL[2].click();
    w.cboRast->setSelectedIndex(-1);
    w.cmdGPL[2].click();
    w.cboPlayer->setSelectedIndex(-1);
    w.cmdGPL[2].click();
    const std::string joined = " -ko\"10:player:lastplayer:Jim\" -ko\"0:client:to_ip: 10.1.2.3\" -ko\"0:client:"
                               "via_ip: 10.1.2.3\" -ko\"10:graphics:lastrasterizerdll:rend_ogl.dll\""
                               " -ko\"0:rasterizer:fullscreen:1\" | " + game;
    EXPECT_EQ(started(ui), (Texts{game + "/gpl.exe | -ko\"10:player:lastplayer:Jim\" -ko\"10:graphics:"
                                         "lastrasterizerdll:rend_d3d.dll\" -ko\"0:rasterizer:fullscreen:0\" | " + game,
                                  game + "/gplc65.exe |" + joined, game + "/gpl69w.exe |" + joined}));
    EXPECT_EQ(ui.boxes(), (Texts{"Gridmate | None Ok | gpl69 launch eror",
                                 "Gridmate | Exclamation Ok | select a rasterizer first",
                                 "Gridmate | Exclamation Ok | select a player first"}));
}

// A bound button shows its file's name and the icon of the program that opens it, and
// opens it in its folder. A right click binds a file, starting where the binding is (or
// beside the program); Ctrl alone and a right click clears after asking (Cancel first).
TEST_F(AppTest, LauncherButtonsAreBoundByARightClickAndOpenTheirFile) {
    const std::string editor = temp.write("tools/edit.exe", "MZ"), notes = temp.write("docs/notes.txt", "x");
    const std::string found = editor + std::string(260 - editor.size(), '\0');  // as the system fills it
    setting("Launch3", notes);
    setting("Launch5", temp.file("gone.exe"));
    ui.findExecutableResults = {{42, found}, {2, ""}, {42, found}};
    ui.programsWithIcons.push_back(editor);
    ui.filePicks.push_back(editor);
    auto& w = load();
    w.cmdLaunch[7].mouseUp(ui::MouseButton::Right, ui::ShiftKey);
    w.cmdLaunch[7].mouseUp(ui::MouseButton::Right, ui::CtrlKey | ui::AltKey);  // cancelled
    w.cmdLaunch[7].mouseUp(ui::MouseButton::Left, ui::CtrlKey);
    for (int n : {3, 2, 5}) w.cmdLaunch[n].click();  // 2 unbound
    EXPECT_EQ(w.cmdLaunch[3].picture(), ui::Picture::fileIcon(editor));
    EXPECT_EQ(w.cmdLaunch[3].toolTip() + "|" + w.cmdLaunch[5].toolTip() + "|" + w.cmdLaunch[7].toolTip(),
              "notes.txt|right click to set launcher|edit.exe");
    EXPECT_EQ(ui.dialogs(), (Texts{"select file for launcher | *.* (*.*) | *.* | " + temp.file("program"),
                                   "select file for launcher | *.* (*.*) | *.* | " + editor}));
    EXPECT_EQ(started(ui), (Texts{notes + " | | " + temp.file("docs"), temp.file("gone.exe") + " | | " + temp.path()}));
    ui.shellOpenResults = {2};
    w.cmdLaunch[5].click();
    ui.answers = {platform::Answer::Cancel, platform::Answer::Ok};
    for (int n : {7, 7, 6}) w.cmdLaunch[n].mouseUp(ui::MouseButton::Right, ui::CtrlKey);  // 6 unbound: no question
    EXPECT_EQ(ui.boxes(), (Texts{"Gridmate | Critical Ok | file not found", "Gridmate | None Ok | launch eror",
                                 "Gridmate | None OkCancel default 1 | Clear this button?",
                                 "Gridmate | None OkCancel default 1 | Clear this button?"}));
    EXPECT_EQ(bytes("program/tarmac.ini").find("Launch7"), std::string::npos);
    EXPECT_TRUE(w.cmdLaunch[7].picture().empty());
    EXPECT_EQ(w.cmdLaunch[7].toolTip(), "right click to set launcher");
}

// The shell may cut the program path at its first blank with a NUL.
TEST(Launcher, CleanExePathUndoesTheCutAndDropsTheTail) {
    const std::string nuls(200, '\0');
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\Program" + std::string(1, '\0') + "Files\\edit.exe" + nuls, "C:\\Program Files\\edit.exe"},
        {"C:\\tools\\ed.exe \"  " + nuls, "C:\\tools\\ed.exe"},
        {"no nul at all ", "no nul at all "}};
    for (const auto& [raw, clean] : cases) EXPECT_EQ(launch::strCleanExePath(raw), clean);
}

}  // namespace
