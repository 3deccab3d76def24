// The track-set editor on real files: the Add list and its filter, the Remove list, edits.
#include "core/tracksets/track_editor.h"

#include <gtest/gtest.h>

#include "core/tracksets/schedule.h"
#include "core/tracksets/track_filter.h"
#include "support/schedule_files.h"
#include "support/shift_jis.h"
#include "support/temp_folder.h"

using namespace gridmate;
using namespace gridmate::test;
using Texts = std::vector<std::string>;

namespace {

struct TrackEditorFiles : ::testing::Test {
    TempFolder temp;
    std::string game = temp.folder("gpl"), s = temp.file("set.67s"), db = temp.file("db.67s");
    void files(const std::string& set, const std::string& database) {  // and the installed tracks
        temp.write("set.67s", set), temp.write("db.67s", database);
        for (std::string t : {"monaco", "zandvort", "spa", "rouen", "silver", "monza"}) temp.folder("gpl/tracks/" + t);
    }
    static Texts rows(const std::vector<TrackRecord>& tracks) {  // "<track directory>#<event>"
        Texts out;
        for (const auto& t : tracks) out.push_back(t.trackDirectory + "#" + std::to_string(t.event));
        return out;
    }
    Texts addList() { return rows(loadDatabaseTracks(game, s, db).tracks); }
    Texts removeList() {
        std::vector<TrackRecord> tracks;
        return loadTrackSetTracks(s, tracks) ? rows(tracks) : Texts{"no count"};
    }
};

}  // namespace

// A part of any field matches, "x*" its start, "*x" its end (a trailing star then being a
// character), in any case; a double-byte character is whole, its trail byte keeps its case.
TEST(TrackFilter, DoubleByteCharactersAreWholeAndTheirTrailBytesKeepTheirCase) {
    const std::vector<TrackRecord> tracks = {
        {"Monaco Grand Prix", "Monaco", "monaco", 1}, {"Italian Grand Prix", "Monza", "monza", 2},
        {"German Grand Prix", "Nurburgring", "nurburg", 3}, {"Formula*One", "F1", "f1", 4},
        {"", "", "", 5}, {"\x82\x41 GP", "\x82\x41", "jp", 6}, {"A GP", "a", "aa", 7}};
    const std::pair<const char*, std::vector<int>> cases[] = {
        {"mon", {0, 1}}, {"GRAND", {0, 1, 2}}, {"talian g", {1}}, {"", {0, 1, 2, 3, 5, 6}},
        {"mon*", {0, 1}}, {"ring*", {}}, {"monaco*", {0}}, {"*RING", {2}}, {"*mon", {}},
        {"*one", {3}}, {"*aco*", {}}, {"la*o", {3}}, {"**", {}}, {"a", {0, 1, 2, 3, 6}},
        {"*A", {1, 6}}, {"A*", {6}}, {"\x82\x41", {5}}, {"*\x82\x41", {5}}, {"\x82\x61", {}}};
    EXPECT_EQ(filterTracks({{"\xC4gypten", "", "", 1}}, "\xE4GY"), std::vector<int>{0});  // Windows-1252
    ShiftJis shiftJis;
    for (const auto& [filter, rows] : cases) EXPECT_EQ(filterTracks(tracks, filter), rows) << filter;
    EXPECT_EQ(filterTracks(tracks, "*"), std::nullopt);  // the list stays as it is
}

TEST_F(TrackEditorFiles, AddListHoldsDatabaseTracksTheSetLacksWhoseFolderExists) {
    // "MONACO" differs in case, so monaco is not in the set; silver lies beyond the set's
    // numEvents; brands has no folder; "../tracks/monza" and "" are no folder names.
    files(scheduleText({event("MONACO"), event("spa"), event("silver")}, "2"),
          scheduleText({event("monaco"), event("spa"), event("brands"), event("silver"),
                        event("../tracks/monza"), event(""), event("monza"), event("zandvort")}));
    EXPECT_EQ(addList(), (Texts{"monaco#1", "silver#4", "monza#7", "zandvort#8"}));
    EXPECT_EQ(loadDatabaseTracks(game, s, db).tracks[2], (TrackRecord{"monza GP", "monza", "monza", 7}));
    files(scheduleText({event("spa")}), scheduleText({event("monza")}, "many"));
    EXPECT_EQ(loadDatabaseTracks(game, s, db).outcome, DatabaseTracks::Outcome::DatabaseHasNoCount);
    files(scheduleText({event("spa")}, "many"), scheduleText({event("monza")}));  // nothing listed or written
    EXPECT_EQ(loadDatabaseTracks(game, s, db).outcome, DatabaseTracks::Outcome::SetHasNoCount);
    EXPECT_EQ(removeList(), Texts{"no count"});
    EXPECT_EQ(removeTrack(s, 0), EditResult::NoCount);
    EXPECT_EQ(addTrack(s, db, TrackRecord{"monza GP", "monza", "monza", 1}), EditResult::NoCount);
}

// An added event takes the database event's keys; a removal moves each later event down
// whole, however long its lines; the Remove list holds every event, installed or not.
TEST_F(TrackEditorFiles, AddingAndRemovingMoveWholeEvents) {
    EventSpec a = event("spa", 1), b = event("brands", 2), c = event("..", 3), d = event("monza", 4);
    b.name = std::string(700, 'N');
    files(scheduleText({a, b, c}) + "comment=" + std::string(400, 'c') + "\r\n", scheduleText({a, d}));
    EXPECT_EQ(removeList(), (Texts{"spa#1", "brands#2", "..#3"}));
    EXPECT_EQ(addTrack(s, db, loadDatabaseTracks(game, s, db).tracks.at(0)), EditResult::Written);
    EXPECT_EQ(removeTrack(s, -1), EditResult::NoSuchRow);
    EXPECT_EQ(removeTrack(s, 0), EditResult::Written);
    std::string moved = scheduleText({b, c, d}, "3");
    moved.insert(moved.find("\r\n\r\n[Event3]"), "\r\ncomment=" + std::string(400, 'c'));
    for (size_t at; (at = moved.find("\r\n\r\n")) != std::string::npos;) moved.erase(at, 2);
    EXPECT_EQ(readBytes(s), moved);
}

// Absurd counts and far-off sections cost only the sections there are; 16 digits name no event.
TEST_F(TrackEditorFiles, OneFarOffSectionCostsNoMoreThanTheSectionsThereAre) {
    const std::string far = "[Event999999999999999]\r\n", huge = "1000000000000000";
    files(scheduleText({event("spa"), event("rouen")}, huge) + far + "name=far\r\n",
          scheduleText({event("spa")}, huge) + far + "trackDirectory=monza\r\n[Event" + huge +
              "]\r\ntrackDirectory=zandvort\r\n");
    EXPECT_EQ(addList(), Texts{"monza#999999999999999"});
    EXPECT_EQ(removeList().size(), 32767u);  // as many rows as a list can number
    EXPECT_EQ(removeTrack(s, 0), EditResult::Written);
    EXPECT_EQ(Schedule::load(s).value(1, "trackDirectory"), "rouen");
    EXPECT_EQ(Schedule::load(s).eventLines(999999999999998), Texts{"name=far"});
    files(scheduleText({event("spa"), event("rouen")}, "1000000000000"), "");
    EXPECT_EQ(removeList().size(), 64u);  // the two events and empty rows up to a full season
}
