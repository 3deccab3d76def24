// A main window on a temporary game folder with a scripted user: the base of the
// controller tests.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/pitboard.h"
#include "app/settings.h"
#include "platform/platform.h"
#include "support/game_builder.h"
#include "support/scripted_ui.h"
#include "support/temp_folder.h"

namespace gridmate::test {

class AppFixture : public ::testing::Test {
protected:
    AppFixture();

    // Writes one key of the program's settings file before the window loads.
    void setting(const std::string& key, const std::string& value);
    std::string storedSetting(const std::string& key) const;
    // Stores the game folder, so that the load does not ask for it.
    void knownGameFolder() { setting("path", game); }

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
