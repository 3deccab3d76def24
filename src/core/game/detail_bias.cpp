#include "core/game/detail_bias.h"

namespace gridmate {

int DetailBiasToStep(int32_t p) {
    if (p >= 100) return 5;
    if (p >= 75) return 4;
    if (p >= 51) return 3;
    if (p >= 24) return 2;
    if (p >= 1) return 1;
    return 0;
}

}  // namespace gridmate
