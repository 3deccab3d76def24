#include "core/tracksets/schedule.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "core/numeric.h"
#include "platform/platform.h"

namespace gridmate {

namespace {

// The event number of a section name such as "Event12" (case aside, as the profile
// functions match names); 0 for any other name.
int64_t eventNumberOf(std::string_view name) {
    constexpr std::string_view prefix = "event";
    if (name.size() <= prefix.size() || name.size() > prefix.size() + 15) return 0;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(name[i])) != prefix[i]) return 0;
    std::string_view digits = name.substr(prefix.size());
    if (digits.front() == '0') return 0;
    int64_t n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return 0;
        n = n * 10 + (c - '0');
    }
    return n;
}

}  // namespace

std::string eventSection(int64_t event) { return "Event" + std::to_string(event); }

std::optional<double> eventCount(const std::string& numEvents) {
    std::optional<double> number = parseNumber(numEvents);
    if (!number) return std::nullopt;
    return roundHalfEven(*number);
}

Schedule Schedule::load(const std::string& path) {
    Schedule schedule;
    platform::IoError err;
    if (std::optional<std::string> bytes = platform::fs().readFile(path, err)) {
        schedule.doc_ = platform::ProfileDocument::parse(*bytes);
        // The parsed names, so that a section counts exactly when a read can find it.
        for (const std::string& name : schedule.doc_.sectionNames())
            if (int64_t n = eventNumberOf(name)) schedule.eventSections_.push_back(n);
        auto& numbers = schedule.eventSections_;
        std::sort(numbers.begin(), numbers.end());
        numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    }
    return schedule;
}

std::string Schedule::numEvents() const {
    return doc_.getString(kSeasonSection, kNumEventsKey, "");
}

std::string Schedule::value(int64_t event, const char* key) const {
    return doc_.getString(eventSection(event), key, "");
}

std::vector<std::string> Schedule::eventLines(int64_t event) const {
    return doc_.getSection(eventSection(event));
}

}  // namespace gridmate
