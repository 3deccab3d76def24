#include <gtest/gtest.h>

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
