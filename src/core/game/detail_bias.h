// The detail-bias slider: six steps of 20 %. Stored percentages map to steps by bands
// that are not centred on the written values (50 is step 2, 51 step 3), as the game's
// players know them.
#pragma once

#include <cstdint>

namespace gridmate {

constexpr int kDetailSteps = 5;  // the slider runs 0 .. 5

int DetailBiasToStep(int32_t percentage);
constexpr int32_t stepPercentage(int step) { return step * 20; }

}  // namespace gridmate
