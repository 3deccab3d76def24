// The main window's load and close sequences, the options toggle and the game folder.
#include <gtest/gtest.h>

#include <vector>

#include "platform/paths.h"
#include "platform/platform.h"
#include "support/app_fixture.h"

using namespace gridmate;
using namespace gridmate::test;
using platform::Icon;

namespace {

class PitboardShell : public AppFixture {
protected:
    // A gpl.exe to pick in the folder dialog.
    std::string gameExe() { return temp.write("gpl/gpl.exe", "MZ"); }
};

TEST_F(PitboardShell, FirstStartAsksForTheGameAndOpensCollapsedOn1967) {
    ui.filePicks.push_back(gameExe());
    auto& w = load();
    ASSERT_TRUE(loaded);
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    EXPECT_EQ(ui.fileDialogs[0].title, "Select your GPL.exe");
    EXPECT_EQ(ui.fileDialogs[0].filterDescription, "GPL.EXE (gpl.exe)");
    EXPECT_EQ(ui.fileDialogs[0].filterPattern, "GPL.EXE");
    EXPECT_EQ(ui.fileDialogs[0].initialFolder, "C:\\sierra\\gpl");
    EXPECT_TRUE(ui.fileDialogs[0].hideReadOnly);
    EXPECT_EQ(storedSetting("path"), game);
    EXPECT_EQ(w.strGPLPath, game);
    EXPECT_EQ(w.txtGPLPath->text(), game);

    EXPECT_EQ(w.form().caption(), "Gridmate 1.0.9");
    EXPECT_EQ(w.form().width(), 4545);
    EXPECT_EQ(w.form().height(), 5175);
    EXPECT_EQ(w.cmdDetail->caption(), ">>>");
    EXPECT_TRUE(w.optSeason[0].selected());
    EXPECT_TRUE(w.fraSeason[0].visible());
    EXPECT_FALSE(w.fraSeason[1].visible());
    EXPECT_FALSE(w.fraSeason[2].visible());
    EXPECT_TRUE(w.chkForceFullscreen4NonD3D->checked());
    EXPECT_TRUE(w.chkSetWingMax15->checked());
    EXPECT_EQ(w.hscWingAngle[0].maximum(), 15);
    EXPECT_EQ(w.hscWingAngle[1].maximum(), 15);
    for (auto* box : {w.chkSaveWindowPosition, w.chkCopyDefaultSetup, w.chkSaveLastPlayer,
                      w.chkSaveRasterizer, w.chkAutoLoadWing4Track, w.chkJoin})
        EXPECT_FALSE(box->checked()) << box->name();
    EXPECT_FALSE(w.form().left().has_value());
    EXPECT_FALSE(w.txtIP->enabled());
    EXPECT_EQ(w.txtIP->backColor(), ui::SystemColor::ButtonFace);
    EXPECT_FALSE(w.cmdPasteIP->enabled());
    for (int n = 0; n < app::kLauncherCount; ++n)
        EXPECT_EQ(w.cmdLaunch[n].toolTip(), "right click to set launcher");
    EXPECT_FALSE(w.blnUpdating);
}

TEST_F(PitboardShell, FixedListsAreFilledInTheirOrder) {
    knownGameFolder();
    auto& w = load();
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(w.cboHelmet[i].count(), 16);
        EXPECT_EQ(w.cboHelmet[i].item(9), "gray, mediumd");
        ASSERT_EQ(w.cboTeam[i].count(), 7);
    }
    EXPECT_EQ(w.cboTeam[0].item(3), "Eagle");
    EXPECT_EQ(w.cboTeam[1].item(3), "Brabham BT7");
    EXPECT_EQ(w.cboTeam[2].item(3), "Mclaren M7");
}

TEST_F(PitboardShell, CancellingTheFirstFolderDialogEndsWithoutWritingAnything) {
    load();
    EXPECT_FALSE(loaded);
    EXPECT_EQ(readBytes(settingsFile), "<missing>");
}

TEST_F(PitboardShell, APickedNameOfAMissingFileCountsAsACancel) {
    ui.filePicks.push_back(temp.file("gpl/nothere.exe"));
    load();
    EXPECT_FALSE(loaded);
    EXPECT_EQ(readBytes(settingsFile), "<missing>");
}

TEST_F(PitboardShell, StoredSeasonCodeSelectsItsSeasonAndAnythingElse1967) {
    for (auto [code, expected] : {std::pair{"65", 1}, {"69", 2}, {"67", 0}, {"66", 0}, {"", 0}}) {
        knownGameFolder();
        setting("mod", code);
        auto& w = load();
        EXPECT_EQ(w.currentSeason(), expected) << code;
        for (int i = 0; i < 3; ++i) EXPECT_EQ(w.fraSeason[i].visible(), i == expected) << code;
    }
}

