// The game's command line and the launcher buttons' small rules.
#include <gtest/gtest.h>

#include "launch/game_command.h"
#include "launch/launcher.h"
#include "ui/model_types.h"

using namespace gridmate::launch;

TEST(GameCommand, WithoutJoinOnlyPlayerRasterizerAndFullScreen) {
    EXPECT_EQ(gameParameters({"Jim Racer", false, "10.0.0.1", "Rend_OGL.DLL", 1}),
              " -ko\"10:player:lastplayer:Jim Racer\""
              " -ko\"10:graphics:lastrasterizerdll:rend_ogl.dll\""
              " -ko\"0:rasterizer:fullscreen:1\"");
}

TEST(GameCommand, JoinAddsTheAddressTwiceVerbatimEvenWhenEmpty) {
    EXPECT_EQ(gameParameters({"Ann", true, " 192.168.0.7 ", "a.dll", 0}),
              " -ko\"10:player:lastplayer:Ann\" -ko\"0:client:to_ip: 192.168.0.7 \""
              " -ko\"0:client:via_ip: 192.168.0.7 \" -ko\"10:graphics:lastrasterizerdll:a.dll\""
              " -ko\"0:rasterizer:fullscreen:0\"");
    EXPECT_NE(gameParameters({"Ann", true, "", "a.dll", 0}).find(" -ko\"0:client:to_ip:\" -ko\"0:client:via_ip:\""),
              std::string::npos);
}

TEST(Launcher, KeysCarryTheButtonIndexAsOneDigit) {
    EXPECT_EQ(launcherKey(0), "Launch0");
    EXPECT_EQ(launcherKey(7), "Launch7");
}

TEST(Launcher, CleanExePathUndoesTheCutAtTheFirstBlank) {
    std::string cut = std::string("C:\\Program") + '\0' + "Files\\Editor\\edit.exe" + std::string(200, '\0');
    EXPECT_EQ(strCleanExePath(cut), "C:\\Program Files\\Editor\\edit.exe");
    std::string plain = std::string("C:\\tools\\ed.exe") + std::string(240, '\0');
    EXPECT_EQ(strCleanExePath(plain), "C:\\tools\\ed.exe");
    std::string quoted = std::string("C:\\tools\\ed.exe \"  ") + std::string(10, '\0');
    EXPECT_EQ(strCleanExePath(quoted), "C:\\tools\\ed.exe");
    EXPECT_EQ(strCleanExePath("no nul at all"), "no nul at all");
}

TEST(Launcher, FailedLookupsHaveTheirMessages) {
    EXPECT_EQ(findExecutableMessage(0), "not enough memory");
    EXPECT_EQ(findExecutableMessage(2), "file not found");
    EXPECT_EQ(findExecutableMessage(3), "path not found");
    EXPECT_EQ(findExecutableMessage(31), "no associate");
    EXPECT_EQ(findExecutableMessage(11), " 11:error. check your file");
    EXPECT_EQ(findExecutableMessage(-5), "-5:error. check your file");
}

TEST(Launcher, OnlyCtrlAloneClearsAButton) {
    using namespace gridmate::ui;
    EXPECT_EQ(rightClickAction(CtrlKey), RightClick::Clear);
    EXPECT_EQ(rightClickAction(ShiftNone), RightClick::Choose);
    EXPECT_EQ(rightClickAction(ShiftKey), RightClick::Choose);
    EXPECT_EQ(rightClickAction(CtrlKey | ShiftKey), RightClick::Choose);
    EXPECT_EQ(rightClickAction(CtrlKey | AltKey), RightClick::Choose);
}
