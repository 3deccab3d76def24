// Starting the game from the window, the join fields and the launcher buttons.
#include <gtest/gtest.h>

#include "platform/paths.h"
#include "support/app_fixture.h"
#include "support/user_requests.h"

using namespace gridmate;
using namespace gridmate::test;

namespace {

class Launching : public AppFixture {
protected:
    void SetUp() override {
        knownGameFolder();
        gameFiles.appIni("Jim", "Rend_OGL.dll").coreIni("1", "1");
        gameFiles.player("Jim", 0).player("Jim", 1).player("Jim", 2);
        gameFiles.raw("Rend_OGL.dll", "MZ");
        gameFiles.raw("seasons/67season.ini", "");  // a game folder has its schedule
        versions.privateBuild["Rend_OGL.dll"] = "type=rasterizer\r\ndisplayname=OpenGL\r\n";
    }
    std::string editor() { return temp.write("tools/My Editor/edit.exe", "MZ"); }
    // The association lookup names `program` in the system's 260-byte buffer.
    void associate(const std::string& program) {
        ui.findExecutableResults.push_back({42, program + std::string(260 - program.size(), '\0')});
    }
};

TEST_F(Launching, EachSeasonStartsItsExecutableWithTheWindowsChoices) {
    auto& w = load();
    w.chkJoin->setChecked(true);
    w.txtIP->setText("10.1.2.3");
    w.cmdGPL[1].click();
    ASSERT_EQ(ui.shellOpens.size(), 1u);
    EXPECT_EQ(ui.shellOpens[0].file, platform::joinPath(game, "gplc65.exe"));
    EXPECT_EQ(ui.shellOpens[0].workingFolder, game);
    EXPECT_EQ(ui.shellOpens[0].parameters,
              " -ko\"10:player:lastplayer:Jim\" -ko\"0:client:to_ip:10.1.2.3\""
              " -ko\"0:client:via_ip:10.1.2.3\" -ko\"10:graphics:lastrasterizerdll:rend_ogl.dll\""
              " -ko\"0:rasterizer:fullscreen:1\"");
    w.cmdGPL[2].click();
    EXPECT_EQ(ui.shellOpens[1].file, platform::joinPath(game, "gpl69w.exe"));
    EXPECT_EQ(ui.shellOpens[1].parameters, ui.shellOpens[0].parameters);
    EXPECT_TRUE(ui.messages.empty());

    ui.shellOpenResults.push_back(2);
    w.cmdGPL[2].click();
    EXPECT_EQ(boxes(ui), Texts{"Gridmate | None Ok | gpl69 launch eror"});
}

TEST_F(Launching, WithoutPlayerOrRasterizerTheGameIsNotStarted) {
    gameFiles.appIni("Nobody", "Rend_OGL.dll");
    auto& w = load();
    w.cmdGPL[0].click();
    w.cboPlayer->setSelectedIndex(0);
    w.cboRast->setSelectedIndex(-1);
    w.cmdGPL[0].click();
    EXPECT_TRUE(ui.shellOpens.empty());
    EXPECT_EQ(boxes(ui), (Texts{"Gridmate | Exclamation Ok | select a player first",
                                "Gridmate | Exclamation Ok | select a rasterizer first"}));
}

TEST_F(Launching, JoinSwitchesTheAddressFieldsAndPasteReplacesTheWholeAddress) {
    auto& w = load();
    w.chkJoin->setChecked(true);
    EXPECT_TRUE(w.txtIP->enabled());
    EXPECT_EQ(w.txtIP->backColor(), ui::SystemColor::WindowBackground);
    EXPECT_TRUE(w.cmdPasteIP->enabled());
    w.txtIP->setText("old address");
    w.txtIP->select(0, 3);
    ui.clipboard = "192.168.1.9";
    w.cmdPasteIP->click();
    EXPECT_EQ(w.txtIP->text(), "192.168.1.9");
    ui.clipboard.reset();
    w.cmdPasteIP->click();
    EXPECT_EQ(w.txtIP->text(), "");
    w.txtIP->setText("1.2.3.4");
    w.txtIP->gotFocus();
    EXPECT_EQ(w.txtIP->selectionLength(), 7);
    w.chkJoin->setChecked(false);
    EXPECT_FALSE(w.txtIP->enabled());
    EXPECT_EQ(w.txtIP->backColor(), ui::SystemColor::ButtonFace);
}

// A bound button shows the icon of the program the file opens with, when that program
// has one, and the file's name; a click opens the file in its own folder.
TEST_F(Launching, ABoundButtonShowsItsProgramsIconAndNameAndOpensTheFile) {
    std::string program = editor();
    std::string plain = temp.write("tools/plain.exe", "MZ");
    std::string doc = temp.write("docs/notes.txt", "hello");
    setting("Launch3", doc);
    setting("Launch4", plain);
    associate(program);
    associate(plain);
    ui.programsWithIcons.push_back(program);
    auto& w = load();
    EXPECT_EQ(w.cmdLaunch[3].picture(), ui::Picture::fileIcon(program));
    EXPECT_EQ(w.cmdLaunch[3].toolTip(), "notes.txt");
    EXPECT_TRUE(w.cmdLaunch[4].picture().empty());
    EXPECT_EQ(w.cmdLaunch[4].toolTip(), "plain.exe");
    EXPECT_TRUE(w.cmdLaunch[2].picture().empty());
    w.cmdLaunch[3].click();
    ASSERT_EQ(ui.shellOpens.size(), 1u);
    EXPECT_EQ(ui.shellOpens[0].file, doc);
    EXPECT_EQ(ui.shellOpens[0].parameters, "");
    EXPECT_EQ(ui.shellOpens[0].workingFolder, temp.file("docs"));
    w.cmdLaunch[2].click();  // unbound: nothing
    EXPECT_EQ(ui.shellOpens.size(), 1u);
}

TEST_F(Launching, AMissingBoundFileReportsTheLookupAndKeepsTheUnboundTip) {
    setting("Launch0", temp.file("gone.exe"));
    ui.findExecutableResults.push_back({2, ""});
    auto& w = load();
    EXPECT_EQ(w.cmdLaunch[0].toolTip(), "right click to set launcher");
    ui.shellOpenResults.push_back(2);
    w.cmdLaunch[0].click();
    EXPECT_EQ(boxes(ui), (Texts{"Gridmate | Critical Ok | file not found",
                                "Gridmate | None Ok | launch eror"}));
}

// A right click chooses a file, starting where the binding is (or beside the program);
// Ctrl and a right click clears after asking, Cancel being the default.
TEST_F(Launching, RightClickChoosesAFileAndCtrlRightClickClearsAfterAsking) {
    std::string program = editor();
    auto& w = load();
    ui.filePicks.push_back(program);
    associate(program);
    ui.programsWithIcons.push_back(program);
    w.cmdLaunch[7].mouseUp(ui::MouseButton::Right, ui::ShiftKey);
    EXPECT_EQ(storedSetting("Launch7"), program);
    EXPECT_EQ(w.cmdLaunch[7].toolTip(), "edit.exe");
    w.cmdLaunch[7].mouseUp(ui::MouseButton::Right, ui::CtrlKey | ui::ShiftKey);  // cancelled
    EXPECT_EQ(dialogs(ui), (Texts{"select file for launcher | *.* (*.*) | *.* | " +
                                      temp.file("program"),
                                  "select file for launcher | *.* (*.*) | *.* | " + program}));
    EXPECT_EQ(storedSetting("Launch7"), program);

    w.cmdLaunch[7].mouseUp(ui::MouseButton::Right, ui::CtrlKey);
    EXPECT_EQ(boxes(ui), Texts{"Gridmate | None OkCancel default 1 | Clear this button?"});
    EXPECT_EQ(storedSetting("Launch7"), program);

    ui.answers.push_back(platform::Answer::Ok);
    w.cmdLaunch[7].mouseUp(ui::MouseButton::Right, ui::CtrlKey);
    EXPECT_EQ(storedSetting("Launch7"), "");
    EXPECT_TRUE(w.cmdLaunch[7].picture().empty());
    EXPECT_EQ(w.cmdLaunch[7].toolTip(), "right click to set launcher");

    w.cmdLaunch[6].mouseUp(ui::MouseButton::Right, ui::CtrlKey);  // unbound: no question
    EXPECT_EQ(ui.messages.size(), 2u);
    w.cmdLaunch[6].mouseUp(ui::MouseButton::Left, ui::ShiftNone);
    EXPECT_EQ(ui.fileDialogs.size(), 2u);
}

}  // namespace
