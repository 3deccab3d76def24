#include "core/game/seasons.h"

namespace gridmate {

const std::array<Season, kSeasonCount>& seasons() {
    static const std::array<Season, kSeasonCount> table{{
        {0, "1967", "67", "gpl.exe", "player.ini", "GPL67", "launch gpl.exe",
         "gpl launch eror", "changes will be saved to player.ini for selected player", false},
        {1, "1965", "65", "gplc65.exe", "plac65.ini", "GPL65", "launch gplc65.exe",
         "gpl65 launch eror", "changes will be saved to plac65.ini for selected player", false},
        {2, "1969", "69", "gpl69w.exe", "pla69w.ini", "GPL69", "launch gpl69w.exe",
         "gpl69 launch eror", "changes will be saved to pla69w.ini for selected player", true},
    }};
    return table;
}

const Season& season(int16_t index) { return seasons().at(static_cast<size_t>(index)); }

}  // namespace gridmate
