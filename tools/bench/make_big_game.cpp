#include "make_big_game.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "support/pe_builder.h"

namespace gridmate::bench {

namespace fs = std::filesystem;

namespace {

void write(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::string number(int n, int width) {
    std::string text = std::to_string(n);
    return std::string(text.size() < size_t(width) ? width - text.size() : 0, '0') + text;
}

std::string trackName(int n) { return "trk" + number(n, 3); }

// A player's season file in the game's own layout: comments after the values and
// blank lines between the sections, as the game writes them.
std::string playerIni(int player, int season) {
    std::string n = std::to_string(player);
    return "[ Personal Information ]\r\nfirstName = First" + n + "\t; first name\r\n"
           "lastName = Last" + n + "\t; last name\r\n"
           "nationality = 0\t; driver nationality\r\n"
           "helmetColor = " + std::to_string((player + season) % 16) + "\t; helmet colour\r\n"
           "team = " + std::to_string(player % 7) + "\t; team\r\n"
           "lastTrackSelection = " + trackName((player * 7 + season) % 64) +
           "\t; last track\r\n\r\n"
           "[ Graphic Options ]\r\ndetailBias = " + std::to_string(40 + player % 60) +
           "\t; detail bias\r\n\r\n"
           "[ Sound Options ]\r\nvolume = 80\r\nengineVolume = 70\r\n";
}

std::string schedule(int events, int offset, int trackFolders) {
    std::string text = "[Season]\r\nnumEvents=" + std::to_string(events) + "\r\n";
    for (int e = 1; e <= events; ++e) text += scheduleEvent(e, trackName((e + offset) % trackFolders));
    return text;
}

}  // namespace

std::string scheduleEvent(int n, const std::string& track) {
    return "\r\n[Event" + std::to_string(n) + "]\r\nname=" + track + " Grand Prix\r\nshortname=" +
           track + "\r\ntrackDirectory=" + track + "\r\nmonth=" + std::to_string(n % 12 + 1) +
           "\r\nday=" + std::to_string(n % 28 + 1) + "\r\nnumberOfLaps=" +
           std::to_string(30 + n % 70) + "\r\nstartingGrid=" + std::to_string(12 + n % 10) +
           "\r\n";
}

std::string dllWithPrivateBuild(const std::string& privateBuild, size_t size) {
    std::u16string marker(privateBuild.begin(), privateBuild.end());
    test::Strings strings{{"FileDescription", u"Benchmark DLL"}, {"PrivateBuild", marker}};
    std::string image =
        test::buildPeWithVersion(test::encode(test::versionInfo(0x0409, 0x04B0, strings))).bytes;
    if (image.size() < size) image.resize(size, '\xCC');
    return image;
}

BigGame makeBigGame(const std::string& rootText, const BigGameShape& shape,
                    const std::string& storedGamePath) {
    fs::path root(rootText);
    BigGame g;
    g.root = root.string();
    g.game = (root / "gpl").string();
    g.program = (root / "program").string();
    g.settings = (root / "program" / "tarmac.ini").string();
    g.database = (root / "db" / "all.67s").string();
    g.lastPlayer = "player" + number(shape.players / 2, 4);
    g.installedSet = "Set" + number(shape.trackSets / 3, 4);
    fs::path gpl(g.game);

    write(gpl / "app.ini", "[ Player ]\r\nlastPlayer = " + g.lastPlayer +
                               "\t; last player\r\nnumPlayers = " + std::to_string(shape.players) +
                               "\r\n\r\n[ Graphics ]\r\nlastRasterizerDLL = rast0004.dll\r\n");
    write(gpl / "core.ini", "[ Rasterizer ]\r\nfullScreen = 1\r\n\r\n[ Hack ]\r\nsteer_ratio = 1\r\n");
    write(gpl / "wg69i.ini", "[Wings]\r\nfrontWingInstalled = 1\r\nfrontWingAngle = 5\r\n"
                             "rearWingInstalled = 1\r\nrearWingAngle = 10\r\n");
    static const char* const playerFiles[] = {"player.ini", "plac65.ini", "pla69w.ini"};
    for (int p = 0; p < shape.players; ++p)
        for (int s = 0; s < 3; ++s)
            write(gpl / "players" / ("player" + number(p, 4)) / playerFiles[s], playerIni(p, s));
    for (int t = 0; t < shape.trackFolders; ++t) fs::create_directories(gpl / "tracks" / trackName(t));
    for (int s = 0; s < shape.trackSets; ++s) {
        // Sets differ in their number of events, as real ones do (and so in size); the
        // closing comment keeps sets apart whose tracks repeat.
        std::string set = schedule(shape.eventsPerSet - s % 16, s, shape.trackFolders) +
                          "; set " + std::to_string(s) + "\r\n";
        write(gpl / "seasons" / ("Set" + number(s, 4) + ".67s"), set);
        if ("Set" + number(s, 4) == g.installedSet) write(gpl / "seasons" / "67season.ini", set);
    }
    for (int d = 0; d < shape.dlls; ++d) {
        std::string marker = d % 4 == 0 ? "type=rasterizer\r\ndisplayname=Raster " +
                                              std::to_string(d) + "\r\nversion=1"
                                        : "type=plugin\r\nname=Plugin " + std::to_string(d) +
                                              "\r\nversion=1";
        size_t size = d < shape.bigDlls ? shape.bigDllBytes : 0;
        write(gpl / ("rast" + number(d, 4) + ".dll"), dllWithPrivateBuild(marker, size));
    }
    write(g.database, schedule(shape.databaseEvents, 0, shape.trackFolders + 50));
    write(g.settings, "[gridmate]\r\npath=" + (storedGamePath.empty() ? g.game : storedGamePath) +
                          "\r\nmod=67\r\nshowoption=1\r\nSaveLastPlayer=0\r\n67s=" + g.database +
                          "\r\n");
    return g;
}

}  // namespace gridmate::bench
