#include "core/tracksets/schedule.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "core/numeric.h"
#include "platform/platform.h"

namespace gridmate {

namespace {

bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A'; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

// The event number of a section header line such as "[Event12]" (case aside), as the
// profile functions read headers; 0 for any other line.
int64_t eventNumberOfHeader(std::string_view line) {
    line = trim(line);
    if (line.empty() || line.front() != '[') return 0;
    size_t close = line.rfind(']');
    if (close == std::string_view::npos || close == 0) return 0;
    std::string_view name = trim(line.substr(1, close - 1));
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

int64_t lastEventHeader(std::string_view bytes) {
    int64_t last = 0;
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(pos, end - pos);
        if (pos == 0 && line.substr(0, 3) == "\xEF\xBB\xBF") line.remove_prefix(3);
        last = std::max(last, eventNumberOfHeader(line));
        pos = end + 1;
    }
    return last;
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
        schedule.lastEventSection_ = lastEventHeader(*bytes);
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

int64_t Schedule::eventsWithin(double count) const {
    if (!(count >= 1)) return 0;
    return count < static_cast<double>(lastEventSection_) ? static_cast<int64_t>(count)
                                                          : lastEventSection_;
}

}  // namespace gridmate
