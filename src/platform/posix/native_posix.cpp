#include "platform/code_pages.h"
#include "platform/posix/file_system_posix.h"
#include "platform/posix/pe_version.h"
#include "platform/posix/profile_text.h"
#include "platform/posix/ui_posix.h"

namespace gridmate::platform {

Platform nativePlatform() {
    static PosixFileSystem fileSystem;
    static SingleByteCodePage codePage;
    static ConsoleUi ui;
    static TextProfile profile;
    static PeVersionInfo versionInfo;
    Platform p;
    p.fileSystem = &fileSystem;
    p.codePage = &codePage;
    p.ui = &ui;
    p.profile = &profile;
    p.versionInfo = &versionInfo;
    return p;
}

}  // namespace gridmate::platform
