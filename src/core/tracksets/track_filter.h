// The Add list's filter: a text with a leading "*" matches a field's end, a trailing
// "*" a field's start, anything else a part of a field; letter case never counts.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/tracksets/track_editor.h"

namespace gridmate {

// Whether one of the record's three fields matches `filter`.
bool matchesFilter(const TrackRecord& record, const std::string& filter);

// The positions in `tracks` of the matching records, in order; nullopt for the filter
// "*" alone, which leaves the list as it is.
std::optional<std::vector<int>> filterTracks(const std::vector<TrackRecord>& tracks,
                                             const std::string& filter);

}  // namespace gridmate
