// The track-set row of the main window: the list of .67s sets (choosing one installs
// it as 67season.ini), saving the installed schedule as a set, deleting a set, and the
// vi67r editor. The last-track lists follow the installed schedule.
#include <optional>

#include "app/pitboard.h"
#include "app/message.h"
#include "app/save_dialog.h"
#include "app/vi67r.h"
#include "core/game/game_folder.h"
#include "core/game/seasons.h"
#include "core/tracksets/crc16.h"
#include "core/tracksets/track_sets.h"
#include "platform/paths.h"
#include "platform/platform.h"

namespace gridmate::app {

namespace {


std::string failure(const platform::IoError& error) {
    return std::to_string(error.code) + ": " + error.description;
}

// A schedule's bytes ("" when missing), or nullopt (reported) when it is there but
// cannot be read; such a file matches nothing.
std::optional<std::string> scheduleBytes(const std::string& path) {
    platform::IoError error;
    std::optional<std::string> bytes = checkedBytes(path, error);
    if (!bytes) tell("could not read " + path + "\r\n" + failure(error), platform::Icon::Exclamation);
    return bytes;
}

}  // namespace

bool Pitboard::GetTrackSets() {
    auto& fs = platform::fs();
    const std::string seasons = seasonsFolder(strGPLPath);
    int match = -1;
    bool found = fs.isFolder(seasons);
    if (!found) {
        tell("could not found seasons folder", platform::Icon::Exclamation);
        cboTrackSets->clear();
    } else {
        std::optional<std::string> installed = scheduleBytes(installedScheduleFile(strGPLPath));
        cboTrackSets->clear();
        for (const platform::FileEntry& file : fs.listFileEntries(seasons)) {
            std::optional<std::string> name = trackSetName(file.name);
            if (!name) continue;
            cboTrackSets->addItem(*name);
            // Only a set of the schedule's own size can hold its bytes: the others are not
            // even opened.
            if (!installed || (file.size && *file.size != installed->size())) continue;
            std::optional<std::string> bytes = scheduleBytes(platform::joinPath(seasons, file.name));
            // The last equal set in listing order wins.
            if (bytes && *bytes == *installed) {
                strSeasonCRC = contentCRC(*installed);
                match = cboTrackSets->count() - 1;
            }
        }
    }
    cboTrackSets->setSelectedIndex(match);
    GetSeasonTracks();
    return found;
}

void Pitboard::GetSeasonTracks() {
    for (int i = 0; i < kSeasonCount; ++i) cboLastTrack[i].clear();
    for (const std::string& track : installedSeasonTracks(strGPLPath))
        for (int i = 0; i < kSeasonCount; ++i) cboLastTrack[i].addItem(track);
    SelectLastTracks();
}

void Pitboard::cboTrackSets_Click() {
    if (blnUpdating || cboTrackSets->selectedIndex() < 0) return;
    const std::string installed = installedScheduleFile(strGPLPath);
    if (GetFileCRC(installed) != strSeasonCRC) {
        platform::MessageBoxRequest box;
        box.text = "Current 67season.ini might be changed or was not saved as 67s file. continue ?";
        box.title = "Gridmate - changing trackset";
        box.icon = platform::Icon::Exclamation;
        box.buttons = platform::Buttons::YesNo;
        box.defaultButton = 1;
        if (platform::ui().messageBox(box) != platform::Answer::Yes) {
            blnUpdating = true;
            cboTrackSets->setSelectedIndex(-1);
            blnUpdating = false;
            return;
        }
    }
    if (!ApplyTrackSet(cboTrackSets->selectedItem())) {
        blnUpdating = true;
        cboTrackSets->setSelectedIndex(-1);
        for (int i = 0; i < kSeasonCount; ++i) cboLastTrack[i].clear();
        blnUpdating = false;
        return;
    }
    GetSeasonTracks();
    strSeasonCRC = GetFileCRC(installed);
}

bool Pitboard::ApplyTrackSet(const std::string& strName) {
    const std::string refused = strName + "could not apply trackset(" + strName + ".67s ";
    switch (checkTrackSet(trackSetFile(strGPLPath, strName))) {
        case InstallCheck::Missing:
            tell(strName + ".67s not found.", platform::Icon::Exclamation);
            return false;
        case InstallCheck::NoNumEvents:
            tell(refused + "has no numevents).", platform::Icon::Exclamation);
            return false;
        case InstallCheck::TooManyEvents:
            tell(refused + "has over 64 tracks).", platform::Icon::Exclamation);
            return false;
        case InstallCheck::Ready:
            break;
    }
    return ChangeTrackSet(strName);
}

bool Pitboard::ChangeTrackSet(const std::string& strName) {
    // An atomic copy: when it fails, the installed schedule is the one it was.
    platform::IoError error;
    if (platform::fs().copyFile(trackSetFile(strGPLPath, strName),
                                installedScheduleFile(strGPLPath), error))
        return true;
    tell("ChangeTrackSet()\tError on copying over " + strName + ".67s to 67seasons.ini\r\n" +
             error.description + "(" + std::to_string(error.code) + ")",
         platform::Icon::Critical);
    return false;
}

void Pitboard::cmdSaveTrackset_Click() {
    if (!modalHost) return;
    SaveDialog dlgSave(strGPLPath);
    std::string saved =
        dlgSave.SaveTrackSet(*modalHost, cboTrackSets->items(), cboTrackSets->selectedIndex());
    if (saved.empty()) return;
    blnUpdating = true;
    GetTrackSets();
    blnUpdating = false;
}

void Pitboard::cmdDelTrackset_Click() {
    if (cboTrackSets->selectedIndex() < 0) return;
    const std::string name = cboTrackSets->selectedItem();
    platform::IoError error;
    if (!platform::fs().deleteFile(trackSetFile(strGPLPath, name), error))
        tell("could not delete " + name + ".67s\r\n" + failure(error),
             platform::Icon::Exclamation);
    blnUpdating = true;
    GetTrackSets();
    blnUpdating = false;
    // Whatever the listing found, the next choice of a set asks before overwriting.
    strSeasonCRC.clear();
}

void Pitboard::cmd67s_Click() {
    const int position = cboTrackSets->selectedIndex();
    if (position < 0 || !modalHost) return;
    {
        Vi67r editor(settings_, strGPLPath, cboTrackSets->selectedItem(), programFolder());
        editor.Form_Load();
        modalHost->showModal(editor.form());
    }
    // Listing and reselecting run the selection handler, which installs the edited set.
    GetTrackSets();
    cboTrackSets->setSelectedIndex(position);
}

}  // namespace gridmate::app
