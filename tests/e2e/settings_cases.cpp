// The window's settings reach the game's files: each season panel writes its own player
// file, the options write app.ini, core.ini and wg69i.ini, and the chosen track brings
// the player's default setups along. Every case compares whole files byte for byte, so
// a write into the wrong file or line fails as surely as a wrong value.
#include <map>

#include "e2e/game_folder.h"
#include "e2e/gridmate_case.h"
#include "win32/control_ids.h"

namespace gridmate::e2e {
namespace {

class SettingsCase : public GridmateCase {
protected:
    std::string gameFile(const std::string& relative) const { return game + "\\" + relative; }
    std::string playerPath(const std::string& seasonFile) const {
        return gameFile(std::string("players\\") + kPlayer + "\\" + seasonFile);
    }
    // The files a case expects to stay as they are, read before it acts.
    std::map<std::string, std::string> snapshot(const std::vector<std::string>& paths) const {
        std::map<std::string, std::string> bytes;
        for (const std::string& path : paths) bytes[path] = test::readBytes(path);
        return bytes;
    }
    void expectUnchanged(const std::map<std::string, std::string>& before) const {
        for (const auto& [path, bytes] : before)
            EXPECT_EQ(test::readBytes(path), bytes) << path << " changed";
    }
    // Waits until the file holds `expected`; the failure shows what it holds instead.
    ::testing::AssertionResult fileBecomes(const std::string& path, const std::string& expected) {
        if (waitUntil([&] { return test::readBytes(path) == expected; }))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << path << " holds:\n" << test::readBytes(path);
    }
    HWND startWindow(const std::vector<std::string>& settings = {}) {
        knownGameFolder(settings);
        gridmate = &start();
        return waitForMainWindow(*gridmate);
    }
    int itemIndex(HWND combo, const std::string& item) {
        for (int i = 0; i < comboCount(combo); ++i)
            if (comboItem(combo, i) == item) return i;
        ADD_FAILURE() << "no item \"" << item << "\" in the list";
        return -1;
    }

