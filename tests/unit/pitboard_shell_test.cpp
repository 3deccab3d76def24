// The main window's load and close sequences, the options toggle and the game folder.
#include <gtest/gtest.h>

#include <optional>

#include "support/app_fixture.h"
#include "support/user_requests.h"

using namespace gridmate;
using namespace gridmate::test;

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
    EXPECT_EQ(dialogs(ui),
              Texts{"Select your GPL.exe | GPL.EXE (gpl.exe) | GPL.EXE | C:\\sierra\\gpl"});
    EXPECT_EQ(storedSetting("path"), game);
    EXPECT_EQ(w.strGPLPath, game);
    EXPECT_EQ(w.txtGPLPath->text(), game);

    EXPECT_EQ(w.form().caption(), "Gridmate 1.0.9");
    EXPECT_EQ(w.form().width(), 4545);
    EXPECT_EQ(w.form().height(), 5175);
    EXPECT_EQ(w.cmdDetail->caption(), ">>>");
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(w.optSeason[i].selected(), i == 0);
        EXPECT_EQ(w.fraSeason[i].visible(), i == 0);
    }
    // Collapsed, the option frames keep their enabled state.
    EXPECT_TRUE(w.fraGPLOptions->enabled());
    EXPECT_TRUE(w.fraTarmacOptions->enabled());
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

// A cancel, or the typed name of a file that does not exist, ends the start.
TEST_F(PitboardShell, NoGameChosenAtTheFirstStartEndsWithoutWritingAnything) {
    for (auto chosen : {std::optional<std::string>(), std::optional(temp.file("gpl/gone.exe"))}) {
        ui.filePicks.push_back(chosen);
        load();
        EXPECT_FALSE(loaded);
        EXPECT_EQ(readBytes(settingsFile), "<missing>");
    }
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

// A stored edge beyond the screen is pulled back so that the window's far edge meets the
// screen's, one below 0 stays; "-1", text and numbers beyond 32 bits are no edge, and the
// second key decides whether the box is checked.
TEST_F(PitboardShell, StoredPositionIsRestoredRoundedAndPulledBackOntoTheScreen) {
    ui.screenWidth = 15360;
    ui.screenHeight = 11520;
    knownGameFolder();
    const struct {
        const char* x;
        const char* y;
        const char* showOption;
        std::optional<int> left, top;
        bool saved;
    } cases[] = {
        {"1002.5", "-300", "0", 1002, -300, true},
        {"99999", "99999", "1", 15360 - 8070, 11520 - 5175, true},  // the width after the toggle
        {"abc", "300", "0", std::nullopt, 300, true},
        {"300", "-1", "0", 300, std::nullopt, false},
        {"300", "4294967296", "0", 300, std::nullopt, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.x) + ", " + c.y);
        setting("WindowPosX", c.x);
        setting("WindowPosY", c.y);
        setting("showoption", c.showOption);
        auto& w = load();
        EXPECT_EQ(w.form().left(), c.left);
        EXPECT_EQ(w.form().top(), c.top);
        EXPECT_EQ(w.chkSaveWindowPosition->checked(), c.saved);
    }
}

// Only "1" sets a box: "0" clears even the two boxes that a missing key sets.
TEST_F(PitboardShell, OptionKeysAreComparedExactly) {
    knownGameFolder();
    const char* const keys[] = {"CopyDefaultSetup",   "SaveLastPlayer",         "SaveLastRast",
                                "AutoLoadWing4Track", "ForceFullScreen4NonD3D", "SetWingMax15"};
    for (std::string value : {"1", "0", "true", "01"}) {
        for (const char* key : keys) setting(key, value);
        auto& w = load();
        for (auto* box : {w.chkCopyDefaultSetup, w.chkSaveLastPlayer, w.chkSaveRasterizer,
                          w.chkAutoLoadWing4Track, w.chkForceFullscreen4NonD3D, w.chkSetWingMax15})
            EXPECT_EQ(box->checked(), value == "1") << box->name() << " " << value;
        EXPECT_EQ(w.hscWingAngle[0].maximum(), value == "1" ? 15 : 90);
        EXPECT_EQ(w.cboPlayer->toolTip(),
                  value == "1" ? "changes will be saved to app.ini when exiting Gridmate"
                               : "changes will NOT be saved to app.ini");
    }
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
    w.txtGPLPath->gotFocus();  // selects the whole path
    EXPECT_EQ(w.txtGPLPath->selectionStart(), 0);
    EXPECT_EQ(w.txtGPLPath->selectionLength(), static_cast<int>(other.size()));
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
