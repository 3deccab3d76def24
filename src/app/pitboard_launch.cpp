// Starting a season's game with the window's choices, the join fields, and the eight
// launcher buttons bound to any file.
#include "app/pitboard.h"
#include "app/message.h"
#include "core/game/seasons.h"
#include "launch/game_command.h"
#include "launch/launcher.h"
#include "platform/paths.h"
#include "platform/platform.h"

namespace gridmate::app {

namespace {

constexpr const char* kUnboundTip = "right click to set launcher";

}  // namespace

void Pitboard::LaunchGPL(int16_t Index) {
    std::string player = selectedPlayer();
    int rast = cboRast->selectedIndex();
    // The game needs both on its command line; starting it without one would pass an
    // empty option the game cannot use.
    if (player.empty()) {
        tell("select a player first", platform::Icon::Exclamation);
        return;
    }
    if (rast < 0 || rast >= static_cast<int>(RastList.size())) {
        tell("select a rasterizer first", platform::Icon::Exclamation);
        return;
    }
    launch::GameChoice choice{player, chkJoin->checked(), txtIP->text(),
                              RastList[static_cast<size_t>(rast)].FileName, chkFullScreen->value()};
    const Season& s = season(Index);
    intptr_t result = platform::ui().shellOpen(platform::joinPath(strGPLPath, s.executable),
                                               launch::gameParameters(choice), strGPLPath);
    if (result < 32) tell(s.launchError);
}

void Pitboard::chkJoin_Click() {
    bool join = chkJoin->checked();
    txtIP->setEnabled(join);
    txtIP->setBackColor(join ? ui::SystemColor::WindowBackground : ui::SystemColor::ButtonFace);
    cmdPasteIP->setEnabled(join);
}

void Pitboard::cmdPasteIP_Click() { txtIP->setText(platform::ui().clipboardText().value_or("")); }

void Pitboard::txtIP_GotFocus() { txtIP->selectAll(); }

void Pitboard::restoreLaunchers() {
    for (int16_t n = 0; n < kLauncherCount; ++n) {
        cmdLaunch[n].setToolTip(kUnboundTip);
        std::string bound = settings_.strGetSetting(launch::launcherKey(n));
        if (!bound.empty()) SetLauncherIcon(n, bound);
    }
}

void Pitboard::cmdLaunch_Click(int16_t Index) {
    std::string bound = settings_.strGetSetting(launch::launcherKey(Index));
    if (!bound.empty()) LaunchFile(bound);
}

void Pitboard::cmdLaunch_MouseUp(int16_t Index, ui::MouseButton button, int shift) {
    if (button != ui::MouseButton::Right) return;
    std::string key = launch::launcherKey(Index);
    std::string bound = settings_.strGetSetting(key);
    if (launch::rightClickAction(shift) == launch::RightClick::Clear) {
        if (bound.empty()) return;
        if (tell("Clear this button?", platform::Icon::None, platform::Buttons::OkCancel, 1) !=
            platform::Answer::Ok)
            return;
        settings_.DeleteSetting(key);
        cmdLaunch[Index].setPicture(ui::Picture::none());
        cmdLaunch[Index].setToolTip(kUnboundTip);
        return;
    }
    std::string start = bound.empty() ? programFolder() : bound;
    std::string picked = strSelectLauncherFile(Index, start);
    if (!picked.empty()) settings_.SetSetting(key, picked);
}

void Pitboard::LaunchFile(const std::string& path) {
    if (platform::ui().shellOpen(path, "", platform::parentFolder(path)) < 32) tell("launch eror");
}

std::string Pitboard::strSelectLauncherFile(int16_t Index, const std::string& start) {
    platform::OpenFileRequest request;
    request.title = "select file for launcher";
    request.filterDescription = "*.* (*.*)";
    request.filterPattern = "*.*";
    request.initialFolder = start;
    request.hideReadOnly = true;
    auto picked = platform::ui().openFile(request);
    if (!picked) return "";
    SetLauncherIcon(Index, *picked);
    return *picked;
}

void Pitboard::SetLauncherIcon(int16_t Index, const std::string& path) {
    std::string program = strFindExecutable(path);
    if (!program.empty())
        SetIconFromFile(Index, program);
    else
        cmdLaunch[Index].setPicture(ui::Picture::none());
    if (platform::fs().isFile(path)) cmdLaunch[Index].setToolTip(platform::fileName(path));
}

std::string Pitboard::strFindExecutable(const std::string& path) {
    std::string raw;
    intptr_t result = platform::ui().findExecutable(path, raw);
    if (result < 32) {
        tell(launch::findExecutableMessage(result), platform::Icon::Critical);
        return "";
    }
    std::string program = launch::strCleanExePath(raw);
    return platform::fs().isFile(program) ? program : "";
}

// A program without an icon leaves the button's picture as it was.
bool Pitboard::SetIconFromFile(int16_t Index, const std::string& program) {
    if (!platform::ui().hasIcon(program)) return false;
    cmdLaunch[Index].setPicture(ui::Picture::fileIcon(program));
    return true;
}

}  // namespace gridmate::app
