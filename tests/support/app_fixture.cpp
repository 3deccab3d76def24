#include "support/app_fixture.h"

namespace gridmate::test {

namespace {
platform::Platform withUi(platform::Ui& ui) {
    platform::Platform p;
    p.ui = &ui;
    return p;
}
}  // namespace

AppFixture::AppFixture()
    : temp("gm-app"),
      scopedPlatform(withUi(ui)),
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
