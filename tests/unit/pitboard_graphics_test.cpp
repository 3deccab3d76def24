// Detail bias, rasterizers with the full-screen rule, the steering override and wings.
#include <gtest/gtest.h>

#include <filesystem>

#include <cstdio>

#include "core/ini/line_layout.h"
#include "support/app_fixture.h"
#include "support/user_requests.h"

using namespace gridmate;
using namespace gridmate::test;

namespace {

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
        versions.privateBuild["rend_ogl.dll"] = "type=rasterizer\r\ndisplayname=OpenGL\r\n";
        versions.privateBuild["rend_d3d.dll"] = "type=rasterizer\r\ndisplayname=Direct3D7\r\n";
        versions.privateBuild["sound.dll"] = "type=sound\r\n\r\n";
    }
    int rastIndex(const char* fileName) {
        for (size_t i = 0; i < window().RastList.size(); ++i)
            if (window().RastList[i].FileName == fileName) return int(i);
        return -1;
    }
    // The line of `key` with `value` is in the game file `name`, ended as the file ends it.
    void expectLine(const char* name, GameKey key, const std::string& value) {
        EXPECT_NE(gameBytes(name).find(composeLine(key, value) + "\r\n"), std::string::npos)
            << name << ": " << composeLine(key, value);
    }
};

TEST_F(Graphics, LoadShowsTheStoredValuesAndWritesNothing) {
    setting("mod", "69");
    setting("SaveLastRast", "1");
    const char* files[] = {"app.ini", "core.ini", "wg69i.ini", "players/Jim/pla69w.ini"};
    Texts before;
    for (auto* f : files) before.push_back(gameBytes(f));
    // Read-only files make a write of the same bytes show too: it is refused with a
    // message.
    for (auto* f : files)
        std::filesystem::permissions(gameFiles.file(f), std::filesystem::perms::owner_read,
                                     std::filesystem::perm_options::replace);
    auto& w = load();
    ASSERT_EQ(ui.messages.size(), 1u);  // this game has no track sets
    EXPECT_EQ(ui.messages[0].text, "could not found seasons folder");
    EXPECT_EQ(w.hscDetail->value(), 4);  // 80
    EXPECT_EQ(w.lblDetail->caption(), "Detail Bias: 80 %");
    ASSERT_EQ(w.RastList.size(), 2u);
    EXPECT_EQ(w.cboRast->selectedIndex(), rastIndex("rend_d3d.dll"));
    EXPECT_EQ(w.cboRast->item(rastIndex("rend_ogl.dll")), "OpenGL (rend_ogl.dll)");
    EXPECT_EQ(w.lngRastType, 4);
    EXPECT_TRUE(w.chkFullScreen->enabled());
    EXPECT_EQ(w.chkFullScreen->value(), 0);  // as core.ini has it
    EXPECT_EQ(w.chkSteerHack->value(), 1);
    EXPECT_EQ(w.chkWing[0].value(), 1);
    EXPECT_EQ(w.hscWingAngle[0].value(), 12);  // stored negated
    EXPECT_EQ(w.lblWingAngle[0].caption(), "12");
    EXPECT_EQ(w.hscWingAngle[1].value(), 8);
    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(gameBytes(files[i]), before[i]) << files[i];
    // A season switch shows that season's bias.
    w.optSeason[1].setSelected(true);
    EXPECT_EQ(w.hscDetail->value(), 3);
    EXPECT_EQ(w.lblDetail->caption(), "Detail Bias: 60 %");
}

TEST_F(Graphics, ABiasThatIsNotANumberShowsFullDetail) {
    PlayerSeason s;
    s.detailBias = "far";
    gameFiles.player("Jim", 0, s);
    auto& w = load();
    EXPECT_EQ(w.hscDetail->value(), 5);
    EXPECT_EQ(w.lblDetail->caption(), "Detail Bias: 100 %");
}

// Each control writes its own line: the slider into the current season's file only, the
// steering box into core.ini, the wings into wg69i.ini.
TEST_F(Graphics, EachControlWritesOnlyItsOwnLine) {
    setting("mod", "65");
    setting("SetWingMax15", "0");
    auto& w = load();
    std::string p67 = gameBytes("players/Jim/player.ini");
    w.hscDetail->setValue(1);
    expectLine("players/Jim/plac65.ini", GameKey::DetailBias, "20");
    EXPECT_EQ(gameBytes("players/Jim/player.ini"), p67);
    w.chkSteerHack->setChecked(false);
    EXPECT_NE(gameBytes("core.ini").find("steer_ratio = 0" + std::string(29, ' ') +
                                         "; Enable low speed ratio override\r\n"),
              std::string::npos);
    w.hscWingAngle[0].setValue(25);
    w.hscWingAngle[1].setValue(0);
    w.chkWing[1].setChecked(true);
    EXPECT_EQ(gameBytes("wg69i.ini"),
              "[Wings]\r\nfrontWingInstalled = 1     ; 0 for no wing, angle ignored\r\n"
              "frontWingAngle = -25        ; 0 or less\r\n"
              "rearWingInstalled = 1      ; 0 for no wing, angle ignored\r\n"
              "rearWingAngle = -0          ; 0 or less\r\n");
}

