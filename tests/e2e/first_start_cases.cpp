// First start without a settings file: the program asks for the game's executable
// before it shows its window.
#include "e2e/dialogs.h"
#include "e2e/gridmate_case.h"
#include "win32/control_ids.h"

namespace gridmate::e2e {
namespace {

class FirstStart : public GridmateCase {
protected:
    std::optional<OpenFileDialog> folderDialog(const Process& gridmate) {
        auto dialog = OpenFileDialog::waitFor(gridmate, kFolderDialogTitle);
        if (!dialog)
            ADD_FAILURE() << "no open-file dialog titled \"" << kFolderDialogTitle << "\"; "
                          << (gridmate.running() ? "shown: " + describeWindows(gridmate.id())
                                                 : "the program has ended");
        return dialog;
    }
};

TEST_F(FirstStart, PickedExecutableNamesTheGameFolderAndTheWindowOpensCollapsedOn1967) {
    Process& gridmate = start();
    auto dialog = folderDialog(gridmate);
    ASSERT_TRUE(dialog);
    // The dialog aims at the game's usual folder, C:\sierra\gpl. Here that folder does not
    // exist: the dialog lists another folder and offers the last part of the path as
    // the file name.
    EXPECT_EQ(dialog->fileName(), "gpl");
    EXPECT_EQ(settingsBytes(), "<missing>");

    dialog->typeFileName(game + "\\gpl.exe");
    ASSERT_TRUE(dialog->ok());
    HWND window = waitForMainWindow(gridmate);
    ASSERT_TRUE(window);

    EXPECT_EQ(setting("path"), game);
    RECT r = windowRect(window);
    EXPECT_TRUE(pixelsMatchTwips(window, rectWidth(r), 4545));
    EXPECT_TRUE(pixelsMatchTwips(window, rectHeight(r), 5175));
    EXPECT_EQ(text(controlOf(window, IDC_cmdDetail)), ">>>");
    EXPECT_EQ(text(controlOf(window, IDC_txtGPLPath)), game);
    EXPECT_TRUE(isChecked(controlOf(window, IDC_optSeason + 0)));
    EXPECT_FALSE(isChecked(controlOf(window, IDC_optSeason + 1)));
    EXPECT_FALSE(isChecked(controlOf(window, IDC_optSeason + 2)));
    // Without settings two options start checked, every other one unchecked.
    EXPECT_TRUE(isChecked(controlOf(window, IDC_chkForceFullscreen4NonD3D)));
    EXPECT_TRUE(isChecked(controlOf(window, IDC_chkSetWingMax15)));
    EXPECT_FALSE(isChecked(controlOf(window, IDC_chkSaveWindowPosition)));
    EXPECT_FALSE(isChecked(controlOf(window, IDC_chkCopyDefaultSetup)));
    EXPECT_FALSE(isChecked(controlOf(window, IDC_chkSaveLastPlayer)));
    EXPECT_FALSE(isChecked(controlOf(window, IDC_chkSaveRasterizer)));
    EXPECT_FALSE(isChecked(controlOf(window, IDC_chkAutoLoadWing4Track)));
    closeAndWaitForExit(gridmate, window);
}

// The game's usual folder, made for one case when this machine lacks it.
class UsualGameFolder {
public:
    UsualGameFolder() {
        createdParent_ = CreateDirectoryA("C:\\sierra", nullptr) != FALSE;
        created_ = CreateDirectoryA(kPath, nullptr) != FALSE;
    }
    ~UsualGameFolder() {
        if (created_) RemoveDirectoryA(kPath);
        if (createdParent_) RemoveDirectoryA("C:\\sierra");
    }
    UsualGameFolder(const UsualGameFolder&) = delete;
    UsualGameFolder& operator=(const UsualGameFolder&) = delete;
    static constexpr const char* kPath = "C:\\sierra\\gpl";

private:
    bool createdParent_ = false;
    bool created_ = false;
};

TEST_F(FirstStart, DialogOpensInTheGamesUsualFolder) {
    UsualGameFolder usual;
    Process& gridmate = start();
    auto dialog = folderDialog(gridmate);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->folder(), UsualGameFolder::kPath);
    EXPECT_EQ(dialog->fileName(), "");
    ASSERT_TRUE(dialog->cancel());
    EXPECT_TRUE(gridmate.waitForExit());
}

TEST_F(FirstStart, CancellingTheDialogEndsWithoutWindowAndWritesNothing) {
    Process& gridmate = start();
    auto dialog = folderDialog(gridmate);
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(dialog->cancel());

    bool windowSeen = false;
    auto code = waitForExitWithoutWindow(gridmate, windowSeen);
    ASSERT_TRUE(code) << "still running; shown: " << describeWindows(gridmate.id());
    EXPECT_EQ(*code, 0u);
    EXPECT_FALSE(windowSeen);
    EXPECT_EQ(test::listing(programFolder), "gridmate.exe");
}

}  // namespace
}  // namespace gridmate::e2e
