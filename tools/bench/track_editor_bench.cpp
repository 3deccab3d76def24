// How fast the track-set editor reacts on a large database: entering Add mode (both
// schedule files read once, every database event checked), a change of the filter
// text (no file read at all), and the main window's listing of the sets.
//
//   cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DGRIDMATE_SANITIZE=OFF
//   cmake --build build-bench -j2 --target track_editor_bench
//   build-bench/tools/bench/track_editor_bench
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "app/settings.h"
#include "app/vi67r.h"
#include "core/tracksets/crc16.h"
#include "core/tracksets/track_editor.h"
#include "core/tracksets/track_filter.h"

namespace {

namespace fs = std::filesystem;

constexpr int kDatabaseEvents = 2000;
constexpr int kSetEvents = 64;

std::string eventText(int n, const std::string& track) {
    return "\r\n[Event" + std::to_string(n) + "]\r\nname=" + track + " Grand Prix\r\nshortname=" +
           track + "\r\ntrackDirectory=" + track + "\r\nmonth=" + std::to_string(n % 12 + 1) +
           "\r\nday=" + std::to_string(n % 28 + 1) + "\r\nnumberOfLaps=" +
           std::to_string(30 + n % 70) + "\r\nstartingGrid=" + std::to_string(12 + n % 10) +
           "\r\n";
}

void write(const fs::path& path, const std::string& bytes) {
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

const Game& game() {
    static Game g;
    return g;
}

void BM_LoadDatabaseTracks(benchmark::State& state) {
    const Game& g = game();
    for (auto _ : state) {
        auto result = gridmate::loadDatabaseTracks(g.path("gpl"), g.path("gpl/seasons/Edited.67s"),
                                                   g.path("db/all.67s"));
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_LoadDatabaseTracks)->Unit(benchmark::kMillisecond);

// The window's whole entry into Add mode: settings read, both files, the list refilled.
void BM_EnterAddMode(benchmark::State& state) {
    const Game& g = game();
    gridmate::app::Settings settings(g.path("program/tarmac.ini"));
    settings.SetSetting("67s", g.path("db/all.67s"));
    gridmate::app::Vi67r editor(settings, g.path("gpl"), "Edited", g.path("program"));
    editor.Form_Load();
    for (auto _ : state) {
        state.PauseTiming();
        editor.optAction[0].setSelected(false);  // deselecting runs nothing
        state.ResumeTiming();
        editor.optAction[0].setSelected(true);
    }
    state.counters["rows"] = static_cast<double>(editor.lstTracks->count());
}
BENCHMARK(BM_EnterAddMode)->Unit(benchmark::kMillisecond);

// One keystroke in the filter box: the Add list refilled from the records in memory.
void BM_FilterKeystroke(benchmark::State& state) {
    const Game& g = game();
    gridmate::app::Settings settings(g.path("program/tarmac.ini"));
    settings.SetSetting("67s", g.path("db/all.67s"));
    gridmate::app::Vi67r editor(settings, g.path("gpl"), "Edited", g.path("program"));
    editor.Form_Load();
    const char* texts[] = {"trk1", "trk12", "*5", "t*", ""};
    size_t i = 0;
    for (auto _ : state) editor.txtHint->setText(texts[i++ % 5]);
    state.counters["records"] = static_cast<double>(editor.Tracks.size());
}
BENCHMARK(BM_FilterKeystroke)->Unit(benchmark::kMicrosecond);

void BM_FileChecksum(benchmark::State& state) {
    const Game& g = game();
    for (auto _ : state) benchmark::DoNotOptimize(gridmate::GetFileCRC(g.path("db/all.67s")));
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(fs::file_size(g.path("db/all.67s"))));
}
BENCHMARK(BM_FileChecksum)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
