// How fast the track-set editor reacts on a large database: entering Add mode (both
// schedule files read once, every database event checked), a change of the filter
// text (no file read at all), and the main window's listing of the sets.
//
//   cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DGRIDMATE_SANITIZE=OFF
//   cmake --build build-bench -j2 --target track_editor_bench
//   build-bench/tools/bench/track_editor_bench
#include <benchmark/benchmark.h>

#include <string>

#include "app/settings.h"
#include "app/vi67r.h"
#include "core/tracksets/crc16.h"
#include "core/tracksets/track_editor.h"
#include "core/tracksets/track_filter.h"
#include "editor_game.h"

namespace {

using gridmate::bench::game;
using gridmate::bench::Game;
namespace fs = std::filesystem;

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
