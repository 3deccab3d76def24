#include "core/game/wing_store.h"

#include "core/numeric.h"

namespace gridmate {

std::string wingKey(const std::string& track) { return "wing_" + track; }

std::string formatWings(const WingValues& w) {
    return std::to_string(w.frontInstalled) + "," + std::to_string(w.frontAngle) + "," +
           std::to_string(w.rearInstalled) + "," + std::to_string(w.rearAngle);
}

std::optional<std::array<std::optional<int>, 4>> parseStoredWings(const std::string& stored) {
    if (stored.empty() || stored.find(',') == std::string::npos) return std::nullopt;
    std::array<std::optional<int>, 4> fields;
    size_t start = 0;
    for (size_t i = 0; i < fields.size() && start <= stored.size(); ++i) {
        size_t comma = stored.find(',', start);
        std::string field =
            stored.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        fields[i] = parseWholeNumber(field);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return fields;
}

}  // namespace gridmate