TEST_F(Graphics, ACollapsedSeasonSwitchLeavesTheSliderAlone) {
    setting("showoption", "0");
    auto& w = load();
    int before = w.hscDetail->value();
    w.optSeason[2].setSelected(true);
    EXPECT_TRUE(w.fraSeason[2].visible());
    EXPECT_EQ(w.hscDetail->value(), before);
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
    std::string app = gameBytes("app.ini");
    w.cboRast->setSelectedIndex(rastIndex("rend_ogl.dll"));
    EXPECT_EQ(gameBytes("app.ini"), app);
    w.chkSaveRasterizer->setChecked(true);  // writes the current choice at once
    expectLine("app.ini", GameKey::LastRasterizerDLL, "rend_ogl.dll");
    w.cboRast->setSelectedIndex(rastIndex("rend_d3d.dll"));
    expectLine("app.ini", GameKey::LastRasterizerDLL, "rend_d3d.dll");
    std::string now = gameBytes("app.ini");
    w.chkSaveRasterizer->setChecked(false);
    EXPECT_EQ(gameBytes("app.ini"), now);
}

TEST_F(Graphics, AMissingAppIniEmptiesThePlayersAndDisablesTheRasterizers) {
    std::remove(gameFiles.file("app.ini").c_str());
    auto& w = load();
    EXPECT_EQ(w.cboPlayer->count(), 0);
    EXPECT_FALSE(w.cboRast->enabled());
    EXPECT_EQ(w.cboRast->selectedIndex(), -1);
    EXPECT_EQ(boxes(ui), (Texts{"Gridmate | Exclamation Ok | could not found seasons folder",
                                "Gridmate | Critical Ok | could not found app.ini",
                                "Gridmate 1.0.9 error | Critical Ok | app.ini not found in your "
                                "gpl folder."}));
}

// Without core.ini the steering box is off and writes nothing; without wg69i.ini the two
// wing options are off.
TEST_F(Graphics, MissingCoreOrWingFilesDisableTheirControls) {
    std::remove(gameFiles.file("core.ini").c_str());
    std::remove(gameFiles.file("wg69i.ini").c_str());
    auto& w = load();
    EXPECT_FALSE(w.chkSteerHack->enabled());
    w.chkSteerHack->setChecked(true);
    EXPECT_EQ(gameBytes("core.ini"), "<missing>");
    EXPECT_FALSE(w.chkSetWingMax15->enabled());
    EXPECT_FALSE(w.chkAutoLoadWing4Track->enabled());
}

TEST_F(Graphics, LimitingTheAnglesTo15MovesAndWritesALargerAngle) {
    setting("SetWingMax15", "0");
    auto& w = load();
    w.hscWingAngle[0].setValue(40);
    w.chkSetWingMax15->setChecked(true);
    EXPECT_EQ(w.hscWingAngle[0].maximum(), 15);
    EXPECT_EQ(w.hscWingAngle[0].value(), 15);
    expectLine("wg69i.ini", GameKey::FrontWingAngle, "15");
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

    std::string wings = gameBytes("wg69i.ini");
    w.cmdLoadWing4Track->click();  // equal to the controls: nothing written
    EXPECT_EQ(gameBytes("wg69i.ini"), wings);

    setting("wing_spa", "0,x,1,3");
    w.chkAutoLoadWing4Track->setChecked(true);
    w.cboLastTrack[2].setSelectedIndex(1);  // the automatic load runs before the track is written
    EXPECT_EQ(w.chkWing[0].value(), 0);
    EXPECT_EQ(w.hscWingAngle[0].value(), 20);
    EXPECT_EQ(w.chkWing[1].value(), 1);
    EXPECT_EQ(w.hscWingAngle[1].value(), 3);
    expectLine("wg69i.ini", GameKey::RearWingAngle, "3");
    expectLine("players/Jim/pla69w.ini", GameKey::LastTrackSelection, "spa");

    setting("wing_spa", "7");  // no comma: ignored
    w.cmdLoadWing4Track->click();
    EXPECT_EQ(w.hscWingAngle[1].value(), 3);
}

}  // namespace
