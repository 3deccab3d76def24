#include "core/game/player_lists.h"

#include <cstddef>

namespace gridmate {

const std::array<const char*, kHelmetCount>& helmetColours() {
    // "gray, mediumd" is how the game's players know it; kept as it is.
    static const std::array<const char*, kHelmetCount> list{
        "black",       "blue, dark", "green, dark",  "gold",
        "lavender",    "blue, light", "gray, light", "green, light",
        "blue, medium", "gray, mediumd", "orange",   "pink",
        "purple",      "red",        "white",        "yellow"};
    return list;
}

const std::array<const char*, kTeamCount>& teams(int16_t seasonIndex) {
    static const std::array<std::array<const char*, kTeamCount>, 3> lists{{
        {"Brabham", "BRM", "Cooper", "Eagle", "Ferrari", "Lotus", "Honda"},
        {"Brabham BT11", "BRM P261", "Cooper T77", "Brabham BT7", "Ferrari 512", "Lotus 33",
         "Honda RA272"},
        {"Brabham BT26", "BRM P126/139", "Lotus 63", "Mclaren M7", "Ferrari 312", "Lotus 49B",
         "Matra MS80"},
    }};
    return lists.at(static_cast<size_t>(seasonIndex));
}

}  // namespace gridmate
