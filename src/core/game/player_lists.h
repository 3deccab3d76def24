// The fixed lists of the season panels: the value the game stores for a helmet colour
// or a team is the position in these lists.
#pragma once

#include <array>
#include <cstdint>

namespace gridmate {

constexpr int kHelmetCount = 16;
constexpr int kTeamCount = 7;

const std::array<const char*, kHelmetCount>& helmetColours();
const std::array<const char*, kTeamCount>& teams(int16_t seasonIndex);

}  // namespace gridmate
