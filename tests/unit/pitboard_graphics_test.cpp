// Detail bias, rasterizers with the full-screen rule, the steering override and wings.
#include <gtest/gtest.h>

#include "core/ini/line_layout.h"
#include "support/app_fixture.h"

using namespace gridmate;
using namespace gridmate::test;

namespace {

const char* kOpenGl = "type=rasterizer\r\ndisplayname=OpenGL\r\n";
const char* kD3d = "type=rasterizer\r\ndisplayname=Direct3D7\r\n";

class Graphics : public AppFixture {
protected:
    void SetUp() override {
        knownGameFolder();
        setting("showoption", "1");
        gameFiles.appIni("Jim", "rend_d3d.dll").coreIni("0", "1").wingsIni("1", "12", "0", "8");
        PlayerSeason s;
        for (int i = 0; i < 3; ++i) {
            s.detailBias = std::to_string(40 + 20 * i);
            gameFiles.player("Jim", i, s);
        }
        for (auto* dll : {"rend_ogl.dll", "rend_d3d.dll", "sound.dll"}) gameFiles.raw(dll, "MZ");
        versions.privateBuild["rend_ogl.dll"] = kOpenGl;
        versions.privateBuild["rend_d3d.dll"] = kD3d;
        versions.privateBuild["sound.dll"] = "type=sound\r\n\r\n";
    }
    std::string file(const char* name) { return readBytes(gameFiles.file(name)); }
    int rastIndex(const char* fileName) {
        for (size_t i = 0; i < window().RastList.size(); ++i)
            if (window().RastList[i].FileName == fileName) return int(i);
        return -1;
    }
};

TEST_F(Graphics, TheSliderShowsTheCurrentSeasonsStoredBias) {
    setting("mod", "69");
    auto& w = load();
    EXPECT_EQ(w.hscDetail->value(), 4);  // 80
    EXPECT_EQ(w.lblDetail->caption(), "Detail Bias: 80 %");
    w.optSeason[1].setSelected(true);
    EXPECT_EQ(w.hscDetail->value(), 3);
    EXPECT_EQ(w.lblDetail->caption(), "Detail Bias: 60 %");
}

TEST_F(Graphics, MovingTheSliderWritesTheCurrentSeasonOnly) {
    setting("mod", "65");
    auto& w = load();
    std::string p67 = file("players/Jim/player.ini");
    w.hscDetail->setValue(1);
    EXPECT_NE(file("players/Jim/plac65.ini").find(composeLine(GameKey::DetailBias, "20") + "\r\n"),
              std::string::npos);
    EXPECT_EQ(file("players/Jim/player.ini"), p67);
}

TEST_F(Graphics, ACollapsedSeasonSwitchLeavesTheSliderAlone) {
    setting("showoption", "0");
    auto& w = load();
    int before = w.hscDetail->value();
    w.optSeason[2].setSelected(true);
    EXPECT_TRUE(w.fraSeason[2].visible());
    EXPECT_EQ(w.hscDetail->value(), before);
}

TEST_F(Graphics, ABiasThatIsNotANumberShowsFullDetail) {
    PlayerSeason s;
    s.detailBias = "far";
    gameFiles.player("Jim", 0, s);
    auto& w = load();
    EXPECT_EQ(w.hscDetail->value(), 5);
    EXPECT_EQ(w.lblDetail->caption(), "Detail Bias: 100 %");
}

TEST_F(Graphics, RasterizersAreListedAndTheLastOneSelectedWithoutWriting) {
    std::string app = file("app.ini");
    auto& w = load();
    ASSERT_EQ(w.RastList.size(), 2u);
    EXPECT_EQ(w.cboRast->selectedIndex(), rastIndex("rend_d3d.dll"));
    EXPECT_EQ(w.cboRast->item(rastIndex("rend_ogl.dll")), "OpenGL (rend_ogl.dll)");
    EXPECT_EQ(w.lngRastType, 4);
    EXPECT_TRUE(w.chkFullScreen->enabled());
    EXPECT_EQ(w.chkFullScreen->value(), 0);  // as core.ini has it
    EXPECT_EQ(file("app.ini"), app);
}

TEST_F(Graphics, ForceFullScreenFollowsTheRasterizerKind) {
    auto& w = load();
    w.chkFullScreen->setValue(0);
    w.cboRast->setSelectedIndex(rastIndex("rend_ogl.dll"));
    EXPECT_EQ(w.chkFullScreen->value(), 1);
    EXPECT_FALSE(w.chkFullScreen->enabled());
    w.chkForceFullscreen4NonD3D->setChecked(false);
    EXPECT_TRUE(w.chkFullScreen->enabled());
    EXPECT_EQ(w.chkFullScreen->value(), 1);
    w.chkFullScreen->setValue(0);
    w.chkForceFullscreen4NonD3D->setChecked(true);
    EXPECT_EQ(w.chkFullScreen->value(), 1);
    EXPECT_FALSE(w.chkFullScreen->enabled());
    w.cboRast->setSelectedIndex(rastIndex("rend_d3d.dll"));
    EXPECT_TRUE(w.chkFullScreen->enabled());
    EXPECT_EQ(w.chkFullScreen->value(), 1);
}

TEST_F(Graphics, TheRasterizerIsWrittenOnlyWhenSavingIsOn) {
    auto& w = load();
    std::string app = file("app.ini");
    w.cboRast->setSelectedIndex(rastIndex("rend_ogl.dll"));
    EXPECT_EQ(file("app.ini"), app);
    w.chkSaveRasterizer->setChecked(true);  // writes the current choice at once
    EXPECT_NE(file("app.ini").find("lastRasterizerDLL = rend_ogl.dll        \t; Last rasterizer DLL selected\r\n"),
              std::string::npos);
    w.cboRast->setSelectedIndex(rastIndex("rend_d3d.dll"));
    EXPECT_NE(file("app.ini").find("lastRasterizerDLL = rend_d3d.dll  "), std::string::npos);
    std::string now = file("app.ini");
    w.chkSaveRasterizer->setChecked(false);
    EXPECT_EQ(file("app.ini"), now);
}

TEST_F(Graphics, AMissingAppIniDisablesTheListWithTheErrorTitle) {
    std::remove(gameFiles.file("app.ini").c_str());
    auto& w = load();
    EXPECT_FALSE(w.cboRast->enabled());
    EXPECT_EQ(w.cboRast->selectedIndex(), -1);
    bool found = false;
    for (auto& m : ui.messages)
        if (m.text == "app.ini not found in your gpl folder.") {
            found = true;
            EXPECT_EQ(m.title, "Gridmate 1.0.9 error");
            EXPECT_EQ(m.icon, platform::Icon::Critical);
        }
    EXPECT_TRUE(found);
}

TEST_F(Graphics, SteeringIsLoadedFromCoreIniAndWrittenOnClickOnly) {
    std::string core = file("core.ini");
    auto& w = load();
    EXPECT_EQ(w.chkSteerHack->value(), 1);
    EXPECT_EQ(w.chkFullScreen->value(), 0);
    EXPECT_EQ(file("core.ini"), core);
    w.chkSteerHack->setChecked(false);
    std::string line = "steer_ratio = 0" + std::string(29, ' ') + "; Enable low speed ratio override";
    EXPECT_NE(file("core.ini").find(line + "\r\n"), std::string::npos);
}

TEST_F(Graphics, AMissingCoreIniDisablesBothBoxesSilently) {
    std::remove(gameFiles.file("core.ini").c_str());
    auto& w = load();
    EXPECT_FALSE(w.chkSteerHack->enabled());
    w.chkSteerHack->setChecked(true);
    EXPECT_EQ(file("core.ini"), "<missing>");
}

TEST_F(Graphics, WingsLoadNegatedAndWriteTheirLines) {
    setting("SetWingMax15", "0");
    auto& w = load();
    EXPECT_EQ(w.chkWing[0].value(), 1);
    EXPECT_EQ(w.hscWingAngle[0].value(), 12);
    EXPECT_EQ(w.lblWingAngle[0].caption(), "12");
    EXPECT_EQ(w.hscWingAngle[1].value(), 8);
    w.hscWingAngle[0].setValue(25);
    EXPECT_NE(file("wg69i.ini").find("frontWingAngle = -25        ; 0 or less\r\n"), std::string::npos);
    w.hscWingAngle[1].setValue(0);
    EXPECT_NE(file("wg69i.ini").find("rearWingAngle = -0          ; 0 or less\r\n"), std::string::npos);
    w.chkWing[1].setChecked(true);
    EXPECT_NE(file("wg69i.ini").find("rearWingInstalled = 1      ; 0 for no wing"), std::string::npos);
}

TEST_F(Graphics, LimitingTheAnglesTo15MovesAndWritesALargerAngle) {
    setting("SetWingMax15", "0");
    auto& w = load();
    w.hscWingAngle[0].setValue(40);
    w.chkSetWingMax15->setChecked(true);
    EXPECT_EQ(w.hscWingAngle[0].maximum(), 15);
    EXPECT_EQ(w.hscWingAngle[0].value(), 15);
    EXPECT_NE(file("wg69i.ini").find("frontWingAngle = -15 "), std::string::npos);
    w.chkSetWingMax15->setChecked(false);
    EXPECT_EQ(w.hscWingAngle[1].maximum(), 90);
}

TEST_F(Graphics, UnreadableWingKeysDisableTheirControls) {
    gameFiles.wingsIni("yes", "", "1", "100");
    auto& w = load();
    EXPECT_FALSE(w.chkWing[0].enabled());
    EXPECT_EQ(w.chkWing[0].value(), 0);
    EXPECT_FALSE(w.hscWingAngle[0].enabled());
    EXPECT_EQ(w.hscWingAngle[0].value(), 5);
    EXPECT_EQ(w.hscWingAngle[1].value(), 15);  // clamped to the limited range
}

TEST_F(Graphics, AMissingWingFileDisablesTheTwoWingOptions) {
    std::remove(gameFiles.file("wg69i.ini").c_str());
    auto& w = load();
    EXPECT_FALSE(w.chkSetWingMax15->enabled());
    EXPECT_FALSE(w.chkAutoLoadWing4Track->enabled());
}

TEST_F(Graphics, WingsAreSavedPerTrackAndLoadedBackWritingOnlyChanges) {
    setting("SetWingMax15", "0");
    auto& w = load();
    for (auto* t : {"monza", "spa"}) w.cboLastTrack[2].addItem(t);
    w.blnUpdating = true;
    w.cboLastTrack[2].setSelectedIndex(0);
    w.blnUpdating = false;
    w.hscWingAngle[0].setValue(20);
    w.hscWingAngle[1].setValue(35);
    w.cmdSaveWing4Track->click();
    EXPECT_EQ(storedSetting("wing_monza"), "1,20,0,35");

    std::string wings = file("wg69i.ini");
    w.cmdLoadWing4Track->click();  // equal to the controls: nothing written
    EXPECT_EQ(file("wg69i.ini"), wings);

    setting("wing_spa", "0,x,1,3");
    w.chkAutoLoadWing4Track->setChecked(true);
    w.cboLastTrack[2].setSelectedIndex(1);  // the automatic load runs before the track is written
    EXPECT_EQ(w.chkWing[0].value(), 0);
    EXPECT_EQ(w.hscWingAngle[0].value(), 20);
    EXPECT_EQ(w.chkWing[1].value(), 1);
    EXPECT_EQ(w.hscWingAngle[1].value(), 3);
    EXPECT_NE(file("wg69i.ini").find("rearWingAngle = -3 "), std::string::npos);
    EXPECT_NE(file("players/Jim/pla69w.ini").find("lastTrackSelection = spa"), std::string::npos);

    setting("wing_spa", "7");  // no comma: ignored
    w.cmdLoadWing4Track->click();
    EXPECT_EQ(w.hscWingAngle[1].value(), 3);
}

}  // namespace
