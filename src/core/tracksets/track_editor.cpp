#include "core/tracksets/track_editor.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "core/game/game_folder.h"
#include "core/ini/byte_text.h"
#include "core/ini/file_snapshot.h"
#include "core/ini/profile_read.h"
#include "core/tracksets/installed_tracks.h"
#include "core/tracksets/schedule.h"
#include "core/tracksets/track_sets.h"
#include "platform/paths.h"
#include "platform/platform.h"

namespace gridmate {

namespace {

// An event number the files can actually name; a count beyond that is no count at all.
constexpr double kLargestEventNumber = 1e15;
// A list numbers its rows with 16 bits: a row past this could never be picked.
constexpr int64_t kMaxListedEvents = 32767;

std::optional<int64_t> countOf(const std::string& numEvents) {
    std::optional<double> count = eventCount(numEvents);
    if (!count || std::fabs(*count) > kLargestEventNumber) return std::nullopt;
    return static_cast<int64_t>(*count);
}

bool write(const std::string& file, const std::string& section, const std::string& key,
           const std::string& value) {
    return platform::profile().writeString(file, section, key, value);
}

}  // namespace

std::string strFormatTrackLine(const std::string& name, const std::string& shortname,
                               const std::string& trackDirectory) {
    std::string line = "[";
    line += strFitWidth(trackDirectory, 8);
    line += "] ";
    line += strFitWidth(shortname, 20);
    line += "/ ";
    line += name;
    return line;
}

DatabaseTracks loadDatabaseTracks(const std::string& game, const std::string& setFile,
                                  const std::string& databaseFile) {
    DatabaseTracks result;
    Schedule set = Schedule::load(setFile);
    std::optional<int64_t> setCount = countOf(set.numEvents());
    if (!setCount) {
        result.outcome = DatabaseTracks::Outcome::SetHasNoCount;
        return result;
    }
    // Only events with a section hold a track; the others read as empty, whatever the count.
    std::unordered_set<std::string> inSet;
    for (int64_t i : set.eventSections()) {
        if (i > *setCount) break;
        inSet.insert(set.value(i, kTrackDirectoryKey));
    }

    Schedule database = Schedule::load(databaseFile);
    std::optional<int64_t> count = countOf(database.numEvents());
    if (!count) {
        result.outcome = DatabaseTracks::Outcome::DatabaseHasNoCount;
        return result;
    }
    InstalledTracks installed(game);
    for (int64_t j : database.eventSections()) {
        if (j > *count) break;
        std::string track = database.value(j, kTrackDirectoryKey);
        if (inSet.count(track) || !platform::isPlainName(track) || !installed.contains(track))
            continue;
        result.tracks.push_back(TrackRecord{database.value(j, "name"),
                                            database.value(j, "shortname"), track, j});
    }
    return result;
}

bool loadTrackSetTracks(const std::string& setFile, std::vector<TrackRecord>& tracks) {
    tracks.clear();
    Schedule set = Schedule::load(setFile);
    std::optional<int64_t> count = countOf(set.numEvents());
    if (!count) return false;
    // Events past the file's last event section are listed (empty) only as far as a
    // season can go, so that an absurd count cannot flood the list; nor can one far-off
    // section, beyond the rows a list can number.
    int64_t listed = std::min<int64_t>(
        {*count, std::max<int64_t>(set.lastEventSection(), kMaxInstallableEvents),
         kMaxListedEvents});
    for (int64_t i = 1; i <= listed; ++i)
        tracks.push_back(TrackRecord{set.value(i, "name"), set.value(i, "shortname"),
                                     set.value(i, kTrackDirectoryKey), i});
    return true;
}

EditResult addTrack(const std::string& setFile, const std::string& databaseFile,
                    const TrackRecord& record) {
    Schedule database = Schedule::load(databaseFile);
    std::optional<int64_t> count =
        countOf(strGetProfileString(setFile, kSeasonSection, kNumEventsKey, ""));
    if (!count) return EditResult::NoCount;
    // Eight writes make one change: when one fails, the set goes back as it was.
    FileSnapshot before(setFile);
    const std::string section = eventSection(*count + 1);
    const std::string values[] = {record.name,
                                  record.shortname,
                                  record.trackDirectory,
                                  database.value(record.event, "month"),
                                  database.value(record.event, "day"),
                                  database.value(record.event, "numberOfLaps"),
                                  database.value(record.event, "startingGrid")};
    bool ok = true;
    for (size_t i = 0; i < kEventKeys.size(); ++i)
        ok = write(setFile, section, kEventKeys[i], values[i]) && ok;
    ok = write(setFile, kSeasonSection, kNumEventsKey, std::to_string(*count + 1)) && ok;
    if (ok) return EditResult::Written;
    before.restore();
    return EditResult::WriteFailed;
}

EditResult removeTrack(const std::string& setFile, int64_t row) {
    if (row < 0) return EditResult::NoSuchRow;
    // The sections are read from one reading of the file: each moves before the one
    // above it is overwritten, so this is what a section-by-section read would see.
    Schedule set = Schedule::load(setFile);
    std::optional<int64_t> count = countOf(set.numEvents());
    if (!count) return EditResult::NoCount;
    const int64_t n = *count;
    // Moving the sections takes many writes: when one fails, the set goes back as it
    // was instead of holding an event twice or losing one.
    FileSnapshot before(setFile);
    auto& profile = platform::profile();
    bool ok = write(setFile, kSeasonSection, kNumEventsKey, std::to_string(n - 1));
    // Event e takes the lines of e + 1. Where neither section exists the move would
    // change nothing, so only the events at and just below a section are visited: a
    // far-off section or a huge count costs no more than the sections there are.
    const int64_t lastMove = std::min(n - 1, set.lastEventSection());
    std::vector<int64_t> moves;
    for (int64_t s : set.eventSections())
        for (int64_t e : {s - 1, s})
            if (e > row && e <= lastMove && (moves.empty() || moves.back() < e)) moves.push_back(e);
    for (int64_t e : moves)
        ok = profile.writeSection(setFile, eventSection(e), set.eventLines(e + 1)) && ok;
    ok = profile.writeString(setFile, eventSection(n), std::nullopt, std::nullopt) && ok;
    if (ok) return EditResult::Written;
    before.restore();
    return EditResult::WriteFailed;
}

}  // namespace gridmate
