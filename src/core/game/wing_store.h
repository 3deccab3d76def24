// The wings kept per track in the settings file: "wing_" + the track, and four whole
// numbers separated by commas (front installed, front angle, rear installed, rear
// angle), e.g. "1,20,0,35".
#pragma once

#include <array>
#include <optional>
#include <string>

namespace gridmate {

struct WingValues {
    int frontInstalled = 0;
    int frontAngle = 0;
    int rearInstalled = 0;
    int rearAngle = 0;
};

std::string wingKey(const std::string& track);
std::string formatWings(const WingValues& wings);

// The four fields of a stored value in order; a field that is missing or not a number
// is empty. An empty value, or one without a comma, gives nullopt: nothing to load.
std::optional<std::array<std::optional<int>, 4>> parseStoredWings(const std::string& stored);

}  // namespace gridmate
