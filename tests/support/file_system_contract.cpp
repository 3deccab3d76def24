#include "support/file_system_contract.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "platform/paths.h"
#include "support/temp_folder.h"

namespace gridmate::test {

namespace {

using platform::FileSystem;
using platform::IoError;
using platform::WriteStep;
using Names = std::vector<std::string>;

// ENOENT and ERROR_FILE_NOT_FOUND share this number.
constexpr int32_t kFileNotFound = 2;

std::string everyKindOfByte() {
    std::string bytes = "[Options]\r\nline=LF only\n";
    bytes += '\0';
    bytes += "after a NUL\r\n";
    for (int b = 0x80; b <= 0xFF; ++b) bytes += static_cast<char>(b);
    return bytes;
}

Names sorted(Names names) {
    std::sort(names.begin(), names.end());
    return names;
}

// Through the C runtime, as another program would: on Windows this sets the
// read-only attribute, elsewhere it clears the write bits.
void makeReadOnly(const std::string& path) {
    namespace fs = std::filesystem;
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read,
                    fs::perm_options::replace);
}

void readsAndWritesEveryByteExactly(FileSystemUnderTest& t) {
    FileSystem& fs = t.fileSystem();
    TempFolder dir;
    std::string path = dir.file("app.ini");
    IoError err;
    ASSERT_TRUE(fs.writeFile(path, everyKindOfByte(), err)) << err.description;
    EXPECT_EQ(readBytes(path), everyKindOfByte());
    EXPECT_EQ(fs.readFile(path, err), everyKindOfByte());

    // A shorter content replaces a longer one whole; an empty file reads as empty.
    ASSERT_TRUE(fs.writeFile(path, "x\r\n", err)) << err.description;
    EXPECT_EQ(readBytes(path), "x\r\n");
    ASSERT_TRUE(fs.writeFile(path, "", err)) << err.description;
    EXPECT_EQ(fs.readFile(path, err), "");

    // Larger than one read: nothing lost between the blocks.
    std::string large;
    for (int i = 0; i < 50000; ++i) large += static_cast<char>(i * 7 % 256);
    std::string written = dir.write("large.dat", large);
    EXPECT_EQ(fs.readFile(written, err), large);
    EXPECT_EQ(listing(dir.path()), "app.ini,large.dat");
}

void failedWriteAtAnyStepKeepsTheOldFileAndLeavesNoTemporary(FileSystemUnderTest& t) {
    FileSystem& fs = t.fileSystem();
    for (WriteStep step :
         {WriteStep::CreateTemp, WriteStep::Write, WriteStep::Flush, WriteStep::Replace}) {
        SCOPED_TRACE("failing step " + std::to_string(static_cast<int>(step)));
        TempFolder dir;
        std::string path = dir.write("app.ini", "old\r\n");
        std::string source = dir.write("source.ini", "new\r\n");
        t.failAt(step);
        IoError err;
        EXPECT_FALSE(fs.writeFile(path, "new\r\n", err));
        EXPECT_NE(err.code, 0);
        EXPECT_FALSE(err.description.empty());
        err = {};
        EXPECT_FALSE(fs.copyFile(source, path, err));
        EXPECT_NE(err.code, 0);
        EXPECT_FALSE(fs.writeFile(dir.file("fresh.ini"), "new\r\n", err));
        EXPECT_EQ(readBytes(path), "old\r\n");
        EXPECT_EQ(listing(dir.path()), "app.ini,source.ini");
    }
    t.failAt(std::nullopt);
    TempFolder dir;
    std::string path = dir.write("app.ini", "old\r\n");
    IoError err;
    EXPECT_TRUE(fs.writeFile(path, "new\r\n", err)) << err.description;
    EXPECT_EQ(readBytes(path), "new\r\n");
}

void readOnlyTargetIsRefusedAndKeptAsItWas(FileSystemUnderTest& t) {
    FileSystem& fs = t.fileSystem();
    TempFolder dir;
    std::string path = dir.write("gpl.ini", "old\r\n");
    std::string source = dir.write("source.ini", "new\r\n");
    makeReadOnly(path);
    ASSERT_TRUE(fs.isReadOnly(path));
    EXPECT_FALSE(fs.isReadOnly(source));
    EXPECT_FALSE(fs.isReadOnly(dir.file("missing.ini")));

    IoError err;
    EXPECT_FALSE(fs.writeFile(path, "new\r\n", err));
    EXPECT_NE(err.code, 0);
    err = {};
    EXPECT_FALSE(fs.copyFile(source, path, err));
    EXPECT_NE(err.code, 0);
    EXPECT_EQ(readBytes(path), "old\r\n");
    EXPECT_TRUE(fs.isReadOnly(path));
    EXPECT_EQ(listing(dir.path()), "gpl.ini,source.ini");
}

void readingWhatIsNoFileFails(FileSystemUnderTest& t) {
    FileSystem& fs = t.fileSystem();
    TempFolder dir;
    IoError err;
    EXPECT_EQ(fs.readFile(dir.file("missing.ini"), err), std::nullopt);
    EXPECT_EQ(err.code, kFileNotFound);
    EXPECT_FALSE(err.description.empty());

    err = {};
    EXPECT_EQ(fs.readFile(dir.file("nowhere/app.ini"), err), std::nullopt);
    EXPECT_NE(err.code, 0);
    err = {};
    EXPECT_EQ(fs.readFile(dir.folder("folder"), err), std::nullopt);
    EXPECT_NE(err.code, 0);
}

void copyFileReplacesTheTargetAndKeepsTheSource(FileSystemUnderTest& t) {
    FileSystem& fs = t.fileSystem();
    TempFolder dir;
    std::string source = dir.write("a.ini", everyKindOfByte());
    std::string target = dir.write("b.ini", "an older and longer content\r\n\r\n");
    IoError err;
    ASSERT_TRUE(fs.copyFile(source, target, err)) << err.description;
    EXPECT_EQ(readBytes(target), everyKindOfByte());
    EXPECT_EQ(readBytes(source), everyKindOfByte());
    ASSERT_TRUE(fs.copyFile(source, dir.file("c.ini"), err)) << err.description;
    EXPECT_EQ(readBytes(dir.file("c.ini")), everyKindOfByte());

    err = {};
    EXPECT_FALSE(fs.copyFile(dir.file("missing.ini"), target, err));
    EXPECT_EQ(err.code, kFileNotFound);
    EXPECT_EQ(readBytes(target), everyKindOfByte());
    EXPECT_EQ(listing(dir.path()), "a.ini,b.ini,c.ini");
}

void copyFolderContentOverwritesAndKeepsOtherFiles(FileSystemUnderTest& t) {
    FileSystem& fs = t.fileSystem();
    TempFolder dir;
    dir.write("from/a.ini", "new a");
    dir.write("from/sub/b.ini", "b");
    dir.write("from/sub/deep/c.ini", "c");
    dir.write("to/a.ini", "old a");
    dir.write("to/keep.ini", "kept");
    dir.write("to/sub/kept.ini", "kept too");

    IoError err;
    ASSERT_TRUE(fs.copyFolderContent(dir.file("from"), dir.file("to"), err)) << err.description;
    EXPECT_EQ(listing(dir.file("to")), "a.ini,keep.ini,sub");
    EXPECT_EQ(listing(dir.file("to/sub")), "b.ini,deep,kept.ini");
    EXPECT_EQ(readBytes(dir.file("to/a.ini")), "new a");
    EXPECT_EQ(readBytes(dir.file("to/keep.ini")), "kept");
    EXPECT_EQ(readBytes(dir.file("to/sub/b.ini")), "b");
    EXPECT_EQ(readBytes(dir.file("to/sub/kept.ini")), "kept too");
    EXPECT_EQ(readBytes(dir.file("to/sub/deep/c.ini")), "c");
    EXPECT_EQ(listing(dir.file("from")), "a.ini,sub");

    // A missing target folder is created, with every level on the way.
    ASSERT_TRUE(fs.copyFolderContent(dir.file("from"), dir.file("new/inner"), err))
        << err.description;
    EXPECT_EQ(listing(dir.file("new/inner")), "a.ini,sub");
    EXPECT_EQ(readBytes(dir.file("new/inner/sub/deep/c.ini")), "c");
}

void listingSeparatesFilesFromFolders(FileSystemUnderTest& t) {
    FileSystem& fs = t.fileSystem();
    TempFolder dir;
    std::string file = dir.write("x.ini", "x");
    dir.write("y.dat", "");
    std::string folder = dir.folder("f1");
    dir.folder("f2/inner");
    EXPECT_EQ(sorted(fs.listFiles(dir.path())), (Names{"x.ini", "y.dat"}));
    EXPECT_EQ(sorted(fs.listFolders(dir.path())), (Names{"f1", "f2"}));
    EXPECT_EQ(fs.listFiles(dir.file("missing")), Names{});
    EXPECT_EQ(fs.listFolders(dir.file("missing")), Names{});

    EXPECT_TRUE(fs.exists(file) && fs.isFile(file) && !fs.isFolder(file));
    EXPECT_TRUE(fs.exists(folder) && fs.isFolder(folder) && !fs.isFile(folder));
    std::string missing = dir.file("missing");
    EXPECT_FALSE(fs.exists(missing) || fs.isFile(missing) || fs.isFolder(missing));
}

void createFolderMakesEveryMissingLevel(FileSystemUnderTest& t) {
    FileSystem& fs = t.fileSystem();
    TempFolder dir;
    IoError err;
    ASSERT_TRUE(fs.createFolder(dir.file("a/b/c"), err)) << err.description;
    EXPECT_TRUE(fs.isFolder(dir.file("a/b/c")));
    EXPECT_TRUE(fs.createFolder(dir.file("a/b/c"), err)) << "an existing folder is fine";

    std::string file = dir.write("plain", "x");
    EXPECT_FALSE(fs.createFolder(file, err));
    EXPECT_NE(err.code, 0);
    err = {};
    EXPECT_FALSE(fs.createFolder(dir.file("plain/sub"), err));
    EXPECT_NE(err.code, 0);
    EXPECT_EQ(readBytes(file), "x");
    EXPECT_EQ(listing(dir.path()), "a,plain");
}

void deleteFileRemovesOnlyThatFile(FileSystemUnderTest& t) {
    FileSystem& fs = t.fileSystem();
    TempFolder dir;
    std::string a = dir.write("a.ini", "a");
    dir.write("b.ini", "b");
    std::string folder = dir.folder("sub");
    IoError err;
    ASSERT_TRUE(fs.deleteFile(a, err)) << err.description;
    EXPECT_EQ(listing(dir.path()), "b.ini,sub");

    EXPECT_FALSE(fs.deleteFile(a, err));
    EXPECT_EQ(err.code, kFileNotFound);
    err = {};
    EXPECT_FALSE(fs.deleteFile(folder, err));
    EXPECT_NE(err.code, 0);
    EXPECT_EQ(listing(dir.path()), "b.ini,sub");
}

struct ContractCase {
    const char* name;
    void (*body)(FileSystemUnderTest&);
};

constexpr ContractCase kCases[] = {
    {"ReadsAndWritesEveryByteExactly", readsAndWritesEveryByteExactly},
    {"FailedWriteAtAnyStepKeepsTheOldFileAndLeavesNoTemporary",
     failedWriteAtAnyStepKeepsTheOldFileAndLeavesNoTemporary},
    {"ReadOnlyTargetIsRefusedAndKeptAsItWas", readOnlyTargetIsRefusedAndKeptAsItWas},
    {"ReadingWhatIsNoFileFails", readingWhatIsNoFileFails},
    {"CopyFileReplacesTheTargetAndKeepsTheSource", copyFileReplacesTheTargetAndKeepsTheSource},
    {"CopyFolderContentOverwritesAndKeepsOtherFiles",
     copyFolderContentOverwritesAndKeepsOtherFiles},
    {"ListingSeparatesFilesFromFolders", listingSeparatesFilesFromFolders},
    {"CreateFolderMakesEveryMissingLevel", createFolderMakesEveryMissingLevel},
    {"DeleteFileRemovesOnlyThatFile", deleteFileRemovesOnlyThatFile},
};

using Maker = std::function<std::unique_ptr<FileSystemUnderTest>()>;

class ContractTest : public ::testing::Test {
public:
    ContractTest(const ContractCase& c, Maker make) : case_(c), make_(std::move(make)) {}
    void TestBody() override {
        auto subject = make_();
        case_.body(*subject);
    }

private:
    const ContractCase& case_;
    Maker make_;
};

}  // namespace

void registerFileSystemContract(const char* suite, Maker make) {
    for (const ContractCase& c : kCases) {
        // GoogleTest owns the test objects it is handed.
        ::testing::RegisterTest(suite, c.name, nullptr, nullptr, __FILE__, __LINE__,
                                [&c, make]() -> ::testing::Test* { return new ContractTest(c, make); });
    }
}

}  // namespace gridmate::test
