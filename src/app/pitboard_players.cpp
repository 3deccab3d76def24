// The player list and the season panels: each panel shows and writes the selected
// player's file of its season.
#include <optional>

#include "app/pitboard.h"
#include "app/message.h"
#include "app/wait_cursor.h"
#include "core/game/game_folder.h"
#include "core/game/player_lists.h"
#include "core/game/seasons.h"
#include "core/ini/game_ini.h"
#include "core/ini/line_layout.h"
#include "core/numeric.h"
#include "platform/file_tree.h"
#include "platform/paths.h"
#include "platform/platform.h"

namespace gridmate::app {

namespace {

constexpr const char* kPersonal = "[ Personal Information ]";

std::string readValue(const std::string& file, const char* section, const char* key) {
    std::string value;
    lngReadIniValue(file, section, key, value);
    return value;
}

// A stored list position: a whole number inside the list, else no selection.
int storedPosition(const std::string& value, int count) {
    auto number = parseNumber(value);
    if (!number || *number != roundHalfEven(*number)) return -1;
    if (*number < 0 || *number >= count) return -1;
    return static_cast<int>(*number);
}


}  // namespace

std::string Pitboard::selectedPlayer() const {
    int selected = cboPlayer->selectedIndex();
    if (selected < 0 || selected >= PlayerCount()) return "";
    return Players[static_cast<size_t>(selected)];
}

std::string Pitboard::programFolder() const { return platform::parentFolder(settings_.file()); }

bool Pitboard::blnLoadPlayers() {
    cboPlayer->clear();
    Players.clear();
    if (!platform::fs().isFile(appIni(strGPLPath))) {
        tell("could not found app.ini", platform::Icon::Critical);
        return false;
    }
    std::string lastPlayer;
    readGameKey(appIni(strGPLPath), GameKey::LastPlayer, lastPlayer);
    for (const auto& folder : listPlayerFolders(strGPLPath)) {
        Players.push_back(folder);
        cboPlayer->addItem(folder);
        // Selecting runs the player change before the next folder is listed.
        if (folder == lastPlayer) cboPlayer->setSelectedIndex(cboPlayer->count() - 1);
    }
    return true;
}

void Pitboard::showPlayerSeason(int16_t i) {
    std::string file = playerFile(strGPLPath, selectedPlayer(), i);
    if (platform::fs().isFile(file)) {
        lblPlayer[i].setCaption(readValue(file, kPersonal, "firstName"));
        lblPlayer[i].setCaption(lblPlayer[i].caption() + " " +
                                readValue(file, kPersonal, "lastName"));
        cboHelmet[i].setSelectedIndex(
            storedPosition(readValue(file, kPersonal, "helmetColor"), kHelmetCount));
        cboHelmet[i].setEnabled(true);
        cboTeam[i].setSelectedIndex(storedPosition(readValue(file, kPersonal, "team"), kTeamCount));
        cboTeam[i].setEnabled(true);
        cboLastTrack[i].setEnabled(true);
        cmdGPL[i].setEnabled(true);
        optSeason[i].setEnabled(true);
    } else {
        lblPlayer[i].setCaption("");
        for (auto* list : {&cboHelmet[i], &cboTeam[i], &cboLastTrack[i]}) {
            list->setSelectedIndex(-1);
            list->setEnabled(false);
        }
        cmdGPL[i].setEnabled(false);
        optSeason[i].setEnabled(false);
    }
}

// When the selected season is not available for the new player, the first available
// one in the game's order of preference is selected instead.
void Pitboard::fallBackToAvailableSeason() {
    auto on = [this](int i) { return optSeason[i].selected(); };
    auto ok = [this](int i) { return optSeason[i].enabled(); };
    int next = -1;
    if (on(0) && !ok(0)) next = ok(1) ? 1 : ok(2) ? 2 : -1;
    else if (on(1) && !ok(1)) next = ok(0) ? 0 : ok(2) ? 2 : -1;
    else if (on(2) && !ok(2)) next = ok(0) ? 0 : ok(1) ? 1 : -1;
    if (next >= 0) optSeason[next].setSelected(true);
}

void Pitboard::cboPlayer_Click() {
    bool remembered = blnUpdating;
    blnUpdating = true;
    if (!selectedPlayer().empty())
        for (int16_t i = 0; i < kSeasonCount; ++i) showPlayerSeason(i);
    blnUpdating = remembered;
    fallBackToAvailableSeason();
    SelectLastTracks();
    if (!blnUpdating) RefreshPlayerGraphics();
}

void Pitboard::SelectLastTracks() {
    std::string player = selectedPlayer();
    std::string target[kSeasonCount];
    bool done[kSeasonCount] = {false, false, false};
    if (!player.empty()) {
        for (int16_t i = 0; i < kSeasonCount; ++i) {
            std::string file = playerFile(strGPLPath, player, i);
            if (platform::fs().isFile(file))
                target[i] = readValue(file, kPersonal, "lastTrackSelection");
            else
                done[i] = true;
        }
    }
    bool remembered = blnUpdating;
    blnUpdating = true;
    for (int i = 0; i < kSeasonCount; ++i) cboLastTrack[i].setSelectedIndex(-1);
    // Every position is tested until all lists are done, so of two equal items the
    // later one can win.
    for (int n = 0; n < cboLastTrack[0].count(); ++n) {
        for (int i = 0; i < kSeasonCount; ++i) {
            if (n < cboLastTrack[i].count() && cboLastTrack[i].item(n) == target[i]) {
                cboLastTrack[i].setSelectedIndex(n);
                done[i] = true;
            }
        }
        if (done[0] && done[1] && done[2]) break;
    }
    blnUpdating = remembered;
}

void Pitboard::cboHelmet_Click(int16_t Index) {
    if (!blnUpdating) lngSetHelmet(Index, cboHelmet[Index].selectedIndex());
}

void Pitboard::cboTeam_Click(int16_t Index) {
    if (!blnUpdating) lngSetTeam(Index, cboTeam[Index].selectedIndex());
}

void Pitboard::cboLastTrack_Click(int16_t Index) {
    if (blnUpdating) return;
    WaitCursor busy;
    if (chkAutoLoadWing4Track->checked() && Index == 2) cmdLoadWing4Track_Click();
    std::string track = cboLastTrack[Index].selectedItem();
    std::string player = selectedPlayer();
    if (chkCopyDefaultSetup->checked() && !player.empty()) copyDefaultSetups(track);
    if (cboLastTrack[Index].selectedIndex() >= 0 && !player.empty())
        writeGameKey(playerFile(strGPLPath, player, Index), GameKey::LastTrackSelection, track);
}

// myset\* beside the program into <player>\setups\<track>, overwriting files of the
// same name and keeping the others. The track comes from the schedule file, so it must
// be a plain folder name: anything else could place files outside the player's folder.
void Pitboard::copyDefaultSetups(const std::string& track) {
    auto& fs = platform::fs();
    std::string myset = platform::joinPath(programFolder(), "myset");
    if (!fs.isFolder(myset)) return;
    if (!platform::isPlainName(track)) {
        tell("could not copy default setups: \"" + track + "\" is not a track folder name",
             platform::Icon::Exclamation);
        return;
    }
    std::string target = platform::joinPath(
        platform::joinPath(platform::joinPath(playersFolder(strGPLPath), selectedPlayer()),
                           "setups"),
        track);
    platform::IoError error;
    std::string failed;
    if (!platform::copyTree(fs, myset, target, error, &failed))
        tell("could not copy " + failed + " to " + target + "\r\n" +
                 std::to_string(error.code) + ": " + error.description,
             platform::Icon::Exclamation);
}

void Pitboard::chkCopyDefaultSetup_Click() {
    if (!chkCopyDefaultSetup->checked()) return;
    std::string myset = platform::joinPath(programFolder(), "myset");
    platform::IoError error;
    if (!platform::fs().isFolder(myset)) platform::fs().createFolder(myset, error);
}

int32_t Pitboard::lngSetHelmet(int16_t Index, int32_t lngHelmet) {
    std::string player = selectedPlayer();
    if (!player.empty())
        writeGameKey(playerFile(strGPLPath, player, Index), GameKey::HelmetColor,
                     std::to_string(lngHelmet));
    return 0;
}

int32_t Pitboard::lngSetTeam(int16_t Index, int32_t lngTeam) {
    std::string player = selectedPlayer();
    if (!player.empty())
        writeGameKey(playerFile(strGPLPath, player, Index), GameKey::Team,
                     std::to_string(lngTeam));
    return 0;
}

int32_t Pitboard::lngSetDetailBias(int16_t Index, int32_t lngDetailBias) {
    std::string player = selectedPlayer();
    if (!player.empty())
        writeGameKey(playerFile(strGPLPath, player, Index), GameKey::DetailBias,
                     std::to_string(lngDetailBias));
    return 0;
}

int32_t Pitboard::lngGetDetailBias(int16_t Index) {
    std::string player = selectedPlayer();
    if (player.empty()) return 100;
    std::string value;
    readGameKey(playerFile(strGPLPath, player, Index), GameKey::DetailBias, value);
    return parseWholeNumber(value).value_or(100);
}

int32_t Pitboard::lngSetLastPlayer(const std::string& vstrLastPlayer) {
    std::string app = appIni(strGPLPath);
    if (!platform::fs().isFile(app)) {
        tell("could not found app.ini", platform::Icon::Critical);
        return 0;
    }
    return writeGameKey(app, GameKey::LastPlayer, vstrLastPlayer);
}

}  // namespace gridmate::app
