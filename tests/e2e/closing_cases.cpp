// Closing the main window writes the program's options to tarmac.ini, in the order of
// the close sequence, after the game folder written when it was picked.
#include "e2e/dialogs.h"
#include "e2e/gridmate_case.h"
#include "win32/control_ids.h"

namespace gridmate::e2e {
namespace {

using Closing = GridmateCase;

// The options of a window that was opened and closed untouched, in the order the
// close sequence writes them.
std::string untouchedOptions() {
    return "AutoLoadWing4Track=0\r\n"
           "SetWingMax15=1\r\n"
           "ForceFullScreen4NonD3D=1\r\n"
           "SaveLastRast=0\r\n"
           "SaveLastPlayer=0\r\n"
           "mod=67\r\n"
           "CopyDefaultSetup=0\r\n"
           "WindowPosX=-1\r\n"
           "WindowPosY=-1\r\n"
           "showoption=0\r\n";
}

TEST_F(Closing, FirstStartThenCloseWritesEveryOptionAfterThePath) {
    Process& gridmate = start();
    auto dialog = OpenFileDialog::waitFor(gridmate, kFolderDialogTitle);
    ASSERT_TRUE(dialog) << "shown: " << describeWindows(gridmate.id());
    dialog->typeFileName(game + "\\gpl.exe");
    ASSERT_TRUE(dialog->ok());
    HWND window = waitForMainWindow(gridmate);
    ASSERT_TRUE(window);
    EXPECT_EQ(settingsBytes(), "[gridmate]\r\npath=" + game + "\r\n");

    ASSERT_TRUE(closeAndWaitForExit(gridmate, window));
    EXPECT_EQ(settingsBytes(), "[gridmate]\r\npath=" + game + "\r\n" + untouchedOptions());
}

TEST_F(Closing, ExitButtonWritesTheSameKeysAsTheCloseBox) {
    knownGameFolder();
    Process& gridmate = start();
    HWND window = waitForMainWindow(gridmate);
    ASSERT_TRUE(window);
    HWND exitButton = controlOf(window, IDC_cmdExit);
    ASSERT_TRUE(exitButton);
    EXPECT_EQ(text(exitButton), "E&xit");

    clickLater(exitButton);
    auto code = gridmate.waitForExit();
    ASSERT_TRUE(code) << "still running; shown: " << describeWindows(gridmate.id());
    EXPECT_EQ(*code, 0u);
    EXPECT_EQ(settingsBytes(), "[gridmate]\r\npath=" + game + "\r\n" + untouchedOptions());
}

}  // namespace
}  // namespace gridmate::e2e
