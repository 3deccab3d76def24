// The track-set editor on random files in memory, under the sanitizers and the time limit (a far-off
// event must cost only the sections there are). Fields: operation, filter, set, database.
#include <cstdlib>
#include <map>

#include "core/tracksets/schedule.h"
#include "core/tracksets/track_editor.h"
#include "core/tracksets/track_filter.h"
#include "platform/code_pages.h"
#include "platform/posix/file_system_posix.h"
#include "platform/posix/profile_text.h"

using namespace gridmate;
using Err = platform::IoError;

// Every call the editor makes answered from memory; every track is installed.
struct MemoryFiles : platform::PosixFileSystem {
    std::map<std::string, std::string> files;
    std::vector<std::string> tracks;
    bool exists(const std::string& p) override { return files.count(p) > 0; }
    bool isFile(const std::string& p) override { return files.count(p) > 0; }
    bool isFolder(const std::string&) override { return false; }
    std::optional<std::string> readFile(const std::string& p, Err&) override {
        return exists(p) ? std::optional(files[p]) : std::nullopt;
    }
    bool writeFile(const std::string& p, std::string_view b, Err&) override { return files[p] = b, true; }
    bool deleteFile(const std::string& p, Err&) override { return files.erase(p) > 0; }
    std::vector<std::string> listFolders(const std::string&) override { return tracks; }
};

platform::SingleByteCodePage singleByte;
platform::LeadByteCodePage shiftJis{{0x81, 0x9F}, {0xE0, 0xFC}};
platform::CodePage* const codePages[] = {&singleByte, &shiftJis};

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MemoryFiles files;
    std::string database(reinterpret_cast<const char*>(data), size), field[3];
    for (std::string& f : field) {
        f = database.substr(0, database.find('\0'));
        database.erase(0, f.size() + 1);
    }
    files.files = {{"s", field[2]}, {"d", database}};
    const unsigned op = uint8_t(field[0][0]), pick = op >> 3;
    platform::TextProfile profile;
    platform::ScopedPlatform scoped({&files, &profile, codePages[op >> 2 & 1]});
    Schedule schedule = Schedule::load("d");
    for (int64_t e : schedule.eventSections()) files.tracks.push_back(schedule.value(e, kTrackDirectoryKey));
    DatabaseTracks add = loadDatabaseTracks("/gpl", "s", "d");
    std::vector<TrackRecord> remove;
    if (loadTrackSetTracks("s", remove) != (add.outcome != DatabaseTracks::Outcome::SetHasNoCount)) std::abort();
    filterTracks(add.tracks, field[1]);
    const bool adding = (op & 1) && !add.tracks.empty();
    if (adding ? addTrack("s", "d", add.tracks[pick % add.tracks.size()]) != EditResult::Written
               : !remove.empty() && removeTrack("s", pick % remove.size()) != EditResult::Written)
        std::abort();
    return 0;
}
