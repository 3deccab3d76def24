// Where the window opens, how it closes, and the game folder it works on.
#include <optional>

#include "app/pitboard.h"
#include "core/game/seasons.h"
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
    settings_.SetSetting("AutoLoadWing4Track", flag(*chkAutoLoadWing4Track));
    settings_.SetSetting("SetWingMax15", flag(*chkSetWingMax15));
    settings_.SetSetting("ForceFullScreen4NonD3D", flag(*chkForceFullscreen4NonD3D));
    settings_.SetSetting("SaveLastRast", flag(*chkSaveRasterizer));
    std::string player = selectedPlayer();
    if (chkSaveLastPlayer->checked() && !player.empty()) lngSetLastPlayer(player);
    settings_.SetSetting("SaveLastPlayer", flag(*chkSaveLastPlayer));
    int16_t current = currentSeason();
    if (current >= 0) settings_.SetSetting("mod", season(current).code);
    settings_.SetSetting("CopyDefaultSetup", flag(*chkCopyDefaultSetup));
    bool keepPosition = chkSaveWindowPosition->checked() &&
                        form_.state() == ui::WindowState::Normal && form_.left() && form_.top();
    settings_.SetSetting("WindowPosX", keepPosition ? std::to_string(*form_.left()) : "-1");
    settings_.SetSetting("WindowPosY", keepPosition ? std::to_string(*form_.top()) : "-1");
    settings_.SetSetting("showoption", form_.width() != kCollapsedWidth ? "1" : "0");
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
    blnUpdating = true;
    ReloadGPLFolder();
    blnUpdating = false;
}

void Pitboard::txtGPLPath_GotFocus() { txtGPLPath->selectAll(); }

}  // namespace gridmate::app
