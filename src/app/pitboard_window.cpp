// Where the window opens, how it closes, and the game folder it works on.
#include <optional>

#include "app/pitboard.h"
#include "core/game/seasons.h"
#include "core/ini/file_snapshot.h"
#include "core/numeric.h"
#include "platform/paths.h"
#include "platform/platform.h"

namespace gridmate::app {

namespace {

// A stored edge: nullopt for "-1", for text that is not a number, and for a number that
// does not fit a 32-bit whole number.
std::optional<int32_t> storedEdge(const std::string& value) {
    if (value == "-1") return std::nullopt;
    return parseWholeNumber(value);
}

const char* flag(const ui::CheckBox& box) { return box.checked() ? "1" : "0"; }

}  // namespace

// A stored edge beyond the screen is pulled back so that the window's far edge meets
// the screen's; an edge below 0 stays. The second key decides the box's final state.
void Pitboard::restoreWindowPosition() {
    auto& screen = platform::ui();
    if (auto left = storedEdge(settings_.strGetSetting("WindowPosX"))) {
        int limit = screen.screenWidthTwips() - form_.width();
        form_.setLeft(*left > limit ? limit : *left);
        chkSaveWindowPosition->setChecked(true);
    } else {
        chkSaveWindowPosition->setChecked(false);
    }
    if (auto top = storedEdge(settings_.strGetSetting("WindowPosY"))) {
        int limit = screen.screenHeightTwips() - form_.height();
        form_.setTop(*top > limit ? limit : *top);
        chkSaveWindowPosition->setChecked(true);
    } else {
        chkSaveWindowPosition->setChecked(false);
    }
}

void Pitboard::Form_QueryUnload() {
    // The options are stored whole or not at all: a file holding half of them would
    // pair options the user never had together. Failures stay silent.
    FileSnapshot before(settings_.file());
    bool stored = true;
    auto store = [&](const std::string& key, const std::string& value) {
        stored = settings_.SetSetting(key, value) && stored;
    };
    store("AutoLoadWing4Track", flag(*chkAutoLoadWing4Track));
    store("SetWingMax15", flag(*chkSetWingMax15));
    store("ForceFullScreen4NonD3D", flag(*chkForceFullscreen4NonD3D));
    store("SaveLastRast", flag(*chkSaveRasterizer));
    std::string player = selectedPlayer();
    if (chkSaveLastPlayer->checked() && !player.empty()) lngSetLastPlayer(player);
    store("SaveLastPlayer", flag(*chkSaveLastPlayer));
    int16_t current = currentSeason();
    if (current >= 0) store("mod", season(current).code);
    store("CopyDefaultSetup", flag(*chkCopyDefaultSetup));
    bool keepPosition = chkSaveWindowPosition->checked() &&
                        form_.state() == ui::WindowState::Normal && form_.left() && form_.top();
    store("WindowPosX", keepPosition ? std::to_string(*form_.left()) : "-1");
    store("WindowPosY", keepPosition ? std::to_string(*form_.top()) : "-1");
    store("showoption", form_.width() != kCollapsedWidth ? "1" : "0");
    if (!stored) before.restore();
}

bool Pitboard::blnSelectGPLPath() {
    platform::OpenFileRequest request;
    request.title = "Select your GPL.exe";
    request.filterDescription = "GPL.EXE (gpl.exe)";
    request.filterPattern = "GPL.EXE";
    request.initialFolder = strGPLPath.empty() ? "C:\\sierra\\gpl" : strGPLPath;
    request.hideReadOnly = true;
    auto picked = platform::ui().openFile(request);
    // A typed name of a file that does not exist names no folder: taken as a cancel.
    if (!picked || !platform::fs().isFile(*picked)) return false;
    strGPLPath = platform::parentFolder(*picked);
    settings_.SetSetting("path", strGPLPath);
    return true;
}

void Pitboard::cmdPath_Click() {
    if (!blnSelectGPLPath()) return;
    readRasterizersAhead();
    blnUpdating = true;
    ReloadGPLFolder();
    blnUpdating = false;
}

void Pitboard::txtGPLPath_GotFocus() { txtGPLPath->selectAll(); }

}  // namespace gridmate::app
