// The main window on a small game folder beside the program's settings, with a scripted
// user: the base of the window tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>

#include "app/pitboard.h"
#include "core/ini/line_layout.h"
#include "platform/paths.h"
#include "support/schedule_files.h"
#include "support/scripted_ui.h"
#include "support/temp_folder.h"

namespace gridmate::test {

using Texts = std::vector<std::string>;
using Files = std::map<std::string, std::string>;  // "gpl/app.ini" -> bytes, "empty/" -> ""

// Every file and empty folder under `folder`, in whose contents `folder` reads "<temp>".
inline Files snapshot(const std::string& folder) {
    namespace fs = std::filesystem;
    Files files;
    for (auto& e : fs::recursive_directory_iterator(folder)) {
        std::string name = fs::relative(e.path(), folder).generic_string();
        std::string b = e.is_directory() ? "" : readBytes(e.path().string());
        for (size_t at; (at = b.find(folder)) != std::string::npos;) b.replace(at, folder.size(), "<temp>");
        if (!e.is_directory() || fs::is_empty(e.path())) files[e.is_directory() ? name + "/" : name] = b;
    }
    return files;
}

// What changed from `before` to `after`: new bytes, "<missing>" for what went.
inline Files changes(const Files& before, const Files& after) {
    Files changed;
    for (const auto& [name, b] : after)
        if (!before.count(name) || before.at(name) != b) changed[name] = b;
    for (const auto& [name, b] : before)
        if (!after.count(name)) changed[name] = "<missing>";
    return changed;
}

// `text` with the line of `key` replaced as the program writes it.
inline std::string patched(std::string text, GameKey key, const std::string& value) {
    size_t at = text.find("\n" + std::string(gameKeyInfo(key).name) + " ") + 1;
    return text.replace(at, text.find('\r', at) - at, composeLine(key, value));
}

// A schedule as the profile functions write it back: without blank lines.
inline std::string profileWritten(const std::vector<EventSpec>& events) {
    std::string text = scheduleText(events);
    for (size_t at; (at = text.find("\r\n\r\n")) != std::string::npos;) text.erase(at, 2);
    return text;
}

inline std::string playerIni(const std::string& bias, const std::string& track = "monza") {
    return "[ Personal Information ]\r\nfirstName = Jim\r\nlastName = Clark\r\nhelmetColor = 13\r\nteam = 3\r\n"
           "lastTrackSelection = " + track + "\r\n\r\n[ Graphic Options ]\r\ndetailBias = " + bias + "\r\n";
}

// Version resources by file name: the PrivateBuild text of the first translation.
struct FakeVersionInfo : platform::VersionInfo {
    std::map<std::string, std::string> privateBuild;
    std::optional<Translation> firstTranslation(const std::string& path) override {
        if (!privateBuild.count(platform::fileName(path))) return std::nullopt;
        return Translation{0x0409, 0x04B0};
    }
    std::optional<std::string> stringValue(const std::string& path, const Translation&,
                                           const std::string& name) override {
        auto found = privateBuild.find(platform::fileName(path));
        if (name != "PrivateBuild" || found == privateBuild.end()) return std::nullopt;
        return found->second;
    }
};

// The game: app.ini (Jim, rend_d3d.dll), core.ini (windowed, steering on), wg69i.ini
// (front wing at 12, rear off at 8), Jim in every season (bias 40, 60, 80), Anna in 1965
// only, four tracks, the schedule saved as Original.67s beside Short.67s, rasterizers
// OpenGL and Direct3D7 and a sound DLL. tarmac.ini names the game.
struct GameScene {
    GameScene() {
        temp.folder("program");
        setting("path", game);
        put("gpl/app.ini", "[ Player ]\r\nlastPlayer = Jim\r\nnumPlayers = 2\r\n\r\n[ Graphics ]\r\n"
                           "lastRasterizerDLL = rend_d3d.dll\r\n");
        put("gpl/core.ini", "[ Rasterizer ]\r\nfullScreen = 0\r\n\r\n[ Hack ]\r\nsteer_ratio = 1\r\n");
        put("gpl/wg69i.ini", "[Wings]\r\nfrontWingInstalled = 1\r\nfrontWingAngle = -12\r\n"
                             "rearWingInstalled = 0\r\nrearWingAngle = -8\r\n");
        for (auto [file, bias] : {std::pair{"player.ini", "40"}, {"plac65.ini", "60"}, {"pla69w.ini", "80"}})
            put(std::string("gpl/players/Jim/") + file, playerIni(bias));
        put("gpl/players/Anna/plac65.ini", playerIni("100", "spa"));
        for (auto t : {"monaco", "spa", "rouen", "monza"}) temp.folder(std::string("gpl/tracks/") + t);
        for (auto [file, text] : {std::pair{"67season.ini", original}, {"Original.67s", original},
                                  {"Short.67s", shortSet}})
            put(std::string("gpl/seasons/") + file, text);
        versions.privateBuild = {{"Rend_OGL.dll", "type=rasterizer\r\ndisplayname=OpenGL\r\n"},
                                 {"rend_d3d.dll", "type=rasterizer\r\ndisplayname=Direct3D7\r\n"},
                                 {"sound.dll", "type=sound\r\ndisplayname=Sound\r\n"}};
        for (const auto& [dll, marker] : versions.privateBuild) put("gpl/" + dll, "MZ");
    }
    app::Pitboard& load() {
        window = std::make_unique<app::Pitboard>(settings);
        loaded = window->Form_Load();
        window->modalHost = &host;
        return *window;
    }
    app::Pitboard& w() { return *window; }
    void close() { window->form().close(); }
    void setting(const std::string& key, const std::string& value) { settings.SetSetting(key, value); }
    std::string stored(const std::string& key) const { return settings.strGetSetting(key); }
    std::string bytes(const std::string& relative) const { return readBytes(temp.file(relative)); }
    void put(const std::string& relative, const std::string& bytes) { temp.write(relative, bytes); }
    void remove(const std::string& relative) { std::filesystem::remove_all(temp.file(relative)); }
    Files files() const { return snapshot(temp.path()); }
    static void pick(ui::ComboBox& box, const std::string& item) {
        auto at = std::find(box.items().begin(), box.items().end(), item);
        ASSERT_NE(at, box.items().end()) << item;
        box.setSelectedIndex(int(at - box.items().begin()));
    }
    // Selects as code does while the window is busy: no handler acts on it.
    void quietly(ui::ComboBox& box, const std::string& item) {
        window->blnUpdating = true;
        pick(box, item);
        window->blnUpdating = false;
    }

    TempFolder temp{"gm-app"};
    ScriptedUi ui;
    FakeVersionInfo versions;
    platform::ScopedPlatform scoped{{nullptr, nullptr, nullptr, &ui, &versions}};
    std::string game = temp.folder("gpl");
    app::Settings settings{temp.file("program/tarmac.ini")};
    ScriptedModalHost host;
    std::unique_ptr<app::Pitboard> window;
    bool loaded = false;
    const std::string original = scheduleText({event("monaco", 1), event("spa", 2), event("rouen", 3)});
    const std::string shortSet = scheduleText({event("monza", 4), event("spa", 5)});
};

struct AppTest : ::testing::Test, GameScene {};

}  // namespace gridmate::test
