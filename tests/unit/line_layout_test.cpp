#include "core/ini/line_layout.h"

#include <gtest/gtest.h>

#include "support/scripted_ui.h"
#include "support/temp_folder.h"

using namespace gridmate;

TEST(LineLayout, EachGameKeyHasItsColumns) {
    struct Case {
        GameKey key;
        const char* value;
        const char* line;
    };
    for (const Case& c : std::initializer_list<Case>{
             {GameKey::LastPlayer, "jim",
              "lastPlayer = jim                        \t; directory of the last player to play "
              "the game"},
             {GameKey::HelmetColor, "13",
              "helmetColor = 13                        \t; helmet color"},
             {GameKey::Team, "Lotus", "team = Lotus                            \t; team"},
             {GameKey::LastTrackSelection, "monza",
              "lastTrackSelection = monza              \t; last track visited"},
             {GameKey::DetailBias, "80",
              "detailBias = 80                        \t; Distance at which the game draws in high "
              "detail"},
             {GameKey::LastRasterizerDLL, "rend_d3d.dll",
              "lastRasterizerDLL = rend_d3d.dll        \t; Last rasterizer DLL selected"},
             {GameKey::SteerRatio, "1",
              "steer_ratio = 1                             ; Enable low speed ratio override"},
             {GameKey::FrontWingAngle, "8", "frontWingAngle = -8         ; 0 or less"},
             {GameKey::RearWingAngle, "12", "rearWingAngle = -12         ; 0 or less"},
             {GameKey::FrontWingInstalled, "1",
              "frontWingInstalled = 1     ; 0 for no wing, angle ignored"},
             {GameKey::RearWingInstalled, "0",
              "rearWingInstalled = 0      ; 0 for no wing, angle ignored"},
         }) {
        std::string line = composeLine(c.key, c.value);
        EXPECT_EQ(line, c.line);
        EXPECT_EQ(line.rfind(gameKeyInfo(c.key).name, 0), 0u) << "the key name starts: " << line;
    }
}

TEST(LineLayout, LongValuesAreCutOnlyInCutFields) {
    std::string thirty(30, 'p');
    EXPECT_EQ(composeLine(GameKey::LastPlayer, thirty),
              "lastPlayer = " + std::string(27, 'p') +
                  "\t; directory of the last player to play the game");
    std::string track = "rouen-les-essarts-circuit";
    EXPECT_EQ(composeLine(GameKey::LastTrackSelection, track),
              "lastTrackSelection = " + track + "\t; last track visited");
    std::string dll = "rend_opengl_extended.dll";
    EXPECT_EQ(composeLine(GameKey::LastRasterizerDLL, dll),
              "lastRasterizerDLL = " + dll + "\t; Last rasterizer DLL selected");
    EXPECT_EQ(composeLine(GameKey::SteerRatio, std::string(33, '9')),
              "steer_ratio = " + std::string(30, '9') + "; Enable low speed ratio override");
}

TEST(LineLayout, WriteGameKeyUsesTheTablesFileSectionAndName) {
    test::TempFolder folder{"gm-layout"};
    test::ScriptedUi ui;
    platform::Platform p;
    p.ui = &ui;
    platform::ScopedPlatform guard{p};
    std::string path =
        folder.write("wg69i.ini", "[Wings]\r\nfrontWingAngle = -3         ; 0 or less\r\n");
    EXPECT_EQ(writeGameKey(path, GameKey::FrontWingAngle, "7"), 0);
    EXPECT_EQ(writeGameKey(path, GameKey::RearWingInstalled, "1"), 0);
    EXPECT_EQ(test::readBytes(path),
              "[Wings]\r\nfrontWingAngle = -7         ; 0 or less\r\n\r\n"
              "rearWingInstalled = 1      ; 0 for no wing, angle ignored\r\n\r\n");
    std::string value;
    EXPECT_EQ(readGameKey(path, GameKey::RearWingInstalled, value), 7);
    EXPECT_EQ(value, "1");
    EXPECT_EQ(gameKeyInfo(GameKey::HelmetColor).file, GameFile::Player);
    EXPECT_EQ(gameKeyInfo(GameKey::SteerRatio).section, "[ Hack ]");
    EXPECT_TRUE(ui.messages.empty());
}
