// The track-set editor on random schedule files in memory: the lists, the filter, and one
// edit. An added event comes last and a removal moves every later event down, the others
// untouched; a far-off event number must cost no more than the sections there are.
#include <map>

#include "core/tracksets/schedule.h"
#include "core/tracksets/track_editor.h"
#include "core/tracksets/track_filter.h"
#include "fuzz_input.h"
#include "platform/code_pages.h"
#include "platform/posix/profile_text.h"

using namespace gridmate;
using Err = platform::IoError;

namespace {

// The set, the database, and a folder for each installed track: no system call per access.
struct MemoryFiles : platform::FileSystem {
    std::map<std::string, std::string> files;
    std::vector<std::string> tracks;
    bool exists(const std::string& p) override { return files.count(p) > 0; }
    bool isFolder(const std::string&) override { return false; }
    bool isFile(const std::string& p) override { return files.count(p) > 0; }
    bool isReadOnly(const std::string&) override { return false; }
    std::optional<std::string> readFile(const std::string& p, Err&) override {
        return exists(p) ? std::optional(files[p]) : std::nullopt;
    }
    bool writeFile(const std::string& p, std::string_view b, Err&) override { return files[p] = b, true; }
    bool copyFile(const std::string&, const std::string&, Err&) override { return false; }
    bool copyFolderContent(const std::string&, const std::string&, Err&) override { return false; }
    bool deleteFile(const std::string& p, Err&) override { return files.erase(p) > 0; }
    bool createFolder(const std::string&, Err&) override { return false; }
    std::vector<std::string> listFiles(const std::string&) override { return {}; }
    std::vector<std::string> listFolders(const std::string&) override { return tracks; }
    std::string programFolder() override { return "/"; }
};

platform::SingleByteCodePage singleByte;
platform::LeadByteCodePage shiftJis{{0x81, 0x9F}, {0xE0, 0xFC}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Fields fields(data, size);
    const std::string opField = fields.next(), filter = fields.next(), set = fields.next();
    const unsigned op = opField.empty() ? 0 : static_cast<unsigned char>(opField[0]);
    MemoryFiles files;
    platform::TextProfile profile;
    platform::ScopedPlatform scoped(
        {&files, &profile, (op & 4) ? static_cast<platform::CodePage*>(&shiftJis) : &singleByte});
    // The set as this program writes it, so that the normalisation of a first write
    // cannot pass for a change; database tracks not starting with "x" are installed.
    files.files = {{"s", platform::ProfileDocument::parse(set).serialize()}, {"d", std::string(fields.rest)}};
    Schedule database = Schedule::load("d"), before = Schedule::load("s");
    for (int64_t e : database.eventSections())
        if (database.value(e, kTrackDirectoryKey).rfind('x', 0) != 0)
            files.tracks.push_back(database.value(e, kTrackDirectoryKey));

    DatabaseTracks add = loadDatabaseTracks("/gpl", "s", "d");
    std::vector<TrackRecord> remove;
    FUZZ_CHECK(loadTrackSetTracks("s", remove) == (add.outcome != DatabaseTracks::Outcome::SetHasNoCount));
    for (size_t i = 0; i < remove.size(); ++i) FUZZ_CHECK(remove[i].event == int64_t(i) + 1);
    for (size_t i = 1; i < add.tracks.size(); ++i) FUZZ_CHECK(add.tracks[i - 1].event < add.tracks[i].event);
    if (auto rows = filterTracks(add.tracks, filter))
        for (int row : *rows) FUZZ_CHECK(matchesFilter(add.tracks[size_t(row)], filter));

    const bool adding = (op & 1) && !add.tracks.empty();
    if (!adding && remove.empty()) return 0;
    const auto count = int64_t(*eventCount(before.numEvents()));
    const int64_t row = adding ? count : int64_t((op >> 3) % remove.size());
    FUZZ_CHECK((adding ? addTrack("s", "d", add.tracks[(op >> 3) % add.tracks.size()])
                       : removeTrack("s", row)) == EditResult::Written);
    Schedule after = Schedule::load("s");
    FUZZ_CHECK(after.numEvents() == std::to_string(adding ? count + 1 : count - 1));
    for (int64_t e = 1, last = std::min<int64_t>(before.lastEventSection(), 200); e <= last; ++e) {
        std::vector<std::string> expected = before.eventLines(e <= row || adding ? e : e + 1);
        if (e > row && !adding) std::erase_if(expected, [](auto& l) { return l.find('=') == l.npos; });
        if (e != count + 1 && (adding || e < count)) FUZZ_CHECK(after.eventLines(e) == expected);
    }
    return 0;
}
