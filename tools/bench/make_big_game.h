// A large synthetic game folder for the benchmarks: many players with all three season
// files, many track sets, track folders and DLLs (a few of them several MB), plus a
// large schedule database for the track-set editor and the program's own tarmac.ini.
#pragma once

#include <cstddef>
#include <string>

namespace gridmate::bench {

struct BigGameShape {
    int players = 500;          // each with player.ini, plac65.ini and pla69w.ini
    int trackSets = 1000;       // Set0000.67s ...
    int eventsPerSet = 64;
    int trackFolders = 300;
    int dlls = 40;              // every fourth one a rasterizer
    int bigDlls = 8;            // the first ones, padded to bigDllBytes
    size_t bigDllBytes = 4u << 20;
    int databaseEvents = 2000;  // db/all.67s, the editor's database
};

struct BigGame {
    std::string root;      // everything below lies here
    std::string game;      // root/gpl, the game folder
    std::string program;   // root/program, where tarmac.ini lies
    std::string settings;  // root/program/tarmac.ini
    std::string database;  // root/db/all.67s
    std::string lastPlayer;
    std::string installedSet;  // the set that 67season.ini equals
};

// Writes the folder below `root` (created; existing files are overwritten). tarmac.ini
// stores the game folder as `storedGamePath` (e.g. a Wine path), or as `game` when empty.
BigGame makeBigGame(const std::string& root, const BigGameShape& shape = {},
                    const std::string& storedGamePath = "");

// The bytes of a PE image whose version resource carries `privateBuild`, padded with
// trailing bytes up to `size` (the loader and the version reader ignore them).
std::string dllWithPrivateBuild(const std::string& privateBuild, size_t size);

// One [EventN] section of a schedule.
std::string scheduleEvent(int n, const std::string& track);

}  // namespace gridmate::bench
