// A main window on a temporary game folder with a scripted user: the base of the
// controller tests.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/pitboard.h"
#include "app/settings.h"
#include "platform/platform.h"
#include "support/game_builder.h"
#include "support/scripted_ui.h"
#include "support/temp_folder.h"

namespace gridmate::test {

using Texts = std::vector<std::string>;

class AppFixture : public ::testing::Test {
protected:
    AppFixture();

    // Writes one key of the program's settings file before the window loads.
    void setting(const std::string& key, const std::string& value);
    std::string storedSetting(const std::string& key) const;
    // Stores the game folder, so that the load does not ask for it.
    void knownGameFolder() { setting("path", game); }
    // The usual game, stored: app.ini naming Jim, core.ini, the wings (front installed at
    // 12, rear off at 8) and Jim's file of each season.
    void jimsGame();
    std::string gameBytes(const std::string& relative) const {
        return readBytes(gameFiles.file(relative));
    }
    // Selects `item` in `box`; a failure when the box does not list it.
    static void pick(ui::ComboBox& box, const std::string& item);

    // Creates the window and runs its load sequence; `loaded` tells its result.
    app::Pitboard& load();
    app::Pitboard& window() { return *pitboard; }
    void close() { pitboard->form().close(); }

    TempFolder temp;
    ScriptedUi ui;
    FakeVersionInfo versions;
    platform::ScopedPlatform scopedPlatform;
    std::string game;           // the game folder
    GameBuilder gameFiles{temp, "gpl"};
    std::string settingsFile;   // tarmac.ini beside the "program"
    app::Settings settings;
    std::unique_ptr<app::Pitboard> pitboard;
    bool loaded = false;
};

}  // namespace gridmate::test
