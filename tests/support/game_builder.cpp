#include "support/game_builder.h"

#include "core/game/seasons.h"
#include "core/ini/line_layout.h"
#include "platform/paths.h"

namespace gridmate::test {

namespace {
std::string crlf(std::initializer_list<std::string> lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}
}  // namespace

GameBuilder& GameBuilder::appIni(const std::string& lastPlayer, const std::string& lastRasterizer) {
    temp_.write(folder_ + "/app.ini",
                crlf({"[ Player ]", composeLine(GameKey::LastPlayer, lastPlayer),
                      "numPlayers = 2", "", "[ Graphics ]",
                      composeLine(GameKey::LastRasterizerDLL, lastRasterizer), ""}));
    return *this;
}

GameBuilder& GameBuilder::coreIni(const std::string& fullScreen, const std::string& steer) {
    temp_.write(folder_ + "/core.ini",
                crlf({"[ Rasterizer ]", "fullScreen = " + fullScreen, "", "[ Hack ]",
                      composeLine(GameKey::SteerRatio, steer), ""}));
    return *this;
}

GameBuilder& GameBuilder::wingsIni(const std::string& frontInstalled, const std::string& frontAngle,
                                   const std::string& rearInstalled, const std::string& rearAngle) {
    temp_.write(folder_ + "/wg69i.ini",
                crlf({"[Wings]", composeLine(GameKey::FrontWingInstalled, frontInstalled),
                      composeLine(GameKey::FrontWingAngle, frontAngle),
                      composeLine(GameKey::RearWingInstalled, rearInstalled),
                      composeLine(GameKey::RearWingAngle, rearAngle)}));
    return *this;
}

GameBuilder& GameBuilder::player(const std::string& folder, int season, const PlayerSeason& v) {
    temp_.write(folder_ + "/players/" + folder + "/" + gridmate::season(int16_t(season)).playerFile,
                crlf({"[ Personal Information ]", "firstName = " + v.first + "\t; first name",
                      "lastName = " + v.last + "\t; last name",
                      composeLine(GameKey::HelmetColor, v.helmet),
                      composeLine(GameKey::Team, v.team),
                      composeLine(GameKey::LastTrackSelection, v.track), "",
                      "[ Graphic Options ]", composeLine(GameKey::DetailBias, v.detailBias), ""}));
    return *this;
}

GameBuilder& GameBuilder::trackFolder(const std::string& track) {
    temp_.folder(folder_ + "/tracks/" + track);
    return *this;
}

GameBuilder& GameBuilder::raw(const std::string& relative, const std::string& bytes) {
    temp_.write(folder_ + "/" + relative, bytes);
    return *this;
}

std::optional<platform::VersionInfo::Translation> FakeVersionInfo::firstTranslation(
    const std::string& path) {
    if (!privateBuild.count(platform::fileName(path))) return std::nullopt;
    return Translation{0x0409, 0x04B0};
}

std::optional<std::string> FakeVersionInfo::stringValue(const std::string& path,
                                                        const Translation&,
                                                        const std::string& name) {
    auto found = privateBuild.find(platform::fileName(path));
    if (name != "PrivateBuild" || found == privateBuild.end()) return std::nullopt;
    return found->second;
}

}  // namespace gridmate::test
