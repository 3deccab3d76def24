// Where things lie in the game folder: the players, their season files, the game's
// own INI files and the schedules.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gridmate {

std::string appIni(const std::string& game);
std::string coreIni(const std::string& game);
std::string wingsIni(const std::string& game);
std::string playersFolder(const std::string& game);
std::string seasonsFolder(const std::string& game);
std::string tracksFolder(const std::string& game);

// <game>\players\<folder>\<the season's player file>
std::string playerFile(const std::string& game, const std::string& folder, int16_t season);

// The sub-folders of "players" that hold at least one season's player file, in the
// order the file system lists them. No "players" folder lists nothing.
std::vector<std::string> listPlayerFolders(const std::string& game);

}  // namespace gridmate
