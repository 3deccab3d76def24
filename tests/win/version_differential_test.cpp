// Our own version-resource reader, which the unit tests stand on, against the system's on the
// fixture DLLs of the rasterizer scan (damaged ones too) and every DLL of the system folders.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/paths.h"
#include "platform/posix/pe_version.h"
#include "platform/win32/version_win32.h"

using namespace gridmate::platform;

// The 32-bit system folder also holds 16-bit modules (NE), whose version resources only
// the system reads; a rasterizer is a 32-bit image, never one of them.
bool isSixteenBitModule(const std::string& path) {
    IoError error;
    auto bytes = fs().readFile(path, error);
    uint32_t header = 0;
    if (!bytes || bytes->size() < 64) return false;
    memcpy(&header, bytes->data() + 0x3C, 4);
    return header < bytes->size() - 1 && bytes->compare(header, 2, "NE") == 0;
}

TEST(VersionDifferential, EveryDllReadsTheSameThroughBothReaders) {
    PeVersionInfo ours;
    Win32VersionInfo system;
    auto reading = [](VersionInfo& reader, const std::string& path) {
        auto translation = reader.firstTranslation(path);
        std::string line = translation ? std::to_string(translation->language) + "/" +
                                             std::to_string(translation->codePage)
                                       : "none";
        for (const char* name : {"PrivateBuild", "FileVersion", "CompanyName", "Comment40"}) {
            auto value = translation ? reader.stringValue(path, *translation, name) : std::nullopt;
            line += std::string(" ") + name + (value ? "=\"" + *value + "\"" : "-");
        }
        auto marker = reader.firstTranslationValue(path, "PrivateBuild");  // asked at once
        return line + " " + (marker ? *marker : "-");
    };
    char systemFolder[MAX_PATH] = {};
    GetSystemDirectoryA(systemFolder, MAX_PATH);
    // Each folder with the least number of its DLLs that have a version resource.
    for (auto [path, least] : {std::pair{GRIDMATE_FIXTURE_DLLS, 18}, {systemFolder, 100}}) {
        int withVersion = 0;
        for (const std::string& name : fs().listFiles(path)) {
            if (name.size() < 4 || _stricmp(name.c_str() + name.size() - 4, ".dll") != 0 ||
                isSixteenBitModule(joinPath(path, name)))
                continue;
            std::string mine = reading(ours, joinPath(path, name));
            const std::string theirs = reading(system, joinPath(path, name));
            // Ours spells characters beyond Latin-1 '?' where the code page may have a byte
            // of its own (the euro sign).
            for (size_t i = 0; i < mine.size() && mine.size() == theirs.size(); ++i)
                if (mine[i] == '?' && (theirs[i] & 0x80)) mine[i] = theirs[i];
            EXPECT_EQ(mine, theirs) << joinPath(path, name);
            withVersion += theirs.rfind("none", 0) != 0;
        }
        EXPECT_GE(withVersion, least) << path;
    }
}
