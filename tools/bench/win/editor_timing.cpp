// How fast the track-set editor reacts in the Windows build (run under Wine by
// tools/bench/win/editor_timing.sh): entering Add mode with a 2,000-event database and
// a 64-event set, and each change of the filter text. Prints the median and the worst of
// several rounds in milliseconds; no assertion, the figures go to the notes.
//
// With --window the editor is shown in its native window, so that every change also
// reaches the native list box, and an action ends once the messages it left (drawing
// the lists) are handled; without, the window is headless.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "app/settings.h"
#include "app/vi67r.h"
#include "editor_game.h"
#include "win32/native_window.h"

using namespace gridmate;
using Clock = std::chrono::steady_clock;

namespace {

void handlePendingMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

template <class Action>
void report(const char* what, int rounds, Action action) {
    std::vector<double> ms;
    for (int i = 0; i < rounds; ++i) {
        auto start = Clock::now();
        action(i);
        handlePendingMessages();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-34s median %7.2f ms   worst %7.2f ms   (%d rounds)\n", what,
                ms[ms.size() / 2], ms.back(), rounds);
}

}  // namespace

int main(int argc, char** argv) {
    bool windowed = argc > 1 && std::strcmp(argv[1], "--window") == 0;
    const bench::Game& g = bench::game();
    app::Settings settings(g.path("program/tarmac.ini"));
    settings.SetSetting("67s", g.path("db/all.67s"));
    app::Vi67r editor(settings, g.path("gpl"), "Edited", g.path("program"));
    editor.Form_Load();
    std::unique_ptr<win32::NativeWindow> window;
    if (windowed) {
        window = std::make_unique<win32::NativeWindow>(editor.form(), win32::NativeWindow::Options{});
        editor.form().show();
        handlePendingMessages();
    }
    std::printf("Add list: %d rows of %d database events\n", editor.lstTracks->count(),
                bench::kDatabaseEvents);
    report("entering Add mode", 15, [&](int) {
        editor.optAction[1].setSelected(true);  // Remove mode first, then back
        editor.optAction[0].setSelected(true);
    });
    const char* texts[] = {"trk1", "trk12", "*5", "t*", "grand", ""};
    report("one change of the filter text", 60,
           [&](int i) { editor.txtHint->setText(texts[i % 6]); });
    return 0;
}