    Process* gridmate = nullptr;
};

using SeasonPanels = SettingsCase;

TEST_F(SeasonPanels, HelmetChosenIn1965PanelRewritesOnlyTheHelmetLineOf1965PlayerFile) {
    HWND window = startWindow();
    ASSERT_TRUE(window);
    auto others = snapshot({playerPath("player.ini"), playerPath("pla69w.ini"),
                            gameFile("app.ini")});
    click(controlOf(window, IDC_optSeason + 1));
    ASSERT_TRUE(IsWindowVisible(controlOf(window, IDC_fraSeason + 1)));
    ASSERT_FALSE(IsWindowVisible(controlOf(window, IDC_fraSeason + 0)));
    HWND helmet = controlOf(window, IDC_cboHelmet + 1);
    EXPECT_EQ(comboSelection(helmet), 5);

    selectComboItem(helmet, 9);
    EXPECT_TRUE(fileBecomes(playerPath("plac65.ini"), playerFileText({"9", "1", "spa", "40"})));
    expectUnchanged(others);
    closeAndWaitForExit(*gridmate, window);
    expectUnchanged(others);
}

TEST_F(SeasonPanels, PlayerWithOnly1965FileSwitchesTheWindowTo1965) {
    PlayerFields sixtyFive{"2", "3", "spa", "40", "Cy", "Sixtyfive"};
    addPlayer(temp, "game", "Cy Sixtyfive", sixtyFive, {"plac65.ini"});
    HWND window = startWindow();
    ASSERT_TRUE(window);
    HWND players = controlOf(window, IDC_cboPlayer);
    ASSERT_EQ(comboCount(players), 2);
    ASSERT_TRUE(isChecked(controlOf(window, IDC_optSeason + 0)));

    selectComboItem(players, itemIndex(players, "Cy Sixtyfive"));
    EXPECT_TRUE(isChecked(controlOf(window, IDC_optSeason + 1)));
    EXPECT_FALSE(isChecked(controlOf(window, IDC_optSeason + 0)));
    EXPECT_FALSE(IsWindowEnabled(controlOf(window, IDC_optSeason + 0)));
    EXPECT_TRUE(IsWindowEnabled(controlOf(window, IDC_optSeason + 1)));
    EXPECT_FALSE(IsWindowEnabled(controlOf(window, IDC_optSeason + 2)));
    EXPECT_TRUE(IsWindowVisible(controlOf(window, IDC_fraSeason + 1)));
    EXPECT_FALSE(IsWindowVisible(controlOf(window, IDC_fraSeason + 0)));
    EXPECT_EQ(text(controlOf(window, IDC_lblPlayer + 1)), "Cy Sixtyfive");
    EXPECT_EQ(comboSelection(controlOf(window, IDC_cboHelmet + 1)), 2);
    EXPECT_EQ(comboItem(controlOf(window, IDC_cboLastTrack + 1),
                        comboSelection(controlOf(window, IDC_cboLastTrack + 1))),
              "spa");
    closeAndWaitForExit(*gridmate, window);
}

using TrackChoice = SettingsCase;

TEST_F(TrackChoice, ChosenTrackIsWrittenAndDefaultSetupsAreCopiedIntoThePlayersTrackFolder) {
    temp.write("program/myset/quick.gpl", "quick setup from myset");
    temp.write("program/myset/wet/rain.gpl", "rain setup from myset");
    const std::string spa = std::string("game/players/") + kPlayer + "/setups/spa/";
    temp.write(spa + "quick.gpl", "old quick setup");
    temp.write(spa + "mine.gpl", "the player's own setup");
    HWND window = startWindow({"CopyDefaultSetup=1"});
    ASSERT_TRUE(window);
    auto others = snapshot({playerPath("plac65.ini"), playerPath("pla69w.ini")});
    HWND tracks = controlOf(window, IDC_cboLastTrack + 0);
    ASSERT_EQ(comboCount(tracks), 2);

    selectComboItem(tracks, itemIndex(tracks, "spa"));
    EXPECT_TRUE(fileBecomes(playerPath("player.ini"), playerFileText({"3", "2", "spa", "60"})));
    const std::string setups = temp.file(spa);
    EXPECT_EQ(test::listing(setups), "mine.gpl,quick.gpl,wet");
    EXPECT_EQ(test::readBytes(setups + "\\quick.gpl"), "quick setup from myset");
    EXPECT_EQ(test::readBytes(setups + "\\mine.gpl"), "the player's own setup");
    EXPECT_EQ(test::readBytes(setups + "\\wet\\rain.gpl"), "rain setup from myset");
    expectUnchanged(others);
    closeAndWaitForExit(*gridmate, window);
}

TEST_F(TrackChoice, WithoutCopyOptionOnlyTheTrackIsWritten) {
    temp.write("program/myset/quick.gpl", "quick setup from myset");
    HWND window = startWindow();
    ASSERT_TRUE(window);
    HWND tracks = controlOf(window, IDC_cboLastTrack + 0);
    selectComboItem(tracks, itemIndex(tracks, "spa"));
    EXPECT_TRUE(fileBecomes(playerPath("player.ini"), playerFileText({"3", "2", "spa", "60"})));
    EXPECT_EQ(test::listing(temp.file(std::string("game/players/") + kPlayer + "/setups")), "");
    closeAndWaitForExit(*gridmate, window);
}

using GraphicsOptions = SettingsCase;

TEST_F(GraphicsOptions, DetailSliderWith1969CurrentWritesThe1969PlayerFile) {
    HWND window = startWindow({"mod=69", "showoption=1"});
    ASSERT_TRUE(window);
    auto others = snapshot({playerPath("player.ini"), playerPath("plac65.ini")});
    ASSERT_TRUE(isChecked(controlOf(window, IDC_optSeason + 2)));
    HWND slider = controlOf(window, IDC_hscDetail);
    EXPECT_EQ(scrollPosition(slider), 5);
    EXPECT_EQ(text(controlOf(window, IDC_lblDetail)), "Detail Bias: 100 %");

    scroll(slider, SB_LINELEFT);
    EXPECT_EQ(text(controlOf(window, IDC_lblDetail)), "Detail Bias: 80 %");
    EXPECT_TRUE(fileBecomes(playerPath("pla69w.ini"), playerFileText({"7", "4", "monza", "80"})));
    expectUnchanged(others);
    closeAndWaitForExit(*gridmate, window);
}

// app.ini with its rasterizer line as the program writes it.
std::string appIniWithRasterizer(const std::string& line) {
    std::string text = appIniText();
    const std::string old = "lastRasterizerDLL = rend_ogl.dll        \t; Last rasterizer DLL selected";
    text.replace(text.find(old), old.size(), line);
    return text;
}

class Rasterizers : public SettingsCase {
protected:
    void SetUp() override {
        SettingsCase::SetUp();
        ASSERT_TRUE(copyRasterizer("rast_opengl.dll", game));
        ASSERT_TRUE(copyRasterizer("rast_d3d.dll", game));
    }
};

TEST_F(Rasterizers, PickWithSaveOptionWritesTheLineAndNonDirect3DForcesFullScreen) {
    HWND window = startWindow({"SaveLastRast=1", "showoption=1"});
    ASSERT_TRUE(window);
    HWND list = controlOf(window, IDC_cboRast);
    ASSERT_EQ(comboCount(list), 2);
    EXPECT_EQ(comboSelection(list), -1);  // app.ini names a DLL the folder lacks
    EXPECT_TRUE(isChecked(controlOf(window, IDC_chkSaveRasterizer)));
    HWND fullScreen = controlOf(window, IDC_chkFullScreen);

    selectComboItem(list, itemIndex(list, "Direct3D7 (rast_d3d.dll)"));
    EXPECT_TRUE(fileBecomes(gameFile("app.ini"),
                            appIniWithRasterizer("lastRasterizerDLL = rast_d3d.dll        \t"
                                                 "; Last rasterizer DLL selected")));
    EXPECT_TRUE(IsWindowEnabled(fullScreen));
    click(fullScreen);
    EXPECT_FALSE(isChecked(fullScreen));

    selectComboItem(list, itemIndex(list, "OpenGL (rast_opengl.dll)"));
    EXPECT_TRUE(fileBecomes(gameFile("app.ini"),
                            appIniWithRasterizer("lastRasterizerDLL = rast_opengl.dll     \t"
                                                 "; Last rasterizer DLL selected")));
    EXPECT_TRUE(isChecked(fullScreen));
    EXPECT_FALSE(IsWindowEnabled(fullScreen));
    EXPECT_EQ(test::readBytes(gameFile("core.ini")), coreIniText());
    closeAndWaitForExit(*gridmate, window);
}

TEST_F(Rasterizers, PickWithoutSaveOptionLeavesAppIniUntilTheOptionIsTicked) {
    HWND window = startWindow({"showoption=1"});
    ASSERT_TRUE(window);
    HWND list = controlOf(window, IDC_cboRast);
    selectComboItem(list, itemIndex(list, "Direct3D7 (rast_d3d.dll)"));
    ASSERT_EQ(comboItem(list, comboSelection(list)), "Direct3D7 (rast_d3d.dll)");
    EXPECT_EQ(test::readBytes(gameFile("app.ini")), appIniText());

    click(controlOf(window, IDC_chkSaveRasterizer));
    EXPECT_TRUE(fileBecomes(gameFile("app.ini"),
                            appIniWithRasterizer("lastRasterizerDLL = rast_d3d.dll        \t"
                                                 "; Last rasterizer DLL selected")));
    closeAndWaitForExit(*gridmate, window);
}

TEST_F(GraphicsOptions, SteerBoxWritesTheSteerRatioLineOfCoreIni) {
    HWND window = startWindow();
    ASSERT_TRUE(window);
    HWND steer = controlOf(window, IDC_chkSteerHack);
    EXPECT_FALSE(isChecked(steer));
    const std::string old = "steer_ratio = 0                             ; low speed ratio";
    auto coreWith = [&](const std::string& line) {
        std::string text = coreIniText();
        return text.replace(text.find(old), old.size(), line);
    };

    click(steer);
    EXPECT_TRUE(isChecked(steer));
    EXPECT_TRUE(fileBecomes(
        gameFile("core.ini"),
        coreWith("steer_ratio = 1                             ; Enable low speed ratio override")));
    click(steer);
    EXPECT_TRUE(fileBecomes(
        gameFile("core.ini"),
        coreWith("steer_ratio = 0                             ; Enable low speed ratio override")));
    closeAndWaitForExit(*gridmate, window);
}

// wg69i.ini as the game folder starts with it, its lines replaced one by one.
class Wings : public SettingsCase {
protected:
    std::string wingsWith(std::initializer_list<std::pair<const char*, const char*>> lines) {
        std::string text = wingsIniText();
        for (const auto& [key, line] : lines) {
            size_t start = text.find(key);
            text.replace(start, text.find("\r\n", start) - start, line);
        }
        return text;
    }
};

TEST_F(Wings, CheckBoxAndSliderEachRewriteTheirLine) {
    HWND window = startWindow({"mod=69"});
    ASSERT_TRUE(window);
    HWND front = controlOf(window, IDC_chkWing + 0);
    HWND rearAngle = controlOf(window, IDC_hscWingAngle + 1);
    EXPECT_TRUE(isChecked(front));
    EXPECT_EQ(scrollPosition(controlOf(window, IDC_hscWingAngle + 0)), 10);
    EXPECT_EQ(scrollPosition(rearAngle), 6);

    click(front);
    const char* frontOff = "frontWingInstalled = 0     ; 0 for no wing, angle ignored";
    EXPECT_TRUE(fileBecomes(gameFile("wg69i.ini"), wingsWith({{"frontWingInstalled", frontOff}})));

    scroll(rearAngle, SB_LINERIGHT);
    EXPECT_EQ(scrollPosition(rearAngle), 7);
    EXPECT_EQ(text(controlOf(window, IDC_lblWingAngle + 1)), "7");
    EXPECT_TRUE(fileBecomes(gameFile("wg69i.ini"),
                            wingsWith({{"frontWingInstalled", frontOff},
                                       {"rearWingAngle", "rearWingAngle = -7          ; 0 or less"}})));
    closeAndWaitForExit(*gridmate, window);
}

TEST_F(Wings, SavedForTheTrackAndLoadedBackAfterChanges) {
    HWND window = startWindow({"mod=69"});
    ASSERT_TRUE(window);
    HWND front = controlOf(window, IDC_chkWing + 0);
    HWND frontAngle = controlOf(window, IDC_hscWingAngle + 0);
    HWND tracks = controlOf(window, IDC_cboLastTrack + 2);
    ASSERT_EQ(comboItem(tracks, comboSelection(tracks)), "monza");
    click(front);
    scroll(controlOf(window, IDC_hscWingAngle + 1), SB_LINERIGHT);
    click(controlOf(window, IDC_cmdSaveWing4Track));
    EXPECT_TRUE(waitUntil([&] { return setting("wing_monza") == "0,10,1,7"; }))
        << settingsBytes();
    const std::string saved = wingsWith(
        {{"frontWingInstalled", "frontWingInstalled = 0     ; 0 for no wing, angle ignored"},
         {"rearWingAngle", "rearWingAngle = -7          ; 0 or less"}});
    ASSERT_TRUE(fileBecomes(gameFile("wg69i.ini"), saved));

    click(front);
    scroll(frontAngle, SB_LINELEFT);
    ASSERT_TRUE(fileBecomes(
        gameFile("wg69i.ini"),
        wingsWith({{"frontWingInstalled", "frontWingInstalled = 1     ; 0 for no wing, angle ignored"},
                   {"frontWingAngle", "frontWingAngle = -9         ; 0 or less"},
                   {"rearWingAngle", "rearWingAngle = -7          ; 0 or less"}})));

    click(controlOf(window, IDC_cmdLoadWing4Track));
    EXPECT_FALSE(isChecked(front));
    EXPECT_EQ(scrollPosition(frontAngle), 10);
    EXPECT_EQ(text(controlOf(window, IDC_lblWingAngle + 0)), "10");
    EXPECT_TRUE(fileBecomes(
        gameFile("wg69i.ini"),
        wingsWith({{"frontWingInstalled", "frontWingInstalled = 0     ; 0 for no wing, angle ignored"},
                   {"frontWingAngle", "frontWingAngle = -10        ; 0 or less"},
                   {"rearWingAngle", "rearWingAngle = -7          ; 0 or less"}})));
    closeAndWaitForExit(*gridmate, window);
    EXPECT_EQ(setting("wing_monza"), "0,10,1,7");
}

TEST_F(Wings, ChoosingATrackLoadsItsStoredWingsWhenAutoLoadIsOn) {
    HWND window = startWindow({"mod=69", "AutoLoadWing4Track=1", "wing_spa=1,12,0,3"});
    ASSERT_TRUE(window);
    ASSERT_EQ(test::readBytes(gameFile("wg69i.ini")), wingsIniText());  // monza has none
    HWND tracks = controlOf(window, IDC_cboLastTrack + 2);

    selectComboItem(tracks, itemIndex(tracks, "spa"));
    EXPECT_FALSE(isChecked(controlOf(window, IDC_chkWing + 1)));
    EXPECT_EQ(scrollPosition(controlOf(window, IDC_hscWingAngle + 0)), 12);
    EXPECT_EQ(scrollPosition(controlOf(window, IDC_hscWingAngle + 1)), 3);
    EXPECT_TRUE(fileBecomes(
        gameFile("wg69i.ini"),
        wingsWith({{"frontWingAngle", "frontWingAngle = -12        ; 0 or less"},
                   {"rearWingInstalled", "rearWingInstalled = 0      ; 0 for no wing, angle ignored"},
                   {"rearWingAngle", "rearWingAngle = -3          ; 0 or less"}})));
    EXPECT_TRUE(fileBecomes(playerPath("pla69w.ini"), playerFileText({"7", "4", "spa", "100"})));
    closeAndWaitForExit(*gridmate, window);
}

}  // namespace
}  // namespace gridmate::e2e
