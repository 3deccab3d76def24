// Writes the benchmarks' big game folder to disk:
//
//   make_big_game <folder> [--wine]
//
// With --wine, tarmac.ini stores the game folder as a Windows program under Wine sees
// it (Z: and backslashes), so that gridmate.exe copied into <folder>/program finds it.
#include <cstdio>
#include <filesystem>
#include <string>

#include "make_big_game.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_big_game <folder> [--wine]\n");
        return 2;
    }
    std::string root = std::filesystem::absolute(argv[1]).lexically_normal().string();
    if (!root.empty() && root.back() == '/') root.pop_back();
    std::string stored;
    if (argc > 2 && std::string(argv[2]) == "--wine") {
        stored = "Z:" + root + "/gpl";
        for (char& c : stored)
            if (c == '/') c = '\\';
    }
    gridmate::bench::BigGame game = gridmate::bench::makeBigGame(root, {}, stored);
    std::printf("game folder %s\nsettings    %s\n", game.game.c_str(), game.settings.c_str());
    return 0;
}
