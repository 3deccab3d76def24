// The three seasons that live in one game folder. The index is the season's identity
// everywhere: 0 = 1967, 1 = 1965, 2 = 1969.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace gridmate {

struct Season {
    int16_t index;
    const char* year;           // caption of the season's option button
    const char* code;           // value of "mod" in the settings file
    const char* executable;     // in the game folder
    const char* playerFile;     // in the player's folder
    const char* launchCaption;  // caption of the launch button
    const char* launchTooltip;
    const char* launchError;    // shown when starting the executable fails
    const char* panelTooltip;   // the season panel and its lists
    bool hasWings;
};

constexpr int16_t kSeasonCount = 3;

const std::array<Season, kSeasonCount>& seasons();
const Season& season(int16_t index);

}  // namespace gridmate
