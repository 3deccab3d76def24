// The main window as a controller over the control model: its controls, the load and
// close sequences, the options toggle and the game folder. Player, track-set, graphics
// and launcher operations live in their own pitboard_*.cpp files.
#pragma once

#include <cstdint>
#include <future>
#include <string>
#include <vector>

#include "app/control_array.h"
#include "app/modal_host.h"
#include "app/settings.h"
#include "core/game/rasterizers.h"
#include "ui/controls.h"

namespace gridmate::app {

constexpr int kCollapsedWidth = 4545;
constexpr int kExpandedWidth = 8070;
constexpr int kWindowHeight = 5175;
constexpr int kWidthStep = 100;
constexpr int kLauncherCount = 8;

class Pitboard {
public:
    explicit Pitboard(const Settings& settings);
    Pitboard(const Pitboard&) = delete;
    Pitboard& operator=(const Pitboard&) = delete;

    ui::Window& form() { return form_; }
    const Settings& settings() const { return settings_; }

    // The load sequence. False when no game folder is known and the user cancelled the
    // folder dialog: the program ends without showing the window or writing anything.
    bool Form_Load();
    void ReloadGPLFolder();
    void Form_QueryUnload();

    void cmdDetail_Click();
    void cmdExit_Click();
    void chkSaveLastPlayer_Click();
    bool blnSelectGPLPath();
    void cmdPath_Click();
    void txtGPLPath_GotFocus();
    void optSeason_Click();

    // Players and their season files.
    bool blnLoadPlayers();
    void cboPlayer_Click();
    void SelectLastTracks();
    void cboHelmet_Click(int16_t Index);
    void cboTeam_Click(int16_t Index);
    void cboLastTrack_Click(int16_t Index);
    void chkCopyDefaultSetup_Click();
    int32_t lngSetHelmet(int16_t Index, int32_t lngHelmet);
    int32_t lngSetTeam(int16_t Index, int32_t lngTeam);
    int32_t lngSetDetailBias(int16_t Index, int32_t lngDetailBias);
    int32_t lngGetDetailBias(int16_t Index);
    int32_t lngSetLastPlayer(const std::string& vstrLastPlayer);

    // Detail bias, rasterizers, full screen and the steering override.
    void hscDetail_Change();
    void RefreshPlayerGraphics();
    void GetRasterizers();
    std::string strGetLastRast();
    int32_t lngSetRasterizer(const std::string& vstrRastFilename);
    void cboRast_Click();
    void chkForceFullscreen4NonD3D_Click();
    void chkSaveRasterizer_Click();
    bool LoadGraphicsOptions();
    void chkSteerHack_Click();

    // The 1969 wings.
    int32_t lngSetWingAngle(int16_t Index, int32_t lngAngle);
    int32_t lngSetWing(int16_t Index, int32_t lngInstalled);
    bool blnGetWings();
    void hscWingAngle_Change(int16_t Index);
    void chkWing_Click(int16_t Index);
    void chkSetWingMax15_Click();
    void cmdSaveWing4Track_Click();
    void cmdLoadWing4Track_Click();

    // Starting the game, joining a network game, and the eight launcher buttons.
    void LaunchGPL(int16_t Index);
    void chkJoin_Click();
    void cmdPasteIP_Click();
    void txtIP_GotFocus();
    void cmdLaunch_Click(int16_t Index);
    void cmdLaunch_MouseUp(int16_t Index, ui::MouseButton button, int shift);
    void LaunchFile(const std::string& path);
    std::string strSelectLauncherFile(int16_t Index, const std::string& start);
    void SetLauncherIcon(int16_t Index, const std::string& path);
    std::string strFindExecutable(const std::string& path);
    bool SetIconFromFile(int16_t Index, const std::string& program);
    void restoreLaunchers();

    // Track sets (pitboard_tracksets.cpp): listing, installing, saving, deleting, editor.
    bool GetTrackSets();
    void GetSeasonTracks();
    void cboTrackSets_Click();
    bool ApplyTrackSet(const std::string& strName);
    bool ChangeTrackSet(const std::string& strName);
    void cmdSaveTrackset_Click();
    void cmdDelTrackset_Click();
    void cmd67s_Click();
    // 67season.ini's checksum when a set was last installed or found equal to it.
    std::string strSeasonCRC;
    // Shows the save dialog and the editor; while null they cannot open.
    ModalHost* modalHost = nullptr;