TEST_F(PitboardShell, ShowOptionOpensWideAndTheToggleStepsBackAndForth) {
    knownGameFolder();
    setting("showoption", "1");
    auto& w = load();
    EXPECT_EQ(w.form().width(), 8070);
    EXPECT_EQ(w.cmdDetail->caption(), "<<<");
    EXPECT_TRUE(w.fraGPLOptions->enabled());
    EXPECT_TRUE(w.fraTarmacOptions->enabled());

    std::vector<int> widths;
    w.form().onModelChanged = [&](ui::Window& f, ui::Property p) {
        if (p == ui::Property::Geometry) widths.push_back(f.width());
    };
    w.cmdDetail->click();
    ASSERT_EQ(widths.size(), 36u);  // 8070 itself is no change
    EXPECT_EQ(widths.front(), 7970);
    EXPECT_EQ(widths[34], 4570);
    EXPECT_EQ(widths.back(), 4545);
    EXPECT_EQ(w.cmdDetail->caption(), ">>>");
    EXPECT_FALSE(w.fraGPLOptions->enabled());
    EXPECT_FALSE(w.fraTarmacOptions->enabled());
    EXPECT_FALSE(w.chkSaveLastPlayer->effectiveEnabled());

    widths.clear();
    w.cmdDetail->click();
    ASSERT_EQ(widths.size(), 36u);  // 4545 itself is no change
    EXPECT_EQ(widths.front(), 4645);
    EXPECT_EQ(widths[34], 8045);
    EXPECT_EQ(widths.back(), 8070);
    EXPECT_TRUE(w.fraTarmacOptions->enabled());
}

TEST_F(PitboardShell, CollapsedAtLoadTheOptionFramesKeepTheirEnabledState) {
    knownGameFolder();
    auto& w = load();
    EXPECT_TRUE(w.fraGPLOptions->enabled());
    EXPECT_TRUE(w.fraTarmacOptions->enabled());
}

TEST_F(PitboardShell, StoredPositionIsRestoredRoundedAndPulledBackOntoTheScreen) {
    ui.screenWidth = 15360;
    ui.screenHeight = 11520;
    knownGameFolder();
    setting("WindowPosX", "1002.5");
    setting("WindowPosY", "-300");
    auto& w = load();
    EXPECT_EQ(w.form().left(), 1002);
    EXPECT_EQ(w.form().top(), -300);  // a negative edge stays
    EXPECT_TRUE(w.chkSaveWindowPosition->checked());

    setting("WindowPosX", "99999");
    setting("WindowPosY", "99999");
    setting("showoption", "1");
    auto& wide = load();
    EXPECT_EQ(wide.form().left(), 15360 - 8070);  // the width after the toggle
    EXPECT_EQ(wide.form().top(), 11520 - 5175);
}

TEST_F(PitboardShell, TheSecondPositionKeyDecidesWhetherPositionsAreSaved) {
    knownGameFolder();
    setting("WindowPosX", "abc");
    setting("WindowPosY", "300");
    auto& a = load();
    EXPECT_FALSE(a.form().left().has_value());
    EXPECT_EQ(a.form().top(), 300);
    EXPECT_TRUE(a.chkSaveWindowPosition->checked());

    setting("WindowPosX", "300");
    setting("WindowPosY", "-1");
    auto& b = load();
    EXPECT_EQ(b.form().left(), 300);
    EXPECT_FALSE(b.chkSaveWindowPosition->checked());

    setting("WindowPosX", "300");
    setting("WindowPosY", "4294967296");  // too large for a whole number: ignored
    auto& c = load();
    EXPECT_FALSE(c.chkSaveWindowPosition->checked());
}

TEST_F(PitboardShell, OptionKeysAreComparedExactly) {
    knownGameFolder();
    setting("CopyDefaultSetup", "1");
    setting("SaveLastPlayer", "1");
    setting("SaveLastRast", "1");
    setting("AutoLoadWing4Track", "1");
    setting("ForceFullScreen4NonD3D", "0");
    setting("SetWingMax15", "0");
    auto& w = load();
    EXPECT_TRUE(w.chkCopyDefaultSetup->checked());
    EXPECT_TRUE(w.chkSaveLastPlayer->checked());
    EXPECT_EQ(w.cboPlayer->toolTip(), "changes will be saved to app.ini when exiting Gridmate");
    EXPECT_TRUE(w.chkSaveRasterizer->checked());
    EXPECT_TRUE(w.chkAutoLoadWing4Track->checked());
    EXPECT_FALSE(w.chkForceFullscreen4NonD3D->checked());
    EXPECT_FALSE(w.chkSetWingMax15->checked());
    EXPECT_EQ(w.hscWingAngle[0].maximum(), 90);

    setting("CopyDefaultSetup", "true");
    setting("SaveLastPlayer", "01");
    setting("ForceFullScreen4NonD3D", "yes");
    auto& v = load();
    EXPECT_FALSE(v.chkCopyDefaultSetup->checked());
    EXPECT_FALSE(v.chkSaveLastPlayer->checked());
    EXPECT_EQ(v.cboPlayer->toolTip(), "changes will NOT be saved to app.ini");
    EXPECT_FALSE(v.chkForceFullscreen4NonD3D->checked());
}

