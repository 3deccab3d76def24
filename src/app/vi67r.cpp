#include "app/vi67r.h"
#include "app/message.h"
#include "app/wait_cursor.h"

#include <initializer_list>
#include <optional>

#include "core/tracksets/track_filter.h"
#include "core/tracksets/track_sets.h"
#include "platform/platform.h"

namespace gridmate::app {

namespace {

constexpr const char* kDatabaseSetting = "67s";


std::string rowText(const TrackRecord& record) {
    return strFormatTrackLine(record.name, record.shortname, record.trackDirectory);
}

}  // namespace

Vi67r::Vi67r(const Settings& settings, std::string gamePath, std::string setName,
             std::string programFolder)
    : form_("frmVi67r"),
      settings_(settings),
      gamePath_(std::move(gamePath)),
      setName_(std::move(setName)),
      programFolder_(std::move(programFolder)) {
    createControls();
    connectEvents();
}

void Vi67r::Form_Load() {
    strTrackSetFile = trackSetFile(gamePath_, setName_);
    form_.setCaption("vi67r - " + strTrackSetFile);
    optAction[0].setSelected(true);
}

void Vi67r::optAction_Click(int16_t Index) {
    if (Index == 0) enterAddMode();
    if (Index == 1) enterRemoveMode();
}

void Vi67r::enterAddMode() {
    // Read again on every entry: the path may have been chosen in another editor window
    // since this one opened. A stored file that has gone is not taken.
    std::string stored = settings_.strGetSetting(kDatabaseSetting);
    if (!stored.empty() && platform::fs().isFile(stored)) strDatabaseFile = stored;
    txtPath->setText(strDatabaseFile);
    blnUpdating = true;
    txtHint->setText("");
    blnUpdating = false;
    if (strDatabaseFile.empty()) {
        txtPath->setText("select 67s file as database");
        lstTracks->clear();
        Tracks.clear();
        RowToTrack.clear();
    } else {
        LoadDatabaseTracks();
    }
    for (ui::Control* c : std::initializer_list<ui::Control*>{lblHint, txtHint, txtPath, cmdPath})
        c->setVisible(true);
    cmdOperation->setCaption("&Add to TrackSet");
    lstTracks->setToolTip("These tracks are not included in selected 67s TrackSet");
}

void Vi67r::enterRemoveMode() {
    LoadTrackSetTracks();
    for (ui::Control* c : std::initializer_list<ui::Control*>{lblHint, txtHint, txtPath, cmdPath})
        c->setVisible(false);
    cmdOperation->setCaption("&Remove from TrackSet");
    lstTracks->setToolTip("selected 67s TrackSet loaded.");
}

void Vi67r::showRows(const std::vector<int32_t>& rows) {
    lstTracks->clear();
    RowToTrack = rows;
    for (int32_t k : RowToTrack) lstTracks->addItem(rowText(Tracks[static_cast<size_t>(k)]));
}

void Vi67r::LoadDatabaseTracks() {
    DatabaseTracks loaded;
    {
        WaitCursor busy;
        lstTracks->clear();
        Tracks.clear();
        RowToTrack.clear();
        loaded = loadDatabaseTracks(gamePath_, strTrackSetFile, strDatabaseFile);
        Tracks = std::move(loaded.tracks);
        std::vector<int32_t> rows(Tracks.size());
        for (size_t k = 0; k < rows.size(); ++k) rows[k] = static_cast<int32_t>(k);
        showRows(rows);
    }
    if (loaded.outcome == DatabaseTracks::Outcome::DatabaseHasNoCount)
        tell("numEvents of 67s error");
}

void Vi67r::LoadTrackSetTracks() {
    bool listed;
    {
        WaitCursor busy;
        lstTracks->clear();
        RowToTrack.clear();
        listed = loadTrackSetTracks(strTrackSetFile, Tracks);
        for (const TrackRecord& record : Tracks) lstTracks->addItem(rowText(record));
    }
    if (!listed) tell("numEvents of 67s error");
}

void Vi67r::FilterTracks(const std::string& h) {
    WaitCursor busy;
    std::optional<std::vector<int>> rows = filterTracks(Tracks, h);
    if (rows) showRows(std::vector<int32_t>(rows->begin(), rows->end()));
}

bool Vi67r::blnSelectDatabase() {
    platform::OpenFileRequest request;
    request.title = "Select 67s TrackSet";
    request.filterDescription = "67s (*.67s)";
    request.filterPattern = "*.67S";
    request.initialFolder = strDatabaseFile.empty() ? programFolder_ : strDatabaseFile;
    request.hideReadOnly = true;
    std::optional<std::string> picked = platform::ui().openFile(request);
    if (!picked) return false;
    strDatabaseFile = *picked;
    settings_.SetSetting(kDatabaseSetting, strDatabaseFile);
    txtPath->setText(strDatabaseFile);
    return true;
}

void Vi67r::AddTrack() {
    int row = lstTracks->selectedIndex();
    if (row < 0 || row >= static_cast<int>(RowToTrack.size())) return;
    TrackRecord record = Tracks[static_cast<size_t>(RowToTrack[static_cast<size_t>(row)])];
    EditResult result = addTrack(strTrackSetFile, strDatabaseFile, record);
    if (result == EditResult::NoCount) return;
    if (result == EditResult::WriteFailed) tell("could not write " + strTrackSetFile);
    lstTracks->setVisible(false);
    LoadDatabaseTracks();
    FilterTracks(txtHint->text());
    lstTracks->setVisible(true);
}

void Vi67r::RemoveTrack() {
    int row = lstTracks->selectedIndex();
    if (row < 0 || row >= static_cast<int>(Tracks.size())) return;
    EditResult result = removeTrack(strTrackSetFile, row);
    if (result == EditResult::NoCount) return;
    if (result == EditResult::WriteFailed) {
        tell("could not write " + strTrackSetFile);
        LoadTrackSetTracks();  // show what the file holds now
        return;
    }
    lstTracks->removeItem(row);
    Tracks.erase(Tracks.begin() + row);
    // Each later row moved up with its event, so it names the event one lower now.
    for (size_t k = static_cast<size_t>(row); k < Tracks.size(); ++k) --Tracks[k].event;
}

void Vi67r::txtHint_Change() {
    if (!blnUpdating) FilterTracks(txtHint->text());
}

void Vi67r::cmdPath_Click() {
    if (blnSelectDatabase()) LoadDatabaseTracks();
}

void Vi67r::cmdOperation_Click() {
    if (lstTracks->selectedIndex() < 0) return;
    if (optAction[0].selected())
        AddTrack();
    else
        RemoveTrack();
}

void Vi67r::cmdClose_Click() { form_.close(); }

}  // namespace gridmate::app
