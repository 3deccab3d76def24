// Starting the games and the launcher buttons' programs: the stand-in games copied into
// the game folder record the command line they were given, so a case reads back what a
// click on a launch button passed.
#include <iostream>

#include "e2e/dialogs.h"
#include "e2e/game_folder.h"
#include "e2e/gridmate_case.h"
#include "win32/control_ids.h"

namespace gridmate::e2e {
namespace {

// The lines of a stand-in's launched.txt once there are `count` of them.
std::vector<std::string> launchedLines(const std::string& file, size_t count) {
    std::vector<std::string> lines;
    waitUntil([&] {
        lines.clear();
        std::string bytes = test::readBytes(file);
        if (bytes == "<missing>") return false;
        for (size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string::npos;
             start = end + 2)
            lines.push_back(bytes.substr(start, end - start));
        return lines.size() >= count;
    });
    return lines;
}

::testing::AssertionResult endsWith(const std::string& line, const std::string& tail) {
    if (line.size() >= tail.size() && line.compare(line.size() - tail.size(), tail.size(), tail) == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "\"" << line << "\" does not end with \"" << tail
                                         << "\"";
}

class GameLaunch : public GridmateCase {
protected:
    void SetUp() override {
        GridmateCase::SetUp();
        for (const char* name : {"gpl.exe", "gplc65.exe", "gpl69w.exe"})
            ASSERT_TRUE(copyStubGame(name, game + "\\" + name)) << name;
        ASSERT_TRUE(copyRasterizer("RAST_CAPITALS.DLL", game));
    }
    std::string launched() const { return game + "\\launched.txt"; }
};

TEST_F(GameLaunch, SeasonButtonPassesPlayerJoinAddressLowerCaseRasterizerAndFullScreen) {
    knownGameFolder({"showoption=1"});
    Process& gridmate = start();
    HWND window = waitForMainWindow(gridmate);
    ASSERT_TRUE(window);
    HWND rasterizers = controlOf(window, IDC_cboRast);
    ASSERT_EQ(comboCount(rasterizers), 1);
    selectComboItem(rasterizers, 0);
    ASSERT_EQ(comboItem(rasterizers, comboSelection(rasterizers)),
              "Direct3D7 (RAST_CAPITALS.DLL)");

    click(controlOf(window, IDC_cmdGPL + 0));
    auto lines = launchedLines(launched(), 1);
    ASSERT_EQ(lines.size(), 1u) << test::readBytes(launched());
    EXPECT_NE(lines[0].find("gpl.exe"), std::string::npos) << lines[0];
    EXPECT_TRUE(endsWith(lines[0],
                         " -ko\"10:player:lastplayer:Ann Driver\""
                         " -ko\"10:graphics:lastrasterizerdll:rast_capitals.dll\""
                         " -ko\"0:rasterizer:fullscreen:1\""));

    HWND address = controlOf(window, IDC_txtIP);
    EXPECT_FALSE(IsWindowEnabled(address));
    click(controlOf(window, IDC_chkJoin));
    ASSERT_TRUE(IsWindowEnabled(address));
    typeText(address, "192.168.7.21");
    click(controlOf(window, IDC_chkFullScreen));
    ASSERT_FALSE(isChecked(controlOf(window, IDC_chkFullScreen)));
    click(controlOf(window, IDC_optSeason + 1));
    click(controlOf(window, IDC_cmdGPL + 1));
    lines = launchedLines(launched(), 2);
    ASSERT_EQ(lines.size(), 2u) << test::readBytes(launched());
    EXPECT_NE(lines[1].find("gplc65.exe"), std::string::npos) << lines[1];
    EXPECT_TRUE(endsWith(lines[1],
                         " -ko\"10:player:lastplayer:Ann Driver\""
                         " -ko\"0:client:to_ip:192.168.7.21\""
                         " -ko\"0:client:via_ip:192.168.7.21\""
                         " -ko\"10:graphics:lastrasterizerdll:rast_capitals.dll\""
                         " -ko\"0:rasterizer:fullscreen:0\""));
    closeAndWaitForExit(gridmate, window);
}

TEST_F(GameLaunch, MissingSeasonExecutableIsReported) {
    ASSERT_TRUE(DeleteFileA((game + "\\gpl69w.exe").c_str()));
    knownGameFolder({"mod=69"});
    Process& gridmate = start();
    HWND window = waitForMainWindow(gridmate);
    ASSERT_TRUE(window);
    selectComboItem(controlOf(window, IDC_cboRast), 0);

    clickLater(controlOf(window, IDC_cmdGPL + 2));
    auto box = waitForMessageBox(gridmate);
    ASSERT_TRUE(box) << describeWindows(gridmate.id());
    EXPECT_EQ(box->title, "Gridmate");
    EXPECT_EQ(box->text, "gpl69 launch eror");
    ASSERT_TRUE(pressButton(box->window, IDOK));
    EXPECT_TRUE(waitUntil([&] { return !findMessageBox(gridmate.id()); }));
    EXPECT_EQ(test::readBytes(launched()), "<missing>");
    closeAndWaitForExit(gridmate, window);
}

TEST_F(GameLaunch, PasteButtonFillsTheAddressFromTheClipboard) {
    knownGameFolder();
    Process& gridmate = start();
    HWND window = waitForMainWindow(gridmate);
    ASSERT_TRUE(window);
    // Copied in another program while the window shows.
    ASSERT_TRUE(setClipboardText("10.20.30.40"));
    HWND paste = controlOf(window, IDC_cmdPasteIP);
    EXPECT_FALSE(IsWindowEnabled(paste));

    click(controlOf(window, IDC_chkJoin));
    ASSERT_TRUE(IsWindowEnabled(paste));
    click(paste);
    EXPECT_EQ(text(controlOf(window, IDC_txtIP)), "10.20.30.40");
    closeAndWaitForExit(gridmate, window);
}

constexpr const char* kUnboundTip = "right click to set launcher";
constexpr const char* kLauncherDialogTitle = "select file for launcher";

class LauncherButtons : public GridmateCase {
protected:
    void SetUp() override {
        GridmateCase::SetUp();
        helper = temp.folder("tools") + "\\helper.exe";
        ASSERT_TRUE(copyStubGame("gpl.exe", helper));
    }
    std::string helper;
};

TEST_F(LauncherButtons, RightClickBindsAProgramThatALeftClickStartsAndCtrlRightClickClears) {
    knownGameFolder();
    Process& gridmate = start();
    HWND window = waitForMainWindow(gridmate);
    ASSERT_TRUE(window);
    HWND button = controlOf(window, IDC_cmdLaunch + 0);
    EXPECT_EQ(buttonImage(button), nullptr);
    // Reading another process's tooltip depends on the system passing the request on.
    const bool tipsReadable = toolTipText(button) == std::string(kUnboundTip);
    if (!tipsReadable) std::cerr << "tooltips cannot be read here: their checks are skipped\n";

    rightClickLater(button);
    auto dialog = OpenFileDialog::waitFor(gridmate, kLauncherDialogTitle);
    ASSERT_TRUE(dialog) << describeWindows(gridmate.id());
    dialog->typeFileName(helper);
    ASSERT_TRUE(dialog->ok());
    ASSERT_TRUE(waitUntil([&] { return setting("Launch0") == helper; })) << settingsBytes();
    EXPECT_NE(buttonImage(button), nullptr);
    if (tipsReadable) {
        EXPECT_EQ(toolTipText(button), std::string("helper.exe"));
    }

    click(button);
    const std::string launched = temp.file("tools") + "\\launched.txt";
    auto started = launchedLines(launched, 1);
    ASSERT_EQ(started.size(), 1u) << test::readBytes(launched);
    EXPECT_NE(started[0].find("helper.exe"), std::string::npos) << started[0];

    // Shift with the right button opens the dialog too; cancelling keeps the binding.
    {
        HeldKeys shift(window, {VK_SHIFT});
        rightClickLater(button);
        dialog = OpenFileDialog::waitFor(gridmate, kLauncherDialogTitle);
    }
    ASSERT_TRUE(dialog) << describeWindows(gridmate.id());
    ASSERT_TRUE(dialog->cancel());
    EXPECT_TRUE(waitUntil([&] { return !findShownWindow(gridmate.id(), kLauncherDialogTitle); }));
    EXPECT_EQ(setting("Launch0"), helper);

    // Ctrl asks before it clears: Cancel keeps, OK clears.
    for (int answer : {IDCANCEL, IDOK}) {
        std::optional<MessageBoxView> box;
        {
            HeldKeys ctrl(window, {VK_CONTROL});
            rightClickLater(button);
            box = waitForMessageBox(gridmate);
        }
        ASSERT_TRUE(box) << describeWindows(gridmate.id());
        EXPECT_EQ(box->title, "Gridmate");
        EXPECT_EQ(box->text, "Clear this button?");
        ASSERT_TRUE(pressButton(box->window, answer));
        ASSERT_TRUE(waitUntil([&] { return !findMessageBox(gridmate.id()); }));
        if (answer == IDCANCEL) {
            EXPECT_EQ(setting("Launch0"), helper);
        }
    }
    EXPECT_TRUE(waitUntil([&] { return settingsBytes().find("Launch0") == std::string::npos; }))
        << settingsBytes();
    EXPECT_EQ(buttonImage(button), nullptr);
    if (tipsReadable) {
        EXPECT_EQ(toolTipText(button), std::string(kUnboundTip));
    }
    closeAndWaitForExit(gridmate, window);
    EXPECT_EQ(settingsBytes().find("Launch0"), std::string::npos) << settingsBytes();
}

}  // namespace
}  // namespace gridmate::e2e
