#include "support/app_fixture.h"

#include <algorithm>

namespace gridmate::test {

namespace {
platform::Platform scripted(platform::Ui& ui, platform::VersionInfo& versions) {
    platform::Platform p;
    p.ui = &ui;
    p.versionInfo = &versions;
    return p;
}
}  // namespace

AppFixture::AppFixture()
    : temp("gm-app"),
      scopedPlatform(scripted(ui, versions)),
      game(temp.folder("gpl")),
      settingsFile(temp.file("program/tarmac.ini")),
      settings(settingsFile) {
    temp.folder("program");
}

void AppFixture::setting(const std::string& key, const std::string& value) {
    settings.SetSetting(key, value);
}

std::string AppFixture::storedSetting(const std::string& key) const {
    return settings.strGetSetting(key);
}

void AppFixture::jimsGame() {
    knownGameFolder();
    gameFiles.appIni("Jim").coreIni().wingsIni("1", "12", "0", "8");
    for (int s = 0; s < 3; ++s) gameFiles.player("Jim", s);
}

void AppFixture::pick(ui::ComboBox& box, const std::string& item) {
    const auto& items = box.items();
    auto at = std::find(items.begin(), items.end(), item);
    ASSERT_NE(at, items.end()) << item;
    box.setSelectedIndex(static_cast<int>(at - items.begin()));
}

app::Pitboard& AppFixture::load() {
    pitboard = std::make_unique<app::Pitboard>(settings);
    loaded = pitboard->Form_Load();
    return *pitboard;
}

}  // namespace gridmate::test
