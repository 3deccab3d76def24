// Loads a game folder written by make_big_game headless, as the window's load sequence
// does, and prints the process's peak resident memory before and after:
//
//   load_big_game <folder> [loads]
//
// More than one load (each a new window) makes a steady workload for a profiler.
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/pitboard.h"
#include "app/settings.h"
#include "headless.h"

namespace {
long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: load_big_game <folder> [loads]\n");
        return 2;
    }
    gridmate::bench::HeadlessPlatform platform;
    gridmate::bench::answerYes(platform.ui);
    gridmate::app::Settings settings(std::string(argv[1]) + "/program/tarmac.ini");
    long before = peakKilobytes();
    for (int extra = argc > 2 ? std::atoi(argv[2]) - 1 : 0; extra > 0; --extra) {
        gridmate::app::Pitboard window(settings);
        window.Form_Load();
    }
    gridmate::app::Pitboard window(settings);
    if (!window.Form_Load()) {
        std::fprintf(stderr, "the load ended early\n");
        return 1;
    }
    long after = peakKilobytes();
    std::printf("players %d, sets %d, rasterizers %zu, messages %zu\n", window.cboPlayer->count(),
                window.cboTrackSets->count(), window.RastList.size(), platform.ui.messages.size());
    std::printf("peak RSS before load %ld KB, after load %ld KB\n", before, after);
    return 0;
}
