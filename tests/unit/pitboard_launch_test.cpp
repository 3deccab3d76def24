// Starting the game from the window, the join fields and the launcher buttons.
#include <gtest/gtest.h>

#include "platform/paths.h"
#include "support/app_fixture.h"

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
        versions.privateBuild["Rend_OGL.dll"] = "type=rasterizer\r\ndisplayname=OpenGL\r\n";
    }
    std::string editor() { return temp.write("tools/My Editor/edit.exe", "MZ"); }
    std::string rawResult(const std::string& path) { return path + std::string(260 - path.size(), '\0'); }
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
}

TEST_F(Launching, AFailedStartShowsTheSeasonsMessage) {
    auto& w = load();
    ui.shellOpenResults.push_back(2);
    w.cmdGPL[2].click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "gpl69 launch eror");
    EXPECT_EQ(ui.messages[0].title, "Gridmate");
    EXPECT_EQ(ui.messages[0].buttons, platform::Buttons::Ok);
}

TEST_F(Launching, WithoutPlayerOrRasterizerTheGameIsNotStarted) {
    gameFiles.appIni("Nobody", "Rend_OGL.dll");
    auto& w = load();
    w.cmdGPL[0].click();
    EXPECT_TRUE(ui.shellOpens.empty());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "select a player first");

    w.cboPlayer->setSelectedIndex(0);
    w.cboRast->setSelectedIndex(-1);
    w.cmdGPL[0].click();
    EXPECT_TRUE(ui.shellOpens.empty());
    EXPECT_EQ(ui.messages.back().text, "select a rasterizer first");
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

TEST_F(Launching, ABoundButtonShowsItsProgramsIconAndNameAndOpensTheFile) {
    std::string program = editor();
    std::string doc = temp.write("docs/notes.txt", "hello");
    setting("Launch3", doc);
    ui.findExecutableResults.push_back({42, rawResult(program)});
    ui.programsWithIcons.push_back(program);
    auto& w = load();
    EXPECT_EQ(w.cmdLaunch[3].picture(), ui::Picture::fileIcon(program));
    EXPECT_EQ(w.cmdLaunch[3].toolTip(), "notes.txt");
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
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages[0].text, "file not found");
    EXPECT_EQ(ui.messages[0].icon, platform::Icon::Critical);
    EXPECT_EQ(w.cmdLaunch[0].toolTip(), "right click to set launcher");
    ui.shellOpenResults.push_back(2);
    w.cmdLaunch[0].click();
    EXPECT_EQ(ui.messages.back().text, "launch eror");
}

TEST_F(Launching, RightClickChoosesAFileAndCtrlRightClickClearsAfterAsking) {
    std::string program = editor();
    auto& w = load();
    ui.filePicks.push_back(program);
    ui.findExecutableResults.push_back({42, rawResult(program)});
    ui.programsWithIcons.push_back(program);
    w.cmdLaunch[7].mouseUp(ui::MouseButton::Right, ui::ShiftKey);
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    EXPECT_EQ(ui.fileDialogs[0].title, "select file for launcher");
    EXPECT_EQ(ui.fileDialogs[0].filterDescription, "*.* (*.*)");
    EXPECT_EQ(ui.fileDialogs[0].filterPattern, "*.*");
    EXPECT_EQ(ui.fileDialogs[0].initialFolder, temp.file("program"));
    EXPECT_EQ(storedSetting("Launch7"), program);
    EXPECT_EQ(w.cmdLaunch[7].toolTip(), "edit.exe");

    w.cmdLaunch[7].mouseUp(ui::MouseButton::Right, ui::CtrlKey);  // Cancel is the default
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Clear this button?");
    EXPECT_EQ(ui.messages[0].buttons, platform::Buttons::OkCancel);
    EXPECT_EQ(ui.messages[0].defaultButton, 1);
    EXPECT_EQ(storedSetting("Launch7"), program);

    ui.answers.push_back(platform::Answer::Ok);
    w.cmdLaunch[7].mouseUp(ui::MouseButton::Right, ui::CtrlKey);
    EXPECT_EQ(storedSetting("Launch7"), "");
    EXPECT_TRUE(w.cmdLaunch[7].picture().empty());
    EXPECT_EQ(w.cmdLaunch[7].toolTip(), "right click to set launcher");

    w.cmdLaunch[6].mouseUp(ui::MouseButton::Right, ui::CtrlKey);  // unbound: no question
    EXPECT_EQ(ui.messages.size(), 2u);
    w.cmdLaunch[6].mouseUp(ui::MouseButton::Left, ui::ShiftNone);
    EXPECT_EQ(ui.fileDialogs.size(), 1u);
}

TEST_F(Launching, ACancelledChoiceKeepsTheBindingAndTheDialogStartsAtIt) {
    std::string program = editor();
    setting("Launch1", program);
    ui.findExecutableResults.push_back({42, rawResult(program)});
    auto& w = load();
    w.cmdLaunch[1].mouseUp(ui::MouseButton::Right, ui::CtrlKey | ui::ShiftKey);
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    EXPECT_EQ(ui.fileDialogs[0].initialFolder, program);
    EXPECT_EQ(storedSetting("Launch1"), program);
}

TEST_F(Launching, AProgramWithoutIconLeavesThePictureAsItWas) {
    std::string program = editor();
    setting("Launch4", program);
    ui.findExecutableResults.push_back({42, rawResult(program)});
    auto& w = load();
    EXPECT_TRUE(w.cmdLaunch[4].picture().empty());
    EXPECT_EQ(w.cmdLaunch[4].toolTip(), "edit.exe");
}

}  // namespace
