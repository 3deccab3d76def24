#include "core/ini/file_snapshot.h"

#include "platform/platform.h"

namespace gridmate {

FileSnapshot::FileSnapshot(std::string path) : path_(std::move(path)) {
    auto& fs = platform::fs();
    existed_ = fs.exists(path_);
    platform::IoError ignored;
    if (existed_) bytes_ = fs.readFile(path_, ignored);
}

bool FileSnapshot::restore() const {
    auto& fs = platform::fs();
    platform::IoError ignored;
    if (!existed_) return !fs.exists(path_) || fs.deleteFile(path_, ignored);
    if (!bytes_) return false;
    // A change whose first write failed left nothing to undo.
    std::optional<std::string> now = fs.readFile(path_, ignored);
    if (now && *now == *bytes_) return true;
    return fs.writeFile(path_, *bytes_, ignored);
}

}  // namespace gridmate
