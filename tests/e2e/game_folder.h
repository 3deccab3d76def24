// A small game folder of our own synthetic files, just enough for the main window to
// load without a message: the season executables, the game's settings, one player
// set up for every season, the installed track set with its tracks and stored sets,
// and the 1969 wings.
#pragma once

#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace gridmate::e2e {

constexpr const char* kPlayer = "Ann Driver";

// The values of a player file, laid out as the game writes them.
struct PlayerFields {
    std::string helmetColor;
    std::string team;
    std::string lastTrackSelection;
    std::string detailBias;
    std::string firstName = "Ann";
    std::string lastName = "Driver";
};
std::string playerFileText(const PlayerFields& fields);
// The 1967 player file as the game folder starts with it.
PlayerFields player1967();

// Writes the folder at `relative` inside `temp`; returns its full path.
std::string makeGameFolder(const test::TempFolder& temp, const std::string& relative);

// A schedule of one event per track folder, as a .67s set and 67season.ini hold it.
std::string trackSetText(const std::vector<std::string>& tracks);
// The files of the game folder the cases read back and compare.
std::string appIniText();
std::string coreIniText();
std::string wingsIniText();

// Additions to a game folder made by makeGameFolder at `relative`.
void addTrack(const test::TempFolder& temp, const std::string& relative, const std::string& track);
// A player folder holding the given season files ("player.ini", "plac65.ini", ...).
void addPlayer(const test::TempFolder& temp, const std::string& relative,
               const std::string& folder, const PlayerFields& fields,
               const std::vector<std::string>& seasonFiles);

// The build's stand-in game (a copy of it named `name`, e.g. "gplc65.exe") at `path`:
// started, it appends its command line to launched.txt beside itself and, with
// GRIDMATE_STUB_QUIET set, ends at once.
bool copyStubGame(const std::string& name, const std::string& path);
// A rasterizer fixture DLL of the build (e.g. "rast_opengl.dll") copied into `folder`.
bool copyRasterizer(const std::string& dll, const std::string& folder);

}  // namespace gridmate::e2e
