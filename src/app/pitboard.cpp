#include "app/pitboard.h"

#include "app/startup.h"
#include "core/game/player_lists.h"
#include "core/game/seasons.h"

namespace gridmate::app {

Pitboard::Pitboard(const Settings& settings) : form_("Pitboard"), settings_(settings) {
    createControls();
    connectEvents();
}

void Pitboard::connectEvents() {
    form_.onClosing = [this] { Form_QueryUnload(); };
    cmdExit->onClick = [this] { cmdExit_Click(); };
    cmdDetail->onClick = [this] { cmdDetail_Click(); };
    cmdPath->onClick = [this] { cmdPath_Click(); };
    txtGPLPath->onGotFocus = [this] { txtGPLPath_GotFocus(); };
    chkSaveLastPlayer->onClick = [this] { chkSaveLastPlayer_Click(); };
    cboPlayer->onClick = [this] { cboPlayer_Click(); };
    for (int16_t i = 0; i < kSeasonCount; ++i) {
        optSeason[i].onClick = [this] { optSeason_Click(); };
        cboHelmet[i].onClick = [this, i] { cboHelmet_Click(i); };
        cboTeam[i].onClick = [this, i] { cboTeam_Click(i); };
        cboLastTrack[i].onClick = [this, i] { cboLastTrack_Click(i); };
    }
    chkCopyDefaultSetup->onClick = [this] { chkCopyDefaultSetup_Click(); };
    hscDetail->onChange = [this] { hscDetail_Change(); };
    cboRast->onClick = [this] { cboRast_Click(); };
    chkForceFullscreen4NonD3D->onClick = [this] { chkForceFullscreen4NonD3D_Click(); };
    chkSaveRasterizer->onClick = [this] { chkSaveRasterizer_Click(); };
    chkSteerHack->onClick = [this] { chkSteerHack_Click(); };
    for (int16_t i = 0; i < 2; ++i) {
        chkWing[i].onClick = [this, i] { chkWing_Click(i); };
        hscWingAngle[i].onChange = [this, i] { hscWingAngle_Change(i); };
    }
    chkSetWingMax15->onClick = [this] { chkSetWingMax15_Click(); };
    cmdSaveWing4Track->onClick = [this] { cmdSaveWing4Track_Click(); };
    cmdLoadWing4Track->onClick = [this] { cmdLoadWing4Track_Click(); };
    for (int16_t i = 0; i < kSeasonCount; ++i) cmdGPL[i].onClick = [this, i] { LaunchGPL(i); };
    chkJoin->onClick = [this] { chkJoin_Click(); };
    cmdPasteIP->onClick = [this] { cmdPasteIP_Click(); };
    txtIP->onGotFocus = [this] { txtIP_GotFocus(); };
    for (int16_t n = 0; n < kLauncherCount; ++n) {
        cmdLaunch[n].onClick = [this, n] { cmdLaunch_Click(n); };
        cmdLaunch[n].onMouseUp = [this, n](ui::MouseButton button, int shift) {
            cmdLaunch_MouseUp(n, button, shift);
        };
    }
    cboTrackSets->onClick = [this] { cboTrackSets_Click(); };
    cmdSaveTrackset->onClick = [this] { cmdSaveTrackset_Click(); };
    cmdDelTrackset->onClick = [this] { cmdDelTrackset_Click(); };
    cmd67s->onClick = [this] { cmd67s_Click(); };
}

int16_t Pitboard::currentSeason() const {
    for (int16_t i = 0; i < kSeasonCount; ++i)
        if (optSeason[i].selected() && optSeason[i].enabled()) return i;
    return -1;
}

// The season switch: only the current season's panel is visible, and the detail-bias
// slider follows the season's player file unless the options are out of sight.
void Pitboard::optSeason_Click() {
    bool remembered = blnUpdating;
    int16_t current = currentSeason();
    if (current >= 0)
        for (int i = 0; i < kSeasonCount; ++i) fraSeason[i].setVisible(i == current);
    if (collapsed()) return;
    blnUpdating = true;
    if (current >= 0) showDetailBias(current);
    blnUpdating = remembered;
}

bool Pitboard::Form_Load() {
    blnUpdating = true;
    cmdDetail->setCaption(">>>");
    form_.setSize(kCollapsedWidth, kWindowHeight);
    fraSeason[0].setPosition(60, 840);
    for (int i = 1; i < kSeasonCount; ++i)
        fraSeason[i].setPosition(fraSeason[0].geometry().left, fraSeason[0].geometry().top);
    cboPlayer->setToolTip("changes will NOT be saved to app.ini");
    for (int i = 0; i < kSeasonCount; ++i) {
        for (const char* colour : helmetColours()) cboHelmet[i].addItem(colour);
        for (const char* team : teams(int16_t(i))) cboTeam[i].addItem(team);
    }
    chkJoin->setValue(0);
    txtIP->setEnabled(false);
    txtIP->setBackColor(ui::SystemColor::ButtonFace);
    cmdPasteIP->setEnabled(false);
    form_.setCaption(strAppCaption());

    strGPLPath = settings_.strGetSetting("path");
    if (strGPLPath.empty() && !blnSelectGPLPath()) return false;
    readRasterizersAhead();

    std::string mod = settings_.strGetSetting("mod");
    int16_t chosen = 0;
    for (const Season& s : seasons())
        if (mod == s.code) chosen = s.index;
    optSeason[chosen].setSelected(true);

    chkCopyDefaultSetup->setChecked(settings_.strGetSetting("CopyDefaultSetup") == "1");
    chkSaveLastPlayer->setChecked(settings_.strGetSetting("SaveLastPlayer") == "1");
    if (settings_.strGetSetting("showoption") == "1") cmdDetail_Click();
    restoreWindowPosition();
    chkSaveRasterizer->setChecked(settings_.strGetSetting("SaveLastRast") == "1");
    std::string force = settings_.strGetSetting("ForceFullScreen4NonD3D");
    chkForceFullscreen4NonD3D->setChecked(force == "1" || force.empty());
    std::string max15 = settings_.strGetSetting("SetWingMax15");
    bool limit = max15 == "1" || max15.empty();
    chkSetWingMax15->setChecked(limit);
    for (int i = 0; i < 2; ++i) hscWingAngle[i].setMaximum(limit ? 15 : 90);
    chkAutoLoadWing4Track->setChecked(settings_.strGetSetting("AutoLoadWing4Track") == "1");

    restoreLaunchers();

    ReloadGPLFolder();
    blnUpdating = false;
    return true;
}

void Pitboard::ReloadGPLFolder() {
    blnUpdating = true;
    GetTrackSets();
    blnLoadPlayers();
    LoadGraphicsOptions();
    txtGPLPath->setText(strGPLPath);
    if (chkAutoLoadWing4Track->checked() && optSeason[2].selected()) cmdLoadWing4Track_Click();
    blnUpdating = false;
}

void Pitboard::cmdDetail_Click() {
    if (form_.width() == kCollapsedWidth) {
        fraGPLOptions->setEnabled(true);
        fraTarmacOptions->setEnabled(true);
        for (int w = kCollapsedWidth; w <= kExpandedWidth - 25; w += kWidthStep) form_.setWidth(w);
        form_.setWidth(kExpandedWidth);
        cmdDetail->setCaption("<<<");
    } else {
        fraGPLOptions->setEnabled(false);
        fraTarmacOptions->setEnabled(false);
        for (int w = kExpandedWidth; w >= kCollapsedWidth + 25; w -= kWidthStep) form_.setWidth(w);
        form_.setWidth(kCollapsedWidth);
        cmdDetail->setCaption(">>>");
    }
}

void Pitboard::cmdExit_Click() { form_.close(); }

void Pitboard::chkSaveLastPlayer_Click() {
    cboPlayer->setToolTip(chkSaveLastPlayer->checked()
                              ? "changes will be saved to app.ini when exiting Gridmate"
                              : "changes will NOT be saved to app.ini");
}

}  // namespace gridmate::app
