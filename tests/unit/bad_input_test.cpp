// Inputs a player's machine can hold that the program did not write: huge, garbled or
// oddly named files, deep folders, and settings full of huge values. Each is met with
// the program's ordinary outcome: nothing crashes, nothing outside the game folder is
// touched, and the files are patched byte for byte or left alone.
#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "core/ini/game_ini.h"
#include "core/ini/line_layout.h"
#include "support/app_fixture.h"
#include "support/schedule_files.h"

using namespace gridmate;
using namespace gridmate::test;

namespace {

// Bytes no text editor wrote: every byte value, NULs, bare CRs, brackets and "=" among
// them, the same for every run.
std::string garbage(size_t size, unsigned seed) {
    std::mt19937 rng(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(rng() % 256);
    for (size_t i = 0; i < size; i += 37) bytes[i] = "\0\r\n[]= ;"[rng() % 8];
    return bytes;
}

class BadInput : public AppFixture {
protected:
    void standardGame() {
        jimsGame();
        for (auto t : {"monaco", "spa", "rouen"}) gameFiles.trackFolder(t);
        gameFiles.raw("seasons/67season.ini", scheduleText({event("monaco", 1), event("spa", 2)}));
    }
};

TEST(HugeIni, A100MegabyteFileIsReadAndPatchedChangingOneLine) {
    TempFolder temp("gm-huge");
    // Long comment lines keep the file large but its line count modest.
    const std::string filler = "; " + std::string(4094, 'x') + "\r\n";
    std::string text = "[ Personal Information ]\r\nfirstName = Jim\r\n";
    text.reserve(100u << 20);
    while (text.size() < (100u << 20)) text += filler;
    const std::string head = text;
    text += composeLine(GameKey::HelmetColor, "13") + "\r\n\r\n[ Graphic Options ]\r\n";
    const std::string file = temp.write("player.ini", text);
    ScriptedUi ui;
    platform::Platform p;
    p.ui = &ui;
    platform::ScopedPlatform scoped(p);

    auto start = std::chrono::steady_clock::now();
    std::string value;
    EXPECT_GT(lngReadIniValue(file, "[ Personal Information ]", "helmetColor", value), 0);
    EXPECT_EQ(value, "13");
    EXPECT_EQ(writeGameKey(file, GameKey::HelmetColor, "9"), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_TRUE(readBytes(file) ==
                head + composeLine(GameKey::HelmetColor, "9") + "\r\n\r\n[ Graphic Options ]\r\n");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(BadInput, GarbageInEveryFileTheProgramReadsLoadsWithoutWritingAndStaysUsable) {
    standardGame();
    gameFiles.raw("seasons/Junk.67s", garbage(5000, 7));
    for (auto dll : {"rend_a.dll", "rend_b.dll"}) gameFiles.raw(dll, garbage(3000, 8));
    const Texts files = {"app.ini", "core.ini", "wg69i.ini", "players/Jim/player.ini",
                         "players/Jim/plac65.ini", "players/Jim/pla69w.ini",
                         "seasons/67season.ini", "seasons/Junk.67s", "rend_a.dll", "rend_b.dll"};
    Texts before;
    for (size_t i = 0; i < files.size(); ++i) {
        if (i < 7) gameFiles.raw(files[i], garbage(4000 + i, unsigned(i)));
        before.push_back(readBytes(gameFiles.file(files[i])));
    }
    // tarmac.ini too, but for the game folder, so that the load reaches the game files.
    temp.write("program/tarmac.ini", garbage(3000, 99) + "\r\n[gridmate]\r\npath=" + game + "\r\n");
    platform::Platform real;
    real.versionInfo = platform::nativePlatform().versionInfo;  // the DLLs read for real
    platform::ScopedPlatform dlls(real);

    auto& w = load();
    ASSERT_TRUE(loaded);
    for (size_t i = 0; i < files.size(); ++i) EXPECT_EQ(gameBytes(files[i]), before[i]) << files[i];
    // The settings load as defaults.
    EXPECT_EQ(w.currentSeason(), 0);
    EXPECT_TRUE(w.chkForceFullscreen4NonD3D->checked());
    EXPECT_EQ(w.cboPlayer->items(), Texts{"Jim"});
    EXPECT_EQ(w.cboTrackSets->items(), Texts{"Junk"});
    EXPECT_EQ(w.RastList.size(), 0u);
    // Usable: a helmet choice patches the garbled player file by inserting its line.
    ui.messages.clear();
    w.cboPlayer->setSelectedIndex(0);
    w.cboHelmet[0].setSelectedIndex(4);
    EXPECT_NE(readBytes(gameFiles.file("players/Jim/player.ini")), before[3]);
    EXPECT_TRUE(ui.messages.empty());
    close();
    EXPECT_EQ(storedSetting("path"), game);
}

TEST_F(BadInput, AByteOrderMarkStaysAndOnlyTheKeysLineChanges) {
    standardGame();
    const std::string bom = "\xEF\xBB\xBF";
    std::string text = bom + "; written by an editor\r\n" + readBytes(gameFiles.file("players/Jim/player.ini"));
    gameFiles.raw("players/Jim/player.ini", text);
    auto& w = load();
    w.cboTeam[0].setSelectedIndex(2);
    std::string expected = text;
    std::string oldLine = composeLine(GameKey::Team, "3");
    expected.replace(expected.find(oldLine), oldLine.size(), composeLine(GameKey::Team, "2"));
    EXPECT_EQ(readBytes(gameFiles.file("players/Jim/player.ini")), expected);
}

TEST_F(BadInput, AccentedBlankAndDoubleByteNamesReachTheirOwnFiles) {
    standardGame();
    const std::string accented = "Jos\xE9 Mar\xED" "a";       // Windows-1252
    const std::string doubleByte = "\x83\x65\x83\x58\x83\x67";  // Shift-JIS "test"
    gameFiles.player(accented, 0).player(doubleByte, 0);
    gameFiles.raw("seasons/Saison \xE9t\xE9.67s", scheduleText({event("rouen", 7)}));
    gameFiles.raw("seasons/" + doubleByte + ".67s", scheduleText({event("spa", 8)}));
    auto& w = load();
    std::string others = gameBytes("players/Jim/player.ini");
    for (const std::string& name : {accented, doubleByte}) {
        pick(*w.cboPlayer, name);
        ASSERT_EQ(w.selectedPlayer(), name);
        w.cboHelmet[0].setSelectedIndex(7);
        EXPECT_NE(readBytes(gameFiles.file("players/" + name + "/player.ini"))
                      .find(composeLine(GameKey::HelmetColor, "7")),
                  std::string::npos);
    }
    EXPECT_EQ(gameBytes("players/Jim/player.ini"), others);
    ui.answers.push_back(platform::Answer::Yes);
    pick(*w.cboTrackSets, doubleByte);
    EXPECT_EQ(gameBytes("seasons/67season.ini"), scheduleText({event("spa", 8)}));
}

TEST_F(BadInput, AGameFolderDeeperThan260CharactersIsLoadedAndPatched) {
    GameBuilder deep(temp, std::string(120, 'd') + "/" + std::string(120, 'e') + "/gpl");
    deep.appIni("Jim").coreIni().wingsIni("1", "12", "0", "8");
    for (int s = 0; s < 3; ++s) deep.player("Jim", s);
    deep.trackFolder("spa").raw("seasons/67season.ini", "");
    deep.raw("seasons/Spa.67s", scheduleText({event("spa", 3)}));
    ASSERT_GT(deep.file("players/Jim/player.ini").size(), 260u);
    setting("path", deep.path());
    auto& w = load();
    ASSERT_TRUE(loaded);
    EXPECT_EQ(w.cboPlayer->items(), Texts{"Jim"});
    w.cboHelmet[0].setSelectedIndex(5);
    EXPECT_NE(readBytes(deep.file("players/Jim/player.ini"))
                  .find(composeLine(GameKey::HelmetColor, "5")),
              std::string::npos);
    w.cboTrackSets->setSelectedIndex(0);
    EXPECT_EQ(readBytes(deep.file("seasons/67season.ini")), scheduleText({event("spa", 3)}));
    EXPECT_EQ(ui.messageTexts(), Texts{});
}

TEST_F(BadInput, SettingsWithTenThousandKeysAndAMegabyteValueLoadAndSurviveTheClose) {
    standardGame();
    std::string text = "[gridmate]\r\npath=" + game + "\r\n67s=" + std::string(1 << 20, 'p') + "\r\n";
    for (int i = 0; i < 10000; ++i) text += "k" + std::to_string(i) + "=v" + std::to_string(i) + "\r\n";
    temp.write("program/tarmac.ini", text);
    auto& w = load();
    ASSERT_TRUE(loaded);
    EXPECT_EQ(w.txtGPLPath->text(), game);
    close();
    std::string after = readBytes(settingsFile);
    EXPECT_EQ(after.substr(0, text.size()), text);  // every key kept, the new ones after
    EXPECT_EQ(storedSetting("k9999"), "v9999");
    EXPECT_EQ(storedSetting("showoption"), "0");
}

TEST_F(BadInput, AMegabytePathNamesNoGameAndTheLoadReportsTheMissingFiles) {
    std::string huge = std::string(1 << 20, 'p');
    setting("path", huge);
    auto& w = load();
    ASSERT_TRUE(loaded);
    EXPECT_EQ(w.txtGPLPath->text(), huge);
    EXPECT_EQ(w.cboPlayer->count(), 0);
    EXPECT_EQ(ui.messageTexts(), (Texts{"could not found seasons folder", "could not found app.ini",
                                        "app.ini not found in your gpl folder."}));
    close();
    EXPECT_EQ(storedSetting("path"), huge);
}

}  // namespace
