#include "launch/game_command.h"

#include "platform/platform.h"

namespace gridmate::launch {

namespace {
std::string option(const std::string& body) { return " -ko\"" + body + "\""; }
}  // namespace

std::string gameParameters(const GameChoice& choice) {
    std::string rasterizer = platform::codePage().lowerCase(choice.rasterizerFile);
    std::string parameters = option("10:player:lastplayer:" + choice.player);
    if (choice.join) {
        parameters += option("0:client:to_ip:" + choice.address);
        parameters += option("0:client:via_ip:" + choice.address);
    }
    parameters += option("10:graphics:lastrasterizerdll:" + rasterizer);
    parameters += option("0:rasterizer:fullscreen:" + std::to_string(choice.fullScreen));
    return parameters;
}

}  // namespace gridmate::launch
