// Schedule files: the installed seasons\67season.ini and every .67s track set. Section
// "Season" holds numEvents; sections "Event1", "Event2", ... hold one event each. Names
// match without regard to case, as the system's profile functions match them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/posix/profile_document.h"

namespace gridmate {

inline constexpr const char* kSeasonSection = "Season";
inline constexpr const char* kNumEventsKey = "numEvents";
inline constexpr const char* kTrackDirectoryKey = "trackDirectory";

// The keys of an event section, in the order the editor writes them.
inline constexpr std::array<const char*, 7> kEventKeys = {
    "name", "shortname", "trackDirectory", "month", "day", "numberOfLaps", "startingGrid"};

// "Event" followed by the number, without leading zeros.
std::string eventSection(int64_t event);

// A numEvents value as a whole number (halves to even); nullopt when it is not a number.
std::optional<double> eventCount(const std::string& numEvents);

// A schedule file read and parsed once, so that an operation that needs many of its
// values reads the file a single time. A missing or unreadable file reads as empty.
class Schedule {
public:
    static Schedule load(const std::string& path);

    std::string numEvents() const;
    // A key of section "Event" + event; "" when missing.
    std::string value(int64_t event, const char* key) const;
    // The key lines of section "Event" + event, whole, comments left out.
    std::vector<std::string> eventLines(int64_t event) const;

    // The numbers n of the file's sections "Event" + n, ascending, each once. Every
    // other event reads as empty, so loops over a numEvents far beyond the file, or
    // over a file with one far-off section, need only visit these.
    const std::vector<int64_t>& eventSections() const { return eventSections_; }
    // The highest of them (0 for none).
    int64_t lastEventSection() const { return eventSections_.empty() ? 0 : eventSections_.back(); }

private:
    platform::ProfileDocument doc_;
    std::vector<int64_t> eventSections_;
};

}  // namespace gridmate
