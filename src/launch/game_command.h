// The command line a season's game is started with: "-ko" options that override the
// game's stored player, rasterizer, full-screen choice and, for network play, the host.
#pragma once

#include <string>

namespace gridmate::launch {

struct GameChoice {
    std::string player;          // the player's folder name, as it is
    bool join = false;           // joining a network game
    std::string address;         // the host, verbatim (also when empty)
    std::string rasterizerFile;  // passed in lower case
    int fullScreen = 0;          // 0 or 1
};

// Every option is a blank, -ko and the option in double quotes:
//  -ko"10:player:lastplayer:P" [-ko"0:client:to_ip:A" -ko"0:client:via_ip:A"]
//  -ko"10:graphics:lastrasterizerdll:f" -ko"0:rasterizer:fullscreen:N"
std::string gameParameters(const GameChoice& choice);

}  // namespace gridmate::launch
