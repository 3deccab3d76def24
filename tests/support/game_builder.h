// Builds a small game folder in a temporary folder, its files in the game's own line
// layout, for the window's tests.
#pragma once

#include <map>
#include <string>

#include "platform/platform.h"
#include "support/temp_folder.h"

namespace gridmate::test {

struct PlayerSeason {
    std::string first = "Jim";
    std::string last = "Clark";
    std::string helmet = "13";
    std::string team = "3";
    std::string track = "monza";
    std::string detailBias = "60";
};

class GameBuilder {
public:
    GameBuilder(const TempFolder& temp, std::string folder) : temp_(temp), folder_(std::move(folder)) {}

    std::string path() const { return temp_.file(folder_); }
    std::string file(const std::string& relative) const { return temp_.file(folder_ + "/" + relative); }

    GameBuilder& appIni(const std::string& lastPlayer, const std::string& lastRasterizer = "");
    GameBuilder& coreIni(const std::string& fullScreen = "1", const std::string& steer = "1");
    GameBuilder& wingsIni(const std::string& frontInstalled, const std::string& frontAngle,
                          const std::string& rearInstalled, const std::string& rearAngle);
    // The player's file of `season` (0 player.ini, 1 plac65.ini, 2 pla69w.ini).
    GameBuilder& player(const std::string& folder, int season, const PlayerSeason& values = {});
    GameBuilder& trackFolder(const std::string& track);
    GameBuilder& raw(const std::string& relative, const std::string& bytes);

private:
    const TempFolder& temp_;
    std::string folder_;
};

// Version resources by file name, for rasterizer discovery without real DLLs.
class FakeVersionInfo : public platform::VersionInfo {
public:
    std::map<std::string, std::string> privateBuild;  // file name -> marker text

    std::optional<Translation> firstTranslation(const std::string& path) override;
    std::optional<std::string> stringValue(const std::string& path, const Translation&,
                                           const std::string& name) override;
};

}  // namespace gridmate::test
