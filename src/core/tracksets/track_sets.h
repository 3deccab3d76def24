// Track sets: byte-for-byte copies of the installed schedule (seasons\67season.ini)
// kept beside it as "<set name>.67s".
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace gridmate {

inline constexpr const char* kTrackSetExtension = ".67s";
// The game runs at most this many events in a season.
inline constexpr int kMaxInstallableEvents = 64;

// <game>\seasons\67season.ini
std::string installedScheduleFile(const std::string& game);
// <game>\seasons\<name>.67s
std::string trackSetFile(const std::string& game, const std::string& name);

// The set name of a file whose name ends exactly in ".67s" (".67S" is no track set);
// nullopt for any other file.
std::optional<std::string> trackSetName(const std::string& fileName);

// The tracks of the installed schedule that the game can run, for the last-track
// lists: trackDirectory of Event1, Event2, ... cut before a ";" comment and then before
// the first blank, up to the first event without one; only plain folder names whose
// folder exists under tracks\ are kept.
std::vector<std::string> installedSeasonTracks(const std::string& game);

enum class InstallCheck { Ready, Missing, NoNumEvents, TooManyEvents };
// Whether the set file may replace the installed schedule: it must exist and its
// numEvents be a number that rounds to at most kMaxInstallableEvents.
InstallCheck checkTrackSet(const std::string& file);

}  // namespace gridmate
