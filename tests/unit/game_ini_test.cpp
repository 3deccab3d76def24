#include "core/ini/game_ini.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "platform/posix/file_system_posix.h"
#include "support/scripted_ui.h"
#include "support/temp_folder.h"

using namespace gridmate;
using gridmate::test::ScriptedUi;
using gridmate::test::TempFolder;

namespace {

const std::string kApp = "[ Player ]\r\nlastPlayer = jim\t; last\r\n\r\n[ Graphics ]\r\nx = 1\r\n";

std::string errorText(int code) { return std::to_string(code) + ": " + std::strerror(code); }

void expectOneFailureMessage(const ScriptedUi& ui, int code) {
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, errorText(code));
    EXPECT_EQ(ui.messages[0].title, "Gridmate");
    EXPECT_EQ(ui.messages[0].icon, platform::Icon::Exclamation);
    EXPECT_EQ(ui.messages[0].buttons, platform::Buttons::Ok);
}

struct GameIniFiles : ::testing::Test {
    TempFolder folder{"gm-ini"};
    ScriptedUi ui;
    platform::PosixFileSystem files;
    platform::ScopedPlatform guard{[this] {
        platform::Platform p;
        p.fileSystem = &files;
        p.ui = &ui;
        return p;
    }()};
};

}  // namespace

TEST_F(GameIniFiles, ReadAndWriteWorkOnTheFileAndReportNothing) {
    std::string path = folder.write("app.ini", kApp);
    std::string value = "old";
    EXPECT_EQ(lngReadIniValue(path, "[ Player ]", "lastPlayer", value), 3);
    EXPECT_EQ(value, "jim");
    EXPECT_EQ(lngWriteIniLine(path, "[ Graphics ]", "x", "x = 2"), 0);
    EXPECT_EQ(test::readBytes(path),
              "[ Player ]\r\nlastPlayer = jim\t; last\r\n\r\n[ Graphics ]\r\nx = 2\r\n");
    EXPECT_EQ(lngReadIniValue(path, "[ Graphics ]", "missing", value), 0);
    EXPECT_EQ(value, "");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(GameIniFiles, AMissingFileIsReportedOnceAndNeitherReadNorCreated) {
    std::string path = folder.file("app.ini");
    std::string value = "kept";
    EXPECT_EQ(lngReadIniValue(path, "[ Player ]", "lastPlayer", value), -1);
    EXPECT_EQ(value, "kept");
    expectOneFailureMessage(ui, ENOENT);

    ui.messages.clear();
    EXPECT_EQ(lngWriteIniLine(path, "[ Player ]", "lastPlayer", "lastPlayer = x"), -1);
    expectOneFailureMessage(ui, ENOENT);
    EXPECT_EQ(test::listing(folder.path()), "");
}

// Each step of the atomic write fails with the error the system gives at that step.
TEST_F(GameIniFiles, AFailureAtAnyWriteStepLeavesTheFileWholeAndReportsOnce) {
    using platform::WriteStep;
    const std::pair<WriteStep, int> steps[] = {{WriteStep::CreateTemp, EACCES},
                                               {WriteStep::Write, ENOSPC},
                                               {WriteStep::Flush, EIO},
                                               {WriteStep::Replace, EBUSY}};
    for (auto [failing, code] : steps) {
        std::string path = folder.write("app.ini", kApp);
        ui.messages.clear();
        files.failStep = [step = failing](WriteStep s) { return s == step; };
        EXPECT_EQ(lngWriteIniLine(path, "[ Player ]", "lastPlayer", "lastPlayer = bob"), -1);
        EXPECT_EQ(test::readBytes(path), kApp);
        expectOneFailureMessage(ui, code);
    }
}

TEST_F(GameIniFiles, AReadOnlyFileIsReportedAndStaysAsItWas) {
    std::string path = folder.write("app.ini", kApp);
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_EQ(lngWriteIniLine(path, "[ Player ]", "lastPlayer", "lastPlayer = bob"), -1);
    expectOneFailureMessage(ui, EACCES);
    EXPECT_EQ(test::readBytes(path), kApp);
    EXPECT_TRUE(files.isReadOnly(path));
    EXPECT_EQ(test::listing(folder.path()), "app.ini");
}

TEST(GameIniDefaults, TheEngineNeedsNoSetUpBeyondTheProgramWidePlatform) {
    TempFolder folder{"gm-ini"};
    std::string path = folder.write("core.ini", "[ Hack ]\nsteer_ratio = 1\n");
    std::string value;
    EXPECT_EQ(lngWriteIniLine(path, "[ Hack ]", "steer_ratio", "steer_ratio = 0"), 0);
    EXPECT_EQ(lngReadIniValue(path, "[ Hack ]", "steer_ratio", value), 1);
    EXPECT_EQ(value, "0");
}
