#include "core/tracksets/installed_tracks.h"

#include "core/game/game_folder.h"
#include "platform/paths.h"
#include "platform/platform.h"

namespace gridmate {

InstalledTracks::InstalledTracks(const std::string& game) : folder_(tracksFolder(game)) {
    for (const auto& name : platform::fs().listFolders(folder_))
        keys_.insert(platform::fileNameKey(name));
}

bool InstalledTracks::contains(const std::string& track) const {
    if (keys_.count(platform::fileNameKey(track))) return true;
    // Letters beyond ASCII may still match under the system's own case rules.
    for (unsigned char c : track)
        if (c >= 0x80) return platform::fs().isFolder(platform::joinPath(folder_, track));
    return false;
}

}  // namespace gridmate
