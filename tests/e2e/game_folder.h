// A small game folder of our own synthetic files, just enough for the main window to
// load without a message: the season executables, the game's settings, one player
// set up for every season, the installed track set with its tracks and stored sets,
// and the 1969 wings.
#pragma once

#include <string>

#include "support/temp_folder.h"

namespace gridmate::e2e {

constexpr const char* kPlayer = "Ann Driver";

// The values of a player file, laid out as the game writes them.
struct PlayerFields {
    std::string helmetColor;
    std::string team;
    std::string lastTrackSelection;
    std::string detailBias;
};
std::string playerFileText(const PlayerFields& fields);
// The 1967 player file as the game folder starts with it.
PlayerFields player1967();

// Writes the folder at `relative` inside `temp`; returns its full path.
std::string makeGameFolder(const test::TempFolder& temp, const std::string& relative);

}  // namespace gridmate::e2e
