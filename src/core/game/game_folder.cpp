#include "core/game/game_folder.h"

#include "core/game/seasons.h"
#include "platform/paths.h"
#include "platform/platform.h"

namespace gridmate {

using platform::joinPath;

std::string appIni(const std::string& game) { return joinPath(game, "app.ini"); }
std::string coreIni(const std::string& game) { return joinPath(game, "core.ini"); }
std::string wingsIni(const std::string& game) { return joinPath(game, "wg69i.ini"); }
std::string playersFolder(const std::string& game) { return joinPath(game, "players"); }
std::string seasonsFolder(const std::string& game) { return joinPath(game, "seasons"); }
std::string tracksFolder(const std::string& game) { return joinPath(game, "tracks"); }

std::string playerFile(const std::string& game, const std::string& folder, int16_t season) {
    return joinPath(joinPath(playersFolder(game), folder), gridmate::season(season).playerFile);
}

std::vector<std::string> listPlayerFolders(const std::string& game) {
    std::vector<std::string> folders;
    auto& fs = platform::fs();
    for (const auto& name : fs.listFolders(playersFolder(game))) {
        for (int16_t s = 0; s < kSeasonCount; ++s) {
            if (fs.isFile(playerFile(game, name, s))) {
                folders.push_back(name);
                break;
            }
        }
    }
    return folders;
}

}  // namespace gridmate
