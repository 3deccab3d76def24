#include "platform/posix/file_system_posix.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>

#include "support/file_system_contract.h"
#include "support/temp_folder.h"

TEST(PosixFileSystem, KeepsTheFileSystemContractAndRefusesAPipeAtOnce) {
    gridmate::platform::PosixFileSystem files;
    gridmate::test::checkFileSystemContract(files, files.failStep);
    // A named pipe where a game file should be is refused, not waited on for a writer.
    gridmate::test::TempFolder dir;
    ASSERT_EQ(::mkfifo(dir.file("gpl.67s").c_str(), 0600), 0);
    gridmate::platform::IoError err;
    EXPECT_FALSE(files.readFile(dir.file("gpl.67s"), err));
    EXPECT_EQ(err.code, EINVAL);
}
