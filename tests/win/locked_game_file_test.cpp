// A game file held open by another program without sharing (the game itself, an
// editor): the engine's patch is refused with the system's message, and the file and
// its folder stay as they were.
#include <gtest/gtest.h>
#include <windows.h>

#include "core/ini/line_layout.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/text_win32.h"
#include "support/scripted_ui.h"
#include "support/temp_folder.h"

using namespace gridmate;
using namespace gridmate::test;

TEST(LockedGameFile, APatchOfAFileOpenWithoutSharingIsReportedAndChangesNothing) {
    TempFolder dir;
    const std::string text = "[ Personal Information ]\r\n" + composeLine(GameKey::HelmetColor, "13") + "\r\n";
    const std::string path = dir.write("player.ini", text);
    platform::Win32FileSystem files;
    ScriptedUi ui;
    platform::Platform p;
    p.fileSystem = &files;
    p.ui = &ui;
    platform::ScopedPlatform scoped(p);

    HANDLE lock = CreateFileW(platform::widen(path).c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_EQ(writeGameKey(path, GameKey::HelmetColor, "9"), -1);
    CloseHandle(lock);

    ASSERT_EQ(ui.messages.size(), 1u);
    const platform::IoError sharing = platform::systemError(ERROR_SHARING_VIOLATION);
    EXPECT_EQ(ui.messages[0].text, std::to_string(ERROR_SHARING_VIOLATION) + ": " + sharing.description);
    EXPECT_EQ(ui.messages[0].title, "Gridmate");
    EXPECT_EQ(ui.messages[0].icon, platform::Icon::Exclamation);
    EXPECT_EQ(readBytes(path), text);
    EXPECT_EQ(listing(dir.path()), "player.ini");

    // Once the other program lets go, the same patch goes through.
    EXPECT_EQ(writeGameKey(path, GameKey::HelmetColor, "9"), 0);
    EXPECT_EQ(readBytes(path), "[ Personal Information ]\r\n" + composeLine(GameKey::HelmetColor, "9") + "\r\n");
}
