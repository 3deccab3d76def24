#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "platform/posix/file_system_posix.h"
#include "support/file_system_contract.h"
#include "support/temp_folder.h"

using namespace gridmate::platform;
using gridmate::test::SeamedFileSystem;
using gridmate::test::TempFolder;

namespace {

const bool registered = (gridmate::test::registerFileSystemContract(
                             "PosixFileSystemContract",
                             [] { return std::make_unique<SeamedFileSystem<PosixFileSystem>>(); }),
                         true);

}  // namespace

TEST(PosixFileSystem, ErrorsCarryErrnoAndItsText) {
    PosixFileSystem fs;
    TempFolder dir;
    IoError err;
    EXPECT_FALSE(fs.readFile(dir.file("missing.ini"), err));
    EXPECT_EQ(err.code, 2);
    EXPECT_EQ(err.description, "No such file or directory");

    std::string path = dir.write("gpl.ini", "x");
    std::filesystem::permissions(path, std::filesystem::perms::owner_read,
                                 std::filesystem::perm_options::replace);
    EXPECT_FALSE(fs.writeFile(path, "y", err));
    EXPECT_EQ(err.code, 13);
    EXPECT_EQ(err.description, "Permission denied");
}

// A named pipe where a game file should be is refused at once instead of waiting for a
// writer; links are listed as what they point to.
TEST(PosixFileSystem, PipesAreNotReadAndLinksListAsTheirTargets) {
    PosixFileSystem fs;
    TempFolder dir;
    std::string pipe = dir.file("gpl.67s");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    IoError err;
    EXPECT_FALSE(fs.readFile(pipe, err));
    EXPECT_EQ(err.code, EINVAL);

    std::filesystem::create_directory(dir.file("real"));
    std::filesystem::create_directory_symlink(dir.file("real"), dir.file("linked"));
    std::filesystem::create_symlink(dir.write("a.ini", "x"), dir.file("b.ini"));
    std::filesystem::create_symlink(dir.file("nowhere"), dir.file("dangling"));
    auto sorted = [](std::vector<std::string> v) {
        std::sort(v.begin(), v.end());
        return v;
    };
    EXPECT_EQ(sorted(fs.listFolders(dir.path())), (std::vector<std::string>{"linked", "real"}));
    EXPECT_EQ(sorted(fs.listFiles(dir.path())),
              (std::vector<std::string>{"a.ini", "b.ini", "gpl.67s"}));
}
