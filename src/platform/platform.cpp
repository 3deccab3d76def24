#include "platform/platform.h"

namespace gridmate::platform {

namespace {
Platform& slot() {
    static Platform installed = nativePlatform();
    return installed;
}
}  // namespace

Platform& current() { return slot(); }

Platform install(const Platform& replacement) {
    Platform previous = slot();
    Platform& now = slot();
    if (replacement.fileSystem) now.fileSystem = replacement.fileSystem;
    if (replacement.profile) now.profile = replacement.profile;
    if (replacement.codePage) now.codePage = replacement.codePage;
    if (replacement.ui) now.ui = replacement.ui;
    if (replacement.versionInfo) now.versionInfo = replacement.versionInfo;
    return previous;
}

std::vector<std::string> fileNames(std::vector<FileEntry> entries) {
    std::vector<std::string> names;
    names.reserve(entries.size());
    for (FileEntry& entry : entries) names.push_back(std::move(entry.name));
    return names;
}

std::vector<FileEntry> FileSystem::listFileEntries(const std::string& folder) {
    std::vector<FileEntry> entries;
    for (std::string& name : listFiles(folder)) entries.push_back({std::move(name), std::nullopt});
    return entries;
}

}  // namespace gridmate::platform
