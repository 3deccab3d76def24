// The track-set editor on random schedule files: the Add list, the Remove list, the
// filter over the Add list, and adding or removing one event. An added event becomes
// the last one with the record's values; a removal moves every later event down by
// one and touches nothing above the removed row.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/ini/profile_read.h"
#include "core/tracksets/schedule.h"
#include "core/tracksets/track_editor.h"
#include "core/tracksets/track_filter.h"
#include "fuzz_check.h"
#include "fuzz_fields.h"
#include "memory_file_system.h"
#include "platform/code_pages.h"
#include "platform/paths.h"
#include "platform/posix/profile_text.h"

using namespace gridmate;

namespace {

const std::string kGame = "/gpl";
const std::string kSet = "/gpl/seasons/set.67s";
const std::string kDatabase = "/db/all.67s";
// Beyond this many event sections the checks below would only make a run slow.
constexpr int64_t kCheckedEvents = 200;

const platform::SingleByteCodePage kSingleByte;
const platform::LeadByteCodePage kShiftJis{{0x81, 0x9F}, {0xE0, 0xFC}};

std::string lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

bool isAscii(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The filter's rule spelt out on plain ASCII text, where characters are bytes.
bool asciiFieldMatches(const std::string& field, const std::string& filter) {
    std::string f = lower(field), p = lower(filter);
    if (!p.empty() && p.front() == '*') {
        p.erase(0, 1);
        return f.size() >= p.size() && f.compare(f.size() - p.size(), p.size(), p) == 0;
    }
    if (!p.empty() && p.back() == '*') {
        p.pop_back();
        return f.compare(0, p.size(), p) == 0;
    }
    return p.empty() ? !f.empty() : f.find(p) != std::string::npos;
}

void checkFilter(const std::vector<TrackRecord>& tracks, const std::string& filter, bool singleByte) {
    std::optional<std::vector<int>> rows = filterTracks(tracks, filter);
    FUZZ_CHECK(rows.has_value() == (filter != "*"));
    if (!rows) return;
    size_t next = 0;
    for (size_t k = 0; k < tracks.size(); ++k) {
        const TrackRecord& t = tracks[k];
        bool listed = next < rows->size() && (*rows)[next] == static_cast<int>(k);
        if (listed) ++next;
        FUZZ_CHECK(listed == matchesFilter(t, filter));
        if (singleByte && isAscii(filter) && isAscii(t.name) && isAscii(t.shortname) &&
            isAscii(t.trackDirectory))
            FUZZ_CHECK(listed == (asciiFieldMatches(t.name, filter) ||
                                  asciiFieldMatches(t.shortname, filter) ||
                                  asciiFieldMatches(t.trackDirectory, filter)));
    }
    FUZZ_CHECK(next == rows->size());  // every row named a track, in order
}

std::vector<std::vector<std::string>> eventLines(const Schedule& s, int64_t last) {
    std::vector<std::vector<std::string>> out(1);  // index 0 unused: events count from 1
    for (int64_t e = 1; e <= last; ++e) out.push_back(s.eventLines(e));
    return out;
}

std::vector<std::string> withEquals(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (const std::string& l : lines)
        if (l.find('=') != std::string::npos) out.push_back(l);
    return out;
}

bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A'; }

// What a value written with the profile functions reads back as.
std::string asReadBack(std::string v) {
    while (!v.empty() && isBlank(v.front())) v.erase(0, 1);
    while (!v.empty() && isBlank(v.back())) v.pop_back();
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return v;
}

std::optional<int64_t> countOf(const Schedule& s) {
    std::optional<double> count = eventCount(s.numEvents());
    if (!count || std::fabs(*count) > 1e15) return std::nullopt;
    return static_cast<int64_t>(*count);
}

void checkAdd(const TrackRecord& record) {
    Schedule before = Schedule::load(kSet);
    std::optional<int64_t> count = countOf(before);
    EditResult result = addTrack(kSet, kDatabase, record);
    FUZZ_CHECK(result == (count ? EditResult::Written : EditResult::NoCount));
    if (!count) return;
    Schedule after = Schedule::load(kSet);
    FUZZ_CHECK(after.numEvents() == std::to_string(*count + 1));
    FUZZ_CHECK(after.value(*count + 1, "name") == asReadBack(record.name));
    FUZZ_CHECK(after.value(*count + 1, "shortname") == asReadBack(record.shortname));
    FUZZ_CHECK(after.value(*count + 1, kTrackDirectoryKey) == asReadBack(record.trackDirectory));
    int64_t last = std::min(before.lastEventSection(), kCheckedEvents);
    auto old = eventLines(before, last), now = eventLines(after, last);
    for (int64_t e = 1; e <= last; ++e)
        if (e != *count + 1) FUZZ_CHECK(now[e] == old[e]);
}

void checkRemove(int64_t row) {
    Schedule before = Schedule::load(kSet);
    std::optional<int64_t> count = countOf(before);
    FUZZ_CHECK(removeTrack(kSet, row) == EditResult::Written);
    Schedule after = Schedule::load(kSet);
    FUZZ_CHECK(after.numEvents() == std::to_string(*count - 1));
    int64_t last = std::min(before.lastEventSection(), kCheckedEvents);
    int64_t lastMove = std::min(*count - 1, last);
    auto old = eventLines(before, last + 1), now = eventLines(after, last);
    for (int64_t e = 1; e <= row && e <= last; ++e) FUZZ_CHECK(now[e] == old[e]);
    for (int64_t e = row + 1; e <= lastMove; ++e) FUZZ_CHECK(now[e] == withEquals(old[e + 1]));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Fields fields(data, size);
    const unsigned char op = fields.choice();
    const std::string filter = fields.next();
    const std::string setText = fields.next();
    const std::string databaseText = fields.rest();

    const bool singleByte = (op & 4) == 0;
    fuzz::MemoryFileSystem files;
    platform::TextProfile profile;
    fuzz::NoUserUi user;
    platform::CodePage* codePage = const_cast<platform::CodePage*>(
        singleByte ? static_cast<const platform::CodePage*>(&kSingleByte) : &kShiftJis);
    platform::ScopedPlatform scoped({&files, &profile, codePage, &user, nullptr});
    files.folders = {"/", kGame, kGame + "/seasons", kGame + "/tracks", "/db"};
    files.files[kSet] = setText;
    files.files[kDatabase] = databaseText;
    // Most of the database's tracks are installed; those starting with "x" are not.
    Schedule database = Schedule::load(kDatabase);
    for (int64_t e = 1, n = std::min(database.lastEventSection(), kCheckedEvents); e <= n; ++e) {
        std::string track = database.value(e, kTrackDirectoryKey);
        if (platform::isPlainName(track) && track[0] != 'x')
            files.folders.insert(kGame + "/tracks/" + track);
    }

    DatabaseTracks add = loadDatabaseTracks(kGame, kSet, kDatabase);
    std::vector<TrackRecord> remove;
    bool listed = loadTrackSetTracks(kSet, remove);
    FUZZ_CHECK(listed == (add.outcome != DatabaseTracks::Outcome::SetHasNoCount));
    for (size_t i = 0; i < remove.size(); ++i)
        FUZZ_CHECK(remove[i].event == static_cast<int64_t>(i) + 1);
    std::unordered_set<std::string> inSet;
    for (const TrackRecord& t : remove) inSet.insert(t.trackDirectory);
    int64_t previous = 0;
    for (const TrackRecord& t : add.tracks) {
        FUZZ_CHECK(t.event > previous);
        previous = t.event;
        FUZZ_CHECK(!inSet.count(t.trackDirectory) && files.isFolder(kGame + "/tracks/" + t.trackDirectory));
        FUZZ_CHECK(t.name == database.value(t.event, "name"));
    }
    checkFilter(add.tracks, filter, singleByte);
    for (const TrackRecord& t : add.tracks)
        strFormatTrackLine(t.name, t.shortname, t.trackDirectory);

    // The edits start from a file this program has written once, so that the system's
    // normalisation (a section without a name joins the one above) cannot pass for one.
    files.files[kSet] = platform::ProfileDocument::parse(setText).serialize();
    if (!loadTrackSetTracks(kSet, remove)) return 0;
    const size_t pick = op >> 3;
    if ((op & 1) && !add.tracks.empty())
        checkAdd(add.tracks[pick % add.tracks.size()]);
    else if (!(op & 1) && !remove.empty())
        checkRemove(static_cast<int64_t>(pick % remove.size()));
    return 0;
}
