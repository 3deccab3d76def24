#include "core/tracksets/track_filter.h"

#include <algorithm>
#include <cstdint>

#include "platform/platform.h"

namespace gridmate {

namespace {

// Text as characters of the system code page (a lead byte and its trail byte are one),
// folded to lower case as the system folds them, so that a match never starts or ends
// inside a double-byte character and its trail byte is never folded.
using Characters = std::vector<uint16_t>;

Characters foldedCharacters(const std::string& text) {
    Characters out;
    out.reserve(text.size());
    const auto& codePage = platform::codePage();
    for (size_t i = 0, size = 0; i < text.size(); i += size) {
        size = codePage.characterSize(text, i);
        auto byte = static_cast<unsigned char>(text[i]);
        if (size == 2)
            out.push_back(static_cast<uint16_t>(byte << 8 | static_cast<unsigned char>(text[i + 1])));
        else
            out.push_back(codePage.lowerByte(byte));
    }
    return out;
}

enum class Rule { Suffix, Prefix, Contains };

struct Pattern {
    Rule rule = Rule::Contains;
    Characters text;
};

Pattern patternOf(const std::string& filter) {
    Characters all = foldedCharacters(filter);
    if (!all.empty() && all.front() == '*')
        return {Rule::Suffix, Characters(all.begin() + 1, all.end())};
    if (!all.empty() && all.back() == '*')
        return {Rule::Prefix, Characters(all.begin(), all.end() - 1)};
    return {Rule::Contains, std::move(all)};
}

bool fieldMatches(const std::string& field, const Pattern& pattern) {
    Characters chars = foldedCharacters(field);
    const Characters& p = pattern.text;
    switch (pattern.rule) {
        case Rule::Suffix:
            return chars.size() >= p.size() && std::equal(p.begin(), p.end(), chars.end() - static_cast<long>(p.size()));
        case Rule::Prefix:
            return chars.size() >= p.size() && std::equal(p.begin(), p.end(), chars.begin());
        case Rule::Contains:
            // An empty text is found in every field that has something in it.
            if (p.empty()) return !chars.empty();
            return std::search(chars.begin(), chars.end(), p.begin(), p.end()) != chars.end();
    }
    return false;
}

bool recordMatches(const TrackRecord& record, const Pattern& pattern) {
    return fieldMatches(record.name, pattern) || fieldMatches(record.shortname, pattern) ||
           fieldMatches(record.trackDirectory, pattern);
}

}  // namespace

bool matchesFilter(const TrackRecord& record, const std::string& filter) {
    return recordMatches(record, patternOf(filter));
}

std::optional<std::vector<int>> filterTracks(const std::vector<TrackRecord>& tracks,
                                             const std::string& filter) {
    if (filter == "*") return std::nullopt;
    Pattern pattern = patternOf(filter);
    std::vector<int> rows;
    for (size_t k = 0; k < tracks.size(); ++k)
        if (recordMatches(tracks[k], pattern)) rows.push_back(static_cast<int>(k));
    return rows;
}

}  // namespace gridmate
