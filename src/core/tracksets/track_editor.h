// What the track-set editor does to the files, apart from its window: the Add list
// (database tracks the edited set lacks), the Remove list (the set's events), the row
// text, and adding or removing one event.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gridmate {

// One listed track. `event` is the number of the event it was read from (in the
// database for the Add list, in the edited set for the Remove list).
struct TrackRecord {
    std::string name;
    std::string shortname;
    std::string trackDirectory;
    int64_t event = 0;
    friend bool operator==(const TrackRecord&, const TrackRecord&) = default;
};

// "[" + trackDirectory fitted to 8 + "] " + shortname fitted to 20 + "/ " + name, so
// that rows line up in a fixed-width font.
std::string strFormatTrackLine(const std::string& name, const std::string& shortname,
                               const std::string& trackDirectory);

struct DatabaseTracks {
    enum class Outcome {
        Listed,
        SetHasNoCount,       // the edited set's numEvents is no number: nothing listed
        DatabaseHasNoCount,  // the database's numEvents is no number: reported
    };
    Outcome outcome = Outcome::Listed;
    std::vector<TrackRecord> tracks;
};

// The database's events, in order, whose track directory is a plain folder name that
// is not already one of the edited set's (compared exactly, case included) and whose
// folder exists under the game's tracks folder. Each file is read once.
DatabaseTracks loadDatabaseTracks(const std::string& game, const std::string& setFile,
                                  const std::string& databaseFile);

// Every event of the edited set, in order, whether or not its track is installed;
// false when its numEvents is no number.
bool loadTrackSetTracks(const std::string& setFile, std::vector<TrackRecord>& tracks);

enum class EditResult {
    Written,
    NoCount,      // the edited set's numEvents is no number: nothing written
    WriteFailed,  // a profile write failed (a read-only or locked file)
    NoSuchRow,    // a negative row: nothing written
};

// Appends the database event `record.event` to the edited set as event numEvents + 1
// with its seven keys, then raises numEvents. Nothing limits the count here.
EditResult addTrack(const std::string& setFile, const std::string& databaseFile,
                    const TrackRecord& record);

// Deletes event `row` + 1: lowers numEvents, moves each later section down by one,
// whole with all its lines, and deletes the last section.
EditResult removeTrack(const std::string& setFile, int64_t row);

}  // namespace gridmate
