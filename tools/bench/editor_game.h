// A game folder for timing the track-set editor: a database set of 2,000 events (nine
// in ten of their tracks installed) and an edited set of 64 of them, in a temporary
// folder removed again at the end. Shared by the native benchmark and the timing
// program of the Windows build.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace gridmate::bench {

namespace fs = std::filesystem;

constexpr int kDatabaseEvents = 2000;
constexpr int kSetEvents = 64;

inline std::string eventText(int n, const std::string& track) {
    return "\r\n[Event" + std::to_string(n) + "]\r\nname=" + track + " Grand Prix\r\nshortname=" +
           track + "\r\ntrackDirectory=" + track + "\r\nmonth=" + std::to_string(n % 12 + 1) +
           "\r\nday=" + std::to_string(n % 28 + 1) + "\r\nnumberOfLaps=" +
           std::to_string(30 + n % 70) + "\r\nstartingGrid=" + std::to_string(12 + n % 10) +
           "\r\n";
}

inline void write(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// A game folder with 2,000 database events (nine in ten of their tracks installed) and
// an edited set of 64 of them, removed again at the end.
struct Game {
    Game() {
        root = fs::temp_directory_path() / ("gm-bench-" + std::to_string(std::random_device{}()));
        std::string database = "[Season]\r\nnumEvents=" + std::to_string(kDatabaseEvents) + "\r\n";
        std::string set = "[Season]\r\nnumEvents=" + std::to_string(kSetEvents) + "\r\n";
        for (int n = 1; n <= kDatabaseEvents; ++n) {
            std::string track = "trk" + std::to_string(n);
            database += eventText(n, track);
            if (n % 10 != 0) fs::create_directories(root / "gpl" / "tracks" / track);
            if (n <= kSetEvents) set += eventText(n, "trk" + std::to_string(n * 7));
        }
        write(root / "db" / "all.67s", database);
        write(root / "gpl" / "seasons" / "Edited.67s", set);
        write(root / "gpl" / "seasons" / "67season.ini", set);
        for (int s = 0; s < 20; ++s)
            write(root / "gpl" / "seasons" / ("Set" + std::to_string(s) + ".67s"), set + ";" + std::to_string(s));
        fs::create_directories(root / "program");
    }
    ~Game() { fs::remove_all(root); }
    std::string path(const std::string& relative) const { return (root / relative).string(); }

    fs::path root;
};

inline const Game& game() {
    static Game g;
    return g;
}

}  // namespace gridmate::bench