TEST_F(PitboardShell, ClosingAfterAFirstStartWritesEveryOptionOnce) {
    ui.filePicks.push_back(gameExe());
    load();
    close();
    EXPECT_EQ(readBytes(settingsFile),
              "[gridmate]\r\npath=" + game +
                  "\r\nAutoLoadWing4Track=0\r\nSetWingMax15=1\r\nForceFullScreen4NonD3D=1\r\n"
                  "SaveLastRast=0\r\nSaveLastPlayer=0\r\nmod=67\r\nCopyDefaultSetup=0\r\n"
                  "WindowPosX=-1\r\nWindowPosY=-1\r\nshowoption=0\r\n");
}

TEST_F(PitboardShell, ClosingStoresPositionOnlyForANormalWindowWithTheBoxChecked) {
    knownGameFolder();
    setting("WindowPosX", "600");
    setting("WindowPosY", "700");
    auto& w = load();
    w.form().setLeft(1200);
    close();
    EXPECT_EQ(storedSetting("WindowPosX"), "1200");
    EXPECT_EQ(storedSetting("WindowPosY"), "700");

    auto& m = load();
    m.form().setState(ui::WindowState::Minimized);
    close();
    EXPECT_EQ(storedSetting("WindowPosX"), "-1");
    EXPECT_EQ(storedSetting("WindowPosY"), "-1");
}

TEST_F(PitboardShell, ClosingWideStoresShowOptionAndTheSeasonOnlyWhenEnabled) {
    knownGameFolder();
    setting("mod", "65");
    auto& w = load();
    w.cmdDetail->click();
    w.optSeason[1].setEnabled(false);  // the player has no 1965 file
    close();
    EXPECT_EQ(storedSetting("showoption"), "1");
    EXPECT_EQ(storedSetting("mod"), "65");  // kept from before, not rewritten
    auto& again = load();
    again.optSeason[2].setSelected(true);
    close();
    EXPECT_EQ(storedSetting("mod"), "69");
}

TEST_F(PitboardShell, ExitButtonClosesWithTheSameWritesAsTheCloseBox) {
    knownGameFolder();
    auto& w = load();
    w.chkCopyDefaultSetup->setChecked(true);
    w.cmdExit->click();
    EXPECT_TRUE(w.form().closed());
    EXPECT_EQ(storedSetting("CopyDefaultSetup"), "1");
}

TEST_F(PitboardShell, BrowsingToAnotherGameReloadsAndStoresItAtOnce) {
    knownGameFolder();
    auto& w = load();
    std::string other = temp.folder("other game");
    ui.filePicks.push_back(temp.write("other game/GPL.EXE", "MZ"));
    w.cmdPath->click();
    EXPECT_EQ(ui.fileDialogs.back().initialFolder, game);
    EXPECT_EQ(w.strGPLPath, other);
    EXPECT_EQ(w.txtGPLPath->text(), other);
    EXPECT_EQ(storedSetting("path"), other);
    EXPECT_FALSE(w.blnUpdating);

    w.cmdPath->click();  // cancelled: nothing changes
    EXPECT_EQ(w.strGPLPath, other);
    EXPECT_EQ(storedSetting("path"), other);
}

TEST_F(PitboardShell, GettingFocusSelectsThePathText) {
    knownGameFolder();
    auto& w = load();
    w.txtGPLPath->gotFocus();
    EXPECT_EQ(w.txtGPLPath->selectionStart(), 0);
    EXPECT_EQ(w.txtGPLPath->selectionLength(), static_cast<int>(game.size()));
}

TEST_F(PitboardShell, UnreadableOrGarbageSettingsLoadAsDefaults) {
    std::string garbage(4096, '\0');
    for (size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<char>((i * 7919) % 256);
    temp.write("program/tarmac.ini", garbage);
    ui.filePicks.push_back(gameExe());
    auto& w = load();
    ASSERT_TRUE(loaded);
    EXPECT_EQ(w.currentSeason(), 0);
    EXPECT_TRUE(w.chkForceFullscreen4NonD3D->checked());
}

TEST_F(PitboardShell, AReadOnlySettingsFileFailsSilently) {
    knownGameFolder();
    std::string before = readBytes(settingsFile);
    auto& w = load();
    makeReadOnly(settingsFile);
    w.chkCopyDefaultSetup->setChecked(true);
    size_t shown = ui.messages.size();
    close();
    EXPECT_EQ(ui.messages.size(), shown);
    EXPECT_EQ(readBytes(settingsFile), before);
}

}  // namespace
