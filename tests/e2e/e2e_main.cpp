// gridmate_e2e [GoogleTest options] <gridmate.exe> <artefact folder>
// CTest runs one case per entry, chosen with --gtest_filter.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

#include "e2e/driver.h"
#include "e2e/gridmate_case.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: gridmate_e2e [gtest options] <gridmate.exe> <artefacts>\n");
        return 2;
    }
    auto& config = gridmate::e2e::config();
    config.gridmateExe = gridmate::e2e::windowsPath(argv[1]);
    config.artefacts = gridmate::e2e::windowsPath(argv[2]);
    // The stand-in games that cases start end at once instead of showing a box; every
    // program the driver starts inherits this.
    SetEnvironmentVariableA("GRIDMATE_STUB_QUIET", "1");
    int result = RUN_ALL_TESTS();
    // A CTest entry whose filter names no case would otherwise pass without testing.
    if (::testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
        std::fprintf(stderr, "no case matches the filter\n");
        return 1;
    }
    return result;
}
