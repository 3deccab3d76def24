// One key of a 5 KB game INI file changed, again and again: the program's own line
// writer (read, patch, atomic replace) against the system's WritePrivateProfileStringA
// on an identical copy. Each writer changes the value back and forth, so every call
// really writes. The calls take turns in blocks; the median of each is printed, and
// their ratio.
//
//   ini_write_bench [calls]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "core/ini/game_ini.h"

#include "clock.h"

namespace {

// About 5 KB of sections and keys, in the layout both writers keep as it is.
std::string fiveKilobytes() {
    std::string text;
    for (int s = 0; text.size() < 5000; ++s) {
        text += "[Section" + std::to_string(s) + "]\r\n";
        for (int k = 0; k < 8; ++k)
            text += "key" + std::to_string(k) + "=" + std::to_string(s * 8 + k) +
                    "\r\n";
        text += "\r\n";
    }
    return text + "[Graphics]\r\ndetailBias=60\r\n";
}

void write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    int calls = argc > 1 ? std::max(10, std::atoi(argv[1])) : 400;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string ours = std::string(temp) + "gm-ini-ours.ini";
    std::string theirs = std::string(temp) + "gm-ini-system.ini";
    write(ours, fiveKilobytes());
    write(theirs, fiveKilobytes());

    std::vector<double> lineWriter, system;
    for (int i = 0; i < calls; ++i) {
        std::string value = std::to_string(50 + i % 2);
        double t0 = seconds();
        int32_t rc = gridmate::lngWriteIniLine(ours, "[Graphics]", "detailBias", "detailBias=" + value);
        double t1 = seconds();
        BOOL ok = WritePrivateProfileStringA("Graphics", "detailBias", value.c_str(), theirs.c_str());
        double t2 = seconds();
        if (rc != 0 || !ok) {
            std::fprintf(stderr, "call %d failed\n", i);
            return 1;
        }
        lineWriter.push_back((t1 - t0) * 1e6);
        system.push_back((t2 - t1) * 1e6);
    }
    // Both writers must have made the same file, or the race was not a fair one.
    std::ifstream first(ours, std::ios::binary), second(theirs, std::ios::binary);
    std::string left{std::istreambuf_iterator<char>(first), {}};
    std::string right{std::istreambuf_iterator<char>(second), {}};
    first.close();
    second.close();
    if (left != right) std::fprintf(stderr, "warning: the two files differ\n");
    DeleteFileA(ours.c_str());
    DeleteFileA(theirs.c_str());
    double m = median(lineWriter), b = median(system);
    std::printf("ini line write   %10.1f us / %10.1f us = %6.2fx   (median of %d calls each)\n", m, b,
                m / b, calls);
    return 0;
}
