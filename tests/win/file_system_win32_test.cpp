// The Windows file system: the shared contract, a file that another program holds open,
// and names outside ASCII.
#include "platform/win32/file_system_win32.h"

#include <gmock/gmock.h>
#include <windows.h>

#include "platform/paths.h"
#include "platform/win32/text_win32.h"
#include "support/file_system_contract.h"
#include "support/temp_folder.h"

using namespace gridmate::platform;
using namespace gridmate::test;

TEST(Win32FileSystem, KeepsTheFileSystemContract) {
    Win32FileSystem files;
    checkFileSystemContract(files, files.failStep);
}

// The game or an editor holds a game file open without sharing: the write is refused with the
// system's words (the user sees them), nothing changes, and it goes through once let go.
TEST(Win32FileSystem, AFileLockedByAnotherProgramIsRefusedAndKeptUntilReleased) {
    Win32FileSystem files;
    TempFolder dir;
    const std::string path = dir.write("player.ini", "old\r\n");
    HANDLE lock =
        CreateFileW(widen(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    IoError err;
    EXPECT_FALSE(files.writeFile(path, "new\r\n", err));
    CloseHandle(lock);
    EXPECT_EQ(err.code, ERROR_SHARING_VIOLATION);
    EXPECT_THAT(err.description, testing::AnyOf("Sharing violation.",  // Wine's, then Windows'
                                                "The process cannot access the file because it "
                                                "is being used by another process."));
    EXPECT_EQ(readBytes(path), "old\r\n");
    EXPECT_EQ(listing(dir.path()), "player.ini");
    EXPECT_TRUE(files.writeFile(path, "new\r\n", err));
    EXPECT_EQ(readBytes(path), "new\r\n");
}

// Paths arrive as bytes of the ANSI code page (1252 here) and must mean its characters.
TEST(Win32FileSystem, AccentedNamesReachTheirFilesAndListBack) {
    if (GetACP() != 1252) GTEST_SKIP() << "the names are code page 1252 bytes";
    Win32FileSystem files;
    TempFolder dir;
    const std::string folder = joinPath(dir.path(), "caf\xE9");
    IoError err;
    ASSERT_TRUE(files.createFolder(folder, err) &&
                files.writeFile(joinPath(folder, "r\xE9sum\xE9.ini"), "\xE9t\xE9", err) &&
                files.copyFolderContent(folder, joinPath(dir.path(), "na\xEFve"), err));
    std::wstring copy = widen(dir.path()) + L"\\na\u00efve\\r\u00e9sum\u00e9.ini";
    EXPECT_NE(GetFileAttributesW(copy.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(files.listFiles(folder), std::vector<std::string>{"r\xE9sum\xE9.ini"});
    EXPECT_EQ(files.readFile(joinPath(dir.path(), "na\xEFve\\r\xE9sum\xE9.ini"), err), "\xE9t\xE9");
}
