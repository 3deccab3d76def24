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

}  // namespace gridmate::platform
