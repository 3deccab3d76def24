// Starting the game from the window with its command line, the join fields, and the
// eight launcher buttons.
#include <gtest/gtest.h>

#include "launch/launcher.h"
#include "support/app_fixture.h"

using namespace gridmate;
using namespace gridmate::test;

namespace {

Texts started(const ScriptedUi& ui) {
    Texts lines;
    for (const auto& s : ui.shellOpens) lines.push_back(s.file + " |" + s.parameters + " | " + s.workingFolder);
    return lines;
}

// The rasterizer goes in lower case, the address as typed; the game needs a player and
// a rasterizer on its command line.
TEST_F(AppTest, EachSeasonButtonStartsItsGameWithTheWindowsChoices) {
    auto& w = load();
    w.cmdGPL[0].click();
    w.chkJoin->setChecked(true);
    w.txtIP->setText(" 10.1.2.3");
    pick(*w.cboRast, "OpenGL (Rend_OGL.dll)");  // full screen forced
    w.cmdGPL[1].click();
    ui.shellOpenResults.push_back(2);
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

TEST_F(AppTest, JoinOpensTheAddressAndPasteReplacesItWhole) {
    auto& w = load();
    auto fields = [&] {
        return std::to_string(w.txtIP->enabled()) + std::to_string(w.cmdPasteIP->enabled()) +
               std::to_string(w.txtIP->backColor() == ui::SystemColor::WindowBackground) + w.txtIP->text();
    };
    EXPECT_EQ(fields(), "000");
    w.chkJoin->setChecked(true);
    w.txtIP->setText("old address");
    ui.clipboard = "192.168.1.9";
    w.cmdPasteIP->click();
    EXPECT_EQ(fields(), "111192.168.1.9");
    w.txtIP->gotFocus();
    EXPECT_EQ(w.txtIP->selectionLength(), 11);
    ui.clipboard.reset();
    w.cmdPasteIP->click();
    w.chkJoin->setChecked(false);
    EXPECT_EQ(fields(), "000");
}

class Launchers : public AppTest {
protected:
    // The association lookup names `program` in the system's 260-byte buffer.
    void associate(const std::string& program) {
        ui.findExecutableResults.push_back({42, program + std::string(260 - program.size(), '\0')});
    }
    std::string editor = temp.write("tools/edit.exe", "MZ");
};

// A bound button shows the icon of the program that opens its file, when that program
// has one, and the file's name; a click opens the file in its own folder.
TEST_F(Launchers, ABoundButtonShowsItsProgramsIconAndOpensItsFile) {
    std::string notes = temp.write("docs/notes.txt", "hello");
    setting("Launch3", notes);
    setting("Launch4", editor);
    setting("Launch5", temp.file("gone.exe"));
    associate(editor);
    associate(editor);
    ui.findExecutableResults.push_back({2, ""});
    ui.programsWithIcons.push_back(editor);
    auto& w = load();
    EXPECT_EQ(w.cmdLaunch[3].picture(), ui::Picture::fileIcon(editor));
    EXPECT_EQ(w.cmdLaunch[3].toolTip() + "|" + w.cmdLaunch[4].toolTip() + "|" + w.cmdLaunch[5].toolTip(),
              "notes.txt|edit.exe|right click to set launcher");
    w.cmdLaunch[3].click();
    w.cmdLaunch[2].click();  // unbound
    ui.shellOpenResults = {2};
    w.cmdLaunch[5].click();
    EXPECT_EQ(started(ui), (Texts{notes + " | | " + temp.file("docs"), temp.file("gone.exe") + " | | " + temp.path()}));
    EXPECT_EQ(ui.boxes(), (Texts{"Gridmate | Critical Ok | file not found", "Gridmate | None Ok | launch eror"}));
}

// A right click chooses a file, starting where the binding is (or beside the program);
// Ctrl alone and a right click clears after asking, Cancel being the default.
TEST_F(Launchers, RightClickBindsAFileAndCtrlRightClickClearsAfterAsking) {
    auto& w = load();
    ui.filePicks.push_back(editor);
    associate(editor);
    ui.programsWithIcons.push_back(editor);
    w.cmdLaunch[7].mouseUp(ui::MouseButton::Right, ui::ShiftKey);
    w.cmdLaunch[7].mouseUp(ui::MouseButton::Right, ui::CtrlKey | ui::AltKey);  // cancelled
    w.cmdLaunch[7].mouseUp(ui::MouseButton::Left, ui::CtrlKey);
    EXPECT_EQ(ui.dialogs(), (Texts{"select file for launcher | *.* (*.*) | *.* | " + temp.file("program"),
                                   "select file for launcher | *.* (*.*) | *.* | " + editor}));
    EXPECT_EQ(stored("Launch7") + "|" + w.cmdLaunch[7].toolTip(), editor + "|edit.exe");
    ui.answers = {platform::Answer::Cancel, platform::Answer::Ok};
    for (int n : {7, 7, 6}) w.cmdLaunch[n].mouseUp(ui::MouseButton::Right, ui::CtrlKey);  // 6: unbound, no question
    EXPECT_EQ(ui.boxes(), Texts(2, "Gridmate | None OkCancel default 1 | Clear this button?"));
    EXPECT_EQ(bytes("program/tarmac.ini").find("Launch7"), std::string::npos);
    EXPECT_TRUE(w.cmdLaunch[7].picture().empty());
    EXPECT_EQ(w.cmdLaunch[7].toolTip(), "right click to set launcher");
}

// The shell may cut the program path at its first blank with a NUL.
TEST(Launcher, CleanExePathUndoesTheCutAndDropsTheTail) {
    const std::string nuls(200, '\0');
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\Program" + std::string(1, '\0') + "Files\\edit.exe" + nuls, "C:\\Program Files\\edit.exe"},
        {"C:\\tools\\ed.exe" + nuls, "C:\\tools\\ed.exe"},
        {"C:\\tools\\ed.exe \"  " + nuls, "C:\\tools\\ed.exe"},
        {"no nul at all ", "no nul at all "}};
    for (const auto& [raw, clean] : cases) EXPECT_EQ(launch::strCleanExePath(raw), clean);
}

}  // namespace
