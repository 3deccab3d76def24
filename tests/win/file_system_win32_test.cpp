// The Windows file system's own behaviour beyond the shared cases: names outside ASCII,
// files locked by another program, attributes, the system's error texts.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/paths.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/text_win32.h"
#include "support/file_system_contract.h"
#include "support/temp_folder.h"

using namespace gridmate::platform;
using gridmate::test::listing;
using gridmate::test::readBytes;
using gridmate::test::SeamedFileSystem;
using gridmate::test::TempFolder;
using Names = std::vector<std::string>;

namespace {

const bool registered = (gridmate::test::registerFileSystemContract(
                             "Win32FileSystemContract",
                             [] { return std::make_unique<SeamedFileSystem<Win32FileSystem>>(); }),
                         true);

DWORD attributesOf(const std::wstring& path) { return GetFileAttributesW(path.c_str()); }

// An open handle that nobody else may share, as a program that locks its file holds it.
class Lock {
public:
    explicit Lock(const std::string& path)
        : h_(CreateFileW(widen(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~Lock() {
        if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
    }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;
    bool held() const { return h_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE h_;
};

// Wine words the system messages its own way; either wording is the system's text.
testing::Matcher<std::string> systemText(const char* windows, const char* wine) {
    return testing::AnyOf(testing::Eq(windows), testing::Eq(wine));
}

}  // namespace

TEST(Win32FileSystem, ErrorsCarryTheSystemNumberAndTextWithoutLineBreak) {
    Win32FileSystem fs;
    TempFolder dir;
    IoError err;
    EXPECT_FALSE(fs.readFile(dir.file("missing.ini"), err));
    EXPECT_EQ(err.code, ERROR_FILE_NOT_FOUND);
    EXPECT_THAT(err.description,
                systemText("The system cannot find the file specified.", "File not found."));

    std::string path = dir.write("gpl.ini", "x");
    SetFileAttributesW(widen(path).c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(fs.writeFile(path, "y", err));
    EXPECT_EQ(err.code, ERROR_ACCESS_DENIED);
    EXPECT_THAT(err.description, systemText("Access is denied.", "Access denied."));
    EXPECT_EQ(readBytes(path), "x");
}

TEST(Win32FileSystem, FileLockedWithoutSharingRefusesTheWriteAndStaysAsItWas) {
    Win32FileSystem fs;
    TempFolder dir;
    std::string path = dir.write("player.cfg", "old\r\n");
    std::string source = dir.write("source.cfg", "new\r\n");
    {
        Lock lock(path);
        ASSERT_TRUE(lock.held());
        IoError err;
        EXPECT_FALSE(fs.writeFile(path, "new\r\n", err));
        EXPECT_EQ(err.code, ERROR_SHARING_VIOLATION);
        EXPECT_THAT(err.description,
                    systemText("The process cannot access the file because it is being used "
                               "by another process.",
                               "Sharing violation."));
        EXPECT_FALSE(fs.copyFile(source, path, err));
    }
    EXPECT_EQ(readBytes(path), "old\r\n");
    EXPECT_EQ(listing(dir.path()), "player.cfg,source.cfg");
}

// A hidden (or system) target is replaced and stays hidden; a new file is not hidden.
TEST(Win32FileSystem, ReplacedFileKeepsTheHiddenAttribute) {
    Win32FileSystem fs;
    TempFolder dir;
    std::string path = dir.write("hidden.ini", "old");
    ASSERT_TRUE(SetFileAttributesW(widen(path).c_str(), FILE_ATTRIBUTE_HIDDEN));
    IoError err;
    ASSERT_TRUE(fs.writeFile(path, "new", err)) << err.description;
    EXPECT_EQ(readBytes(path), "new");
    EXPECT_TRUE(attributesOf(widen(path)) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_FALSE(fs.isReadOnly(path));

    std::string fresh = dir.file("fresh.ini");
    ASSERT_TRUE(fs.writeFile(fresh, "new", err)) << err.description;
    EXPECT_FALSE(attributesOf(widen(fresh)) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(listing(dir.path()), "fresh.ini,hidden.ini");
}

TEST(Win32FileSystem, AccentedNamesReachTheRightFilesAndListBack) {
    if (GetACP() != 1252) GTEST_SKIP() << "the names below are code page 1252 bytes";
    Win32FileSystem fs;
    TempFolder dir;
    std::string folder = joinPath(dir.path(), "caf\xE9");
    std::string file = joinPath(folder, "r\xE9sum\xE9.ini");
    IoError err;
    ASSERT_TRUE(fs.createFolder(folder, err)) << err.description;
    ASSERT_TRUE(fs.writeFile(file, "\xE9t\xE9\r\n", err)) << err.description;

    // The bytes meant the characters, not a UTF-8 or byte-for-byte misreading.
    std::wstring wideFile = widen(dir.path()) + L"\\caf\u00e9\\r\u00e9sum\u00e9.ini";
    EXPECT_NE(attributesOf(wideFile), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(fs.listFolders(dir.path()), Names{"caf\xE9"});
    EXPECT_EQ(fs.listFiles(folder), Names{"r\xE9sum\xE9.ini"});
    EXPECT_EQ(fs.readFile(file, err), "\xE9t\xE9\r\n");
    ASSERT_TRUE(fs.copyFolderContent(folder, joinPath(dir.path(), "na\xEFve"), err))
        << err.description;
    EXPECT_EQ(readBytes(joinPath(dir.path(), "na\xEFve\\r\xE9sum\xE9.ini")), "\xE9t\xE9\r\n");
}

// A name the code page cannot spell is listed by a name that still opens the file.
TEST(Win32FileSystem, NameOutsideTheCodePageListsAsAnOpenableName) {
    if (GetACP() != 1252) GTEST_SKIP() << "needs a code page without CJK characters";
    Win32FileSystem fs;
    TempFolder dir;
    std::wstring wide = widen(dir.path()) + L"\\\u5e73\u6210.ini";
    HANDLE h = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(h, "cjk", 3, &written, nullptr);
    CloseHandle(h);

    Names names = fs.listFiles(dir.path());
    ASSERT_EQ(names.size(), 1u);
    IoError err;
    EXPECT_EQ(fs.readFile(joinPath(dir.path(), names[0]), err), "cjk") << names[0];
}

TEST(Win32FileSystem, ProgramFolderHoldsTheRunningProgram) {
    Win32FileSystem fs;
    EXPECT_TRUE(fs.isFile(joinPath(fs.programFolder(), "win_tests.exe")));
}
