// Which tracks are installed: the sub-folders of the game's "tracks" folder. The folder
// is listed once, so that checking thousands of schedule events costs no file-system
// call each (on Windows under Wine one call costs about as much as a whole listing).
#pragma once

#include <string>
#include <unordered_set>

namespace gridmate {

class InstalledTracks {
public:
    explicit InstalledTracks(const std::string& game);
    // Whether tracks\<track> is a folder; `track` must be a plain name.
    bool contains(const std::string& track) const;

private:
    std::string folder_;
    std::unordered_set<std::string> keys_;
};

}  // namespace gridmate
