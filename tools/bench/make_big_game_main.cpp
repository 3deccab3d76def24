// Writes the benchmarks' big game folder to disk:
//
//   make_big_game <folder> [--wine] [--small]
//
// With --wine, tarmac.ini stores the game folder as a Windows program under Wine sees
// it (Z: and backslashes), so that gridmate.exe copied into <folder>/program finds it.
// With --small, the folder has the same kinds of files, a few of each.
#include <cstdio>
#include <filesystem>
#include <string>

#include "make_big_game.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_big_game <folder> [--wine] [--small]\n");
        return 2;
    }
    std::string root = std::filesystem::absolute(argv[1]).lexically_normal().string();
    if (!root.empty() && root.back() == '/') root.pop_back();
    std::string stored;
    gridmate::bench::BigGameShape shape;
    for (int i = 2; i < argc; ++i) {
        std::string option = argv[i];
        if (option == "--wine") {
            stored = "Z:" + root + "/gpl";
            for (char& c : stored)
                if (c == '/') c = '\\';
        } else if (option == "--small") {
            shape = {5, 10, 64, 10, 4, 0, 0, 100};
        }
    }
    gridmate::bench::BigGame game = gridmate::bench::makeBigGame(root, shape, stored);
    std::printf("game folder %s\nsettings    %s\n", game.game.c_str(), game.settings.c_str());
    return 0;
}
