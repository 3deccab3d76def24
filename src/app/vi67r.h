// frmVi67r, the vi67r track-set editor: adds tracks of a database set to the edited set
// (Add mode) or removes its events (Remove mode). Every change is written to the .67s
// file at once; the main window installs the edited set when the editor closes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/control_array.h"
#include "app/settings.h"
#include "core/tracksets/track_editor.h"
#include "ui/controls.h"

namespace gridmate::app {

class Vi67r {
public:
    static constexpr int kClientWidth = 6675;
    static constexpr int kClientHeight = 3075;

    // Edits <gamePath>\seasons\<setName>.67s. The database path is kept in `settings`;
    // the file dialog starts in `programFolder` until a database is known.
    Vi67r(const Settings& settings, std::string gamePath, std::string setName,
          std::string programFolder);
    Vi67r(const Vi67r&) = delete;
    Vi67r& operator=(const Vi67r&) = delete;

    ui::Window& form() { return form_; }

    void Form_Load();
    void optAction_Click(int16_t Index);
    void LoadDatabaseTracks();
    void LoadTrackSetTracks();
    void FilterTracks(const std::string& h);
    bool blnSelectDatabase();
    void AddTrack();
    void RemoveTrack();
    void txtHint_Change();
    void cmdPath_Click();
    void cmdOperation_Click();
    void cmdClose_Click();

    std::string strTrackSetFile;
    std::string strDatabaseFile;
    std::vector<TrackRecord> Tracks;
    std::vector<int32_t> RowToTrack;  // Add mode: the record behind each row
    bool blnUpdating = false;

    ControlArray<ui::OptionButton, 2> optAction;
    ui::ListBox* lstTracks = nullptr;
    ui::Label* lblHint = nullptr;
    ui::TextBox* txtHint = nullptr;
    ui::Button* cmdOperation = nullptr;
    ui::TextBox* txtPath = nullptr;
    ui::Button* cmdPath = nullptr;
    ui::Button* cmdClose = nullptr;

private:
    void createControls();
    void connectEvents();
    void enterAddMode();
    void enterRemoveMode();
    void showRows(const std::vector<int32_t>& rows);

    ui::Window form_;
    const Settings& settings_;
    std::string gamePath_;
    std::string setName_;
    std::string programFolder_;
};

}  // namespace gridmate::app
