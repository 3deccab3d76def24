#include "platform/win32/code_page_win32.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/profile_win32.h"
#include "platform/win32/ui_win32.h"
#include "platform/win32/version_win32.h"

namespace gridmate::platform {

Platform nativePlatform() {
    static Win32FileSystem fileSystem;
    static Win32CodePage codePage;
    static Win32Ui ui;
    static Win32Profile profile;
    static Win32VersionInfo versionInfo;
    Platform p;
    p.fileSystem = &fileSystem;
    p.codePage = &codePage;
    p.ui = &ui;
    p.profile = &profile;
    p.versionInfo = &versionInfo;
    return p;
}

}  // namespace gridmate::platform
