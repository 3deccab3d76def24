#include "support/app_fixture.h"

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

app::Pitboard& AppFixture::load() {
    pitboard = std::make_unique<app::Pitboard>(settings);
    loaded = pitboard->Form_Load();
    return *pitboard;
}

}  // namespace gridmate::test
