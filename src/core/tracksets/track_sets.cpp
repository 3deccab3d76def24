#include "core/tracksets/track_sets.h"

#include "core/game/game_folder.h"
#include "core/ini/profile_read.h"
#include "core/tracksets/installed_tracks.h"
#include "core/tracksets/schedule.h"
#include "platform/paths.h"
#include "platform/platform.h"

namespace gridmate {

std::string installedScheduleFile(const std::string& game) {
    return platform::joinPath(seasonsFolder(game), "67season.ini");
}

std::string trackSetFile(const std::string& game, const std::string& name) {
    return platform::joinPath(seasonsFolder(game), name + kTrackSetExtension);
}

std::optional<std::string> trackSetName(const std::string& fileName) {
    const std::string extension = kTrackSetExtension;
    if (fileName.size() < extension.size() ||
        fileName.compare(fileName.size() - extension.size(), extension.size(), extension) != 0)
        return std::nullopt;
    return fileName.substr(0, fileName.size() - extension.size());
}

std::vector<std::string> installedSeasonTracks(const std::string& game) {
    std::vector<std::string> tracks;
    Schedule schedule = Schedule::load(installedScheduleFile(game));
    InstalledTracks installed(game);
    for (int64_t n = 1;; ++n) {
        std::string track = schedule.value(n, kTrackDirectoryKey);
        track = track.substr(0, track.find(';'));
        track = track.substr(0, track.find(' '));
        if (track.empty()) break;
        // The name becomes part of a path: anything but a plain folder name is no track.
        if (platform::isPlainName(track) && installed.contains(track))
            tracks.push_back(track);
    }
    return tracks;
}

InstallCheck checkTrackSet(const std::string& file) {
    if (!platform::fs().isFile(file)) return InstallCheck::Missing;
    std::optional<double> count =
        eventCount(strGetProfileString(file, kSeasonSection, kNumEventsKey, ""));
    if (!count) return InstallCheck::NoNumEvents;
    if (*count > kMaxInstallableEvents) return InstallCheck::TooManyEvents;
    return InstallCheck::Ready;
}

}  // namespace gridmate
