// How the program fares on a big game folder (500 players, 1,000 track sets, 40 DLLs
// of which 8 are 4 MB), each figure set against a baseline measured in the same run:
//
//   load            the window's whole load sequence / reading the same bytes raw
//   crc16           the checksum of every set's bytes / copying those bytes
//   player change   one change of player, against the 16 ms of one frame at 60 Hz
//   set install     choosing another track set (67season.ini replaced), same budget
//   enter Add mode  the editor on a 2,000-event database, same budget
//
// The ratios are printed after Google Benchmark's own table.
//
//   cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DGRIDMATE_SANITIZE=OFF
//   cmake --build build-bench -j2 --target big_game_bench
//   build-bench/tools/bench/big_game_bench
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>

#include "app/pitboard.h"
#include "app/settings.h"
#include "app/vi67r.h"
#include "core/tracksets/crc16.h"
#include "headless.h"
#include "make_big_game.h"

namespace {

namespace fs = std::filesystem;
using gridmate::bench::BigGame;

constexpr double kFrameBudgetNs = 16e6;

struct Fixture {
    Fixture() {
        root = fs::temp_directory_path() / ("gm-big-" + std::to_string(std::random_device{}()));
        game = gridmate::bench::makeBigGame(root.string());
    }
    ~Fixture() { fs::remove_all(root); }
    fs::path root;
    BigGame game;
    gridmate::bench::HeadlessPlatform platform;
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

std::unique_ptr<gridmate::app::Pitboard> loadedWindow(const gridmate::app::Settings& settings) {
    auto window = std::make_unique<gridmate::app::Pitboard>(settings);
    gridmate::bench::answerYes(fixture().platform.ui);
    window->Form_Load();
    return window;
}

void BM_Load(benchmark::State& state) {
    Fixture& f = fixture();
    gridmate::app::Settings settings(f.game.settings);
    size_t sets = 0, players = 0, rasterizers = 0;
    for (auto _ : state) {
        auto window = loadedWindow(settings);
        sets = static_cast<size_t>(window->cboTrackSets->count());
        players = static_cast<size_t>(window->cboPlayer->count());
        rasterizers = window->RastList.size();
        if (window->cboTrackSets->selectedItem() != f.game.installedSet ||
            window->selectedPlayer() != f.game.lastPlayer)
            state.SkipWithError("the load did not find the installed set or the last player");
    }
    state.counters["sets"] = double(sets);
    state.counters["players"] = double(players);
    state.counters["rasterizers"] = double(rasterizers);
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

// What one load reads, noted by a recording file system.
const std::vector<gridmate::bench::RecordingFileSystem::Read>& loadReads() {
    static const auto reads = [] {
        Fixture& f = fixture();
        gridmate::bench::RecordingFileSystem recorder(gridmate::platform::fs());
        gridmate::platform::Platform p;
        p.fileSystem = &recorder;
        gridmate::platform::ScopedPlatform scoped(p);
        gridmate::app::Settings settings(f.game.settings);
        loadedWindow(settings);
        return recorder.reads;
    }();
    return reads;
}

// The same parts of the same files, each opened and read once with stdio.
void BM_LoadRawRead(benchmark::State& state) {
    std::map<std::string, std::pair<uint64_t, uint64_t>> parts;  // path -> [from, to)
    for (const auto& r : loadReads()) {
        auto [it, fresh] = parts.try_emplace(r.path, r.offset, r.offset + r.length);
        if (!fresh) {
            it->second.first = std::min(it->second.first, r.offset);
            it->second.second = std::max(it->second.second, r.offset + r.length);
        }
    }
    uint64_t total = 0;
    std::string buffer;
    for (auto _ : state) {
        total = 0;
        for (const auto& [path, range] : parts) {
            std::FILE* file = std::fopen(path.c_str(), "rb");
            if (!file) continue;
            buffer.resize(range.second - range.first);
            std::fseek(file, long(range.first), SEEK_SET);
            total += std::fread(buffer.data(), 1, buffer.size(), file);
            std::fclose(file);
            benchmark::DoNotOptimize(buffer.data());
        }
    }
    state.counters["files"] = double(parts.size());
    state.counters["reads"] = double(loadReads().size());
    state.counters["MB"] = double(total) / 1e6;
}
BENCHMARK(BM_LoadRawRead)->Unit(benchmark::kMillisecond);

// Every set's bytes, end to end, as the listing checksums them.
const std::string& allSetBytes() {
    static const std::string bytes = [] {
        std::string all;
        for (const auto& entry : fs::directory_iterator(fs::path(fixture().game.game) / "seasons")) {
            std::ifstream in(entry.path(), std::ios::binary);
            all.append(std::istreambuf_iterator<char>(in), {});
        }
        return all;
    }();
    return bytes;
}

void BM_Crc16(benchmark::State& state) {
    const std::string& bytes = allSetBytes();
    for (auto _ : state) benchmark::DoNotOptimize(gridmate::GetCRC16(bytes));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
}
BENCHMARK(BM_Crc16)->Unit(benchmark::kMillisecond);

void BM_MemCopy(benchmark::State& state) {
    const std::string& bytes = allSetBytes();
    std::string copy(bytes.size(), '\0');
    for (auto _ : state) {
        std::memcpy(copy.data(), bytes.data(), bytes.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
}
BENCHMARK(BM_MemCopy)->Unit(benchmark::kMillisecond);

// The user picks another player: three season files shown, the last tracks selected,
// the rasterizer and detail bias refreshed.
void BM_PlayerChange(benchmark::State& state) {
    Fixture& f = fixture();
    gridmate::app::Settings settings(f.game.settings);
    auto window = loadedWindow(settings);
    int count = window->cboPlayer->count(), n = 0;
    for (auto _ : state) {
        window->cboPlayer->setSelectedIndex(n % count);
        n += 97;  // far apart, so no file is still hot in a cache of the program's own
    }
    if (window->lblPlayer[0].caption().rfind("First", 0) != 0)
        state.SkipWithError("the player's name is not shown");
}
BENCHMARK(BM_PlayerChange)->Unit(benchmark::kMillisecond);

// The user chooses another set: its checks, the copy over 67season.ini, the last-track
// lists refilled.
void BM_TrackSetInstall(benchmark::State& state) {
    Fixture& f = fixture();
    gridmate::app::Settings settings(f.game.settings);
    auto window = loadedWindow(settings);
    int count = window->cboTrackSets->count(), n = 1;
    for (auto _ : state) {
        window->cboTrackSets->setSelectedIndex(n % count);
        n += 13;
    }
    if (window->cboLastTrack[0].count() < 49) state.SkipWithError("the set was not installed");
    // Leave the folder as the load found it for the benchmarks that follow.
    window->cboTrackSets->setSelectedIndex(-1);
    fs::copy_file(fs::path(f.game.game) / "seasons" / (f.game.installedSet + ".67s"),
                  fs::path(f.game.game) / "seasons" / "67season.ini",
                  fs::copy_options::overwrite_existing);
}
BENCHMARK(BM_TrackSetInstall)->Unit(benchmark::kMillisecond);

// The editor enters Add mode: database and set read, every database event checked
// against the installed tracks, the list refilled.
void BM_EnterAddMode(benchmark::State& state) {
    Fixture& f = fixture();
    gridmate::app::Settings settings(f.game.settings);
    gridmate::app::Vi67r editor(settings, f.game.game, f.game.installedSet, f.game.program);
    editor.Form_Load();
    for (auto _ : state) {
        state.PauseTiming();
        editor.optAction[0].setSelected(false);  // deselecting runs nothing
        state.ResumeTiming();
        editor.optAction[0].setSelected(true);
    }
    state.counters["rows"] = double(editor.lstTracks->count());
    if (editor.lstTracks->count() == 0) state.SkipWithError("the Add list is empty");
}
BENCHMARK(BM_EnterAddMode)->Unit(benchmark::kMillisecond);

// Google Benchmark's console table, and the real time per iteration of each run kept
// for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> nanoseconds;
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (!run.error_occurred && run.run_type == Run::RT_Iteration)
                nanoseconds[run.benchmark_name()] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
    }
};

void printRatio(const RatioReporter& r, const char* what, const char* measured,
                const char* baseline, double goal) {
    auto m = r.nanoseconds.find(measured), b = r.nanoseconds.find(baseline);
    if (m == r.nanoseconds.end() || b == r.nanoseconds.end()) return;
    double ratio = m->second / b->second;
    std::printf("%-16s %10.3f ms / %10.3f ms = %6.2fx", what, m->second / 1e6, b->second / 1e6,
                ratio);
    if (goal > 0) std::printf("   goal <= %.1fx  %s", goal, ratio <= goal ? "met" : "MISSED");
    std::printf("\n");
}

void printBudget(const RatioReporter& r, const char* what, const char* measured) {
    auto m = r.nanoseconds.find(measured);
    if (m == r.nanoseconds.end()) return;
    double ratio = m->second / kFrameBudgetNs;
    std::printf("%-16s %10.3f ms / %10.3f ms = %6.2fx   goal <  1.0x  %s\n", what, m->second / 1e6,
                kFrameBudgetNs / 1e6, ratio, ratio < 1.0 ? "met" : "MISSED");
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nratios (measured / baseline, real time per iteration, same run)\n");
    printRatio(reporter, "load", "BM_Load", "BM_LoadRawRead", 2.0);
    printRatio(reporter, "crc16", "BM_Crc16", "BM_MemCopy", 0);
    printBudget(reporter, "player change", "BM_PlayerChange");
    printBudget(reporter, "set install", "BM_TrackSetInstall");
    printBudget(reporter, "enter Add mode", "BM_EnterAddMode");
    benchmark::Shutdown();
    return 0;
}
