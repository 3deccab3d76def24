#include "e2e/game_folder.h"

#include <windows.h>

#include "e2e/driver.h"

namespace gridmate::e2e {

namespace {

std::string crlf(std::initializer_list<std::string> lines) {
    std::string out;
    for (const std::string& line : lines) out += line + "\r\n";
    return out;
}

// The value in a field of `width` characters, as the game pads it.
std::string padded(const std::string& value, size_t width) {
    return value + std::string(width > value.size() ? width - value.size() : 0, ' ');
}

bool copyInto(const std::string& from, const std::string& to) {
    return CopyFileA(windowsPath(from).c_str(), to.c_str(), FALSE) != FALSE;
}

}  // namespace

std::string trackSetText(const std::vector<std::string>& tracks) {
    std::string out = "[Season]\r\nnumEvents=" + std::to_string(tracks.size()) + "\r\n\r\n";
    int n = 0;
    for (const std::string& track : tracks) {
        out += "[Event" + std::to_string(++n) + "]\r\n";
        out += crlf({"name=" + track + " Grand Prix", "shortname=" + track,
                     "trackDirectory=" + track, "month=6", "day=4", "numberOfLaps=20",
                     "startingGrid=16", ""});
    }
    return out;
}

std::string appIniText() {
    return crlf({"[ Player ]",
                 "lastPlayer = Ann Driver                 \t; directory of the last player",
                 "numPlayers = 1                          \t; number of players", "",
                 "[ Graphics ]",
                 "lastRasterizerDLL = rend_ogl.dll        \t; Last rasterizer DLL selected", ""});
}

std::string coreIniText() {
    return crlf({"[ Rasterizer ]",
                 "fullScreen = 1                          \t; 1 = full screen, 0 = window", "",
                 "[ Hack ]", "steer_ratio = 0                             ; low speed ratio", ""});
}

std::string wingsIniText() {
    return crlf({"[Wings]", "frontWingInstalled = 1     ; 0 for no wing",
                 "frontWingAngle = -10        ; 0 or less", "rearWingInstalled = 1",
                 "rearWingAngle = -6          ; 0 or less", ""});
}

void addTrack(const test::TempFolder& temp, const std::string& relative, const std::string& track) {
    temp.write(relative + "/tracks/" + track + "/track.ini", crlf({"[ Track ]", "name = " + track}));
}

void addPlayer(const test::TempFolder& temp, const std::string& relative,
               const std::string& folder, const PlayerFields& fields,
               const std::vector<std::string>& seasonFiles) {
    const std::string player = relative + "/players/" + folder + "/";
    for (const std::string& file : seasonFiles) temp.write(player + file, playerFileText(fields));
}

bool copyStubGame(const std::string& name, const std::string& path) {
    return copyInto(std::string(GRIDMATE_E2E_STUB_GAMES) + "/" + name, path);
}

bool copyRasterizer(const std::string& dll, const std::string& folder) {
    return copyInto(std::string(GRIDMATE_E2E_FIXTURE_DLLS) + "/" + dll, folder + "\\" + dll);
}

std::string playerFileText(const PlayerFields& f) {
    return crlf(
        {"[ Personal Information ]", "firstName = " + padded(f.firstName, 28) + "\t; first name",
         "lastName = " + padded(f.lastName, 29) + "\t; last name",
         "helmetColor = " + padded(f.helmetColor, 26) + "\t; helmet color",
         "team = " + padded(f.team, 33) + "\t; team",
         "lastTrackSelection = " + padded(f.lastTrackSelection, 19) + "\t; last track visited", "",
         "[ Graphic Options ]",
         "detailBias = " + padded(f.detailBias, 26) +
             "\t; Distance at which the game draws in high detail",
         ""});
}

PlayerFields player1967() { return {"3", "2", "monza", "60"}; }

std::string makeGameFolder(const test::TempFolder& temp, const std::string& relative) {
    const std::string root = relative + "/";
    // The executables are only started by the program, never read: any bytes serve.
    temp.write(root + "gpl.exe", "MZ synthetic 1967 game");
    temp.write(root + "gplc65.exe", "MZ synthetic 1965 game");
    temp.write(root + "gpl69w.exe", "MZ synthetic 1969 game");
    temp.write(root + "app.ini", appIniText());
    temp.write(root + "core.ini", coreIniText());
    temp.write(root + "wg69i.ini", wingsIniText());
    const std::string player = root + "players/" + kPlayer + "/";
    temp.write(player + "player.ini", playerFileText(player1967()));
    temp.write(player + "plac65.ini", playerFileText({"5", "1", "spa", "40"}));
    temp.write(player + "pla69w.ini", playerFileText({"7", "4", "monza", "100"}));
    temp.folder(player + "setups");
    temp.write(root + "seasons/67season.ini", trackSetText({"monza", "spa"}));
    temp.write(root + "seasons/Two tracks.67s", trackSetText({"monza", "spa"}));
    temp.write(root + "tracks/monza/track.ini", crlf({"[ Track ]", "name = monza"}));
    temp.write(root + "tracks/spa/track.ini", crlf({"[ Track ]", "name = spa"}));
    return temp.file(relative);
}

}  // namespace gridmate::e2e