    // The season whose option is selected and enabled, first in index order; -1 if none.
    int16_t currentSeason() const;
    bool collapsed() const { return form_.width() == kCollapsedWidth; }
    // The selected player's folder name, or "" when no player is selected.
    std::string selectedPlayer() const;
    // The folder of the program itself (where tarmac.ini and "myset" lie).
    std::string programFolder() const;
    int32_t PlayerCount() const { return static_cast<int32_t>(Players.size()); }

    // State shared by the window's operations.
    bool blnUpdating = false;
    std::string strGPLPath;
    std::vector<std::string> Players;  // index-aligned with cboPlayer
    std::vector<RastEntry> RastList;   // index-aligned with cboRast
    int32_t lngRastType = 0;

private:
    ui::Window form_;
    const Settings& settings_;

    void createControls();
    void connectEvents();
    void restoreWindowPosition();
    void showPlayerSeason(int16_t season);
    void fallBackToAvailableSeason();
    void copyDefaultSetups(const std::string& track);
    void showDetailBias(int16_t season);
    void applyFullScreenRule();
    void readRasterizersAhead();

    // Rasterizer discovery maps every DLL of the game folder: it runs on a worker thread
    // from the moment the folder is known, and the load takes its result where it
    // fills the list. Only files are read there; the window is not touched.
    std::future<std::vector<RastEntry>> rasterizersAhead_;
    std::string rasterizersAheadFolder_;

public:
    // The controls, named as the window knows them, created in tab order (top to
    // bottom) by createControls and owned by the form.
    ui::TextBox* txtGPLPath = nullptr;
    ui::Button* cmdPath = nullptr;
    ui::ComboBox* cboPlayer = nullptr;
    ui::Button* cmdDetail = nullptr;
    ui::Frame* Frame1 = nullptr;
    ControlArray<ui::OptionButton, 3> optSeason;
    ControlArray<ui::Frame, 3> fraSeason;
    ControlArray<ui::Label, 3> lblPlayer;
    ControlArray<ui::Label, 3> Label4;
    ControlArray<ui::Label, 3> Label5;
    ControlArray<ui::Label, 4> Label6;
    ControlArray<ui::ComboBox, 3> cboHelmet;
    ControlArray<ui::ComboBox, 3> cboTeam;
    ControlArray<ui::ComboBox, 3> cboLastTrack;
    ControlArray<ui::Button, 3> cmdGPL;
    ControlArray<ui::CheckBox, 2> chkWing;
    ControlArray<ui::ScrollBar, 2> hscWingAngle;
    ControlArray<ui::Label, 2> lblWingAngle;
    ui::Button* cmdSaveWing4Track = nullptr;
    ui::Button* cmdLoadWing4Track = nullptr;
    ui::CheckBox* chkSteerHack = nullptr;
    ui::Label* Label1 = nullptr;
    ui::ComboBox* cboTrackSets = nullptr;
    ui::Button* cmdSaveTrackset = nullptr;
    ui::Button* cmdDelTrackset = nullptr;
    ui::Button* cmd67s = nullptr;
    ui::CheckBox* chkJoin = nullptr;
    ui::TextBox* txtIP = nullptr;
    ui::Button* cmdPasteIP = nullptr;
    ControlArray<ui::Button, kLauncherCount> cmdLaunch;
    ui::Button* cmdExit = nullptr;
    ui::Frame* fraGPLOptions = nullptr;
    ui::ComboBox* cboRast = nullptr;
    ui::CheckBox* chkFullScreen = nullptr;
    ui::CheckBox* chkSaveRasterizer = nullptr;
    ui::ScrollBar* hscDetail = nullptr;
    ui::Label* lblDetail = nullptr;
    ui::Frame* fraTarmacOptions = nullptr;
    ui::CheckBox* chkSaveWindowPosition = nullptr;
    ui::CheckBox* chkCopyDefaultSetup = nullptr;
    ui::CheckBox* chkSaveLastPlayer = nullptr;
    ui::CheckBox* chkForceFullscreen4NonD3D = nullptr;
    ui::CheckBox* chkSetWingMax15 = nullptr;
    ui::CheckBox* chkAutoLoadWing4Track = nullptr;
    ui::PictureBox* picTemp = nullptr;
};

}  // namespace gridmate::app
