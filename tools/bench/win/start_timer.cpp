// Times programs from their start until their main window is shown: starts each
// program, polls for a visible top-level window with the given caption, then closes it
// and waits for the program to end. The programs take turns, run after run, so that
// both see the same machine; the median of each is printed, and their ratio.
//
//   start_timer <runs> <program> <caption> <baseline program> <baseline caption>
//               [baseline arguments]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "clock.h"

namespace {

// The folder of a program path, where it starts (gridmate.exe finds tarmac.ini there).
std::string folderOf(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

// Milliseconds from CreateProcess to the window being visible; negative on failure.
double timeOneStart(const std::string& program, const std::string& caption,
                    const std::string& arguments = "") {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string command = "\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments);
    std::string folder = folderOf(program);
    double start = seconds();
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process))
        return -1;
    double elapsed = -1;
    HWND window = nullptr;
    while (seconds() - start < 60) {
        window = FindWindowA(nullptr, caption.c_str());
        if (window && IsWindowVisible(window)) {
            elapsed = (seconds() - start) * 1000;
            break;
        }
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) break;
        Sleep(1);
    }
    if (window) PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 6) {
        std::fprintf(stderr, "usage: start_timer <runs> <program> <caption> <baseline> <caption> [arguments]\n");
        return 2;
    }
    int runs = std::max(1, std::atoi(argv[1]));
    std::vector<double> measured, baseline;
    // One unmeasured start of each warms Wine's services and the file cache.
    timeOneStart(argv[2], argv[3]);
    std::string arguments = argc > 6 ? argv[6] : "";
    timeOneStart(argv[4], argv[5], arguments);
    for (int i = 0; i < runs; ++i) {
        double m = timeOneStart(argv[2], argv[3]);
        double b = timeOneStart(argv[4], argv[5], arguments);
        if (m < 0 || b < 0) {
            std::fprintf(stderr, "run %d: a window did not appear\n", i + 1);
            return 1;
        }
        measured.push_back(m);
        baseline.push_back(b);
    }
    double m = median(measured), b = median(baseline);
    std::printf("start to window  %10.1f ms / %10.1f ms = %6.2fx   (median of %d runs each)\n", m,
                b, m / b, runs);
    return 0;
}
