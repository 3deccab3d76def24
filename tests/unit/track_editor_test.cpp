// The track-set editor's work on real files: the row text, the Add list and its filter,
// the Remove list, and adding and removing events with the system's profile behaviour.
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
    std::string game = temp.folder("gpl"), s = temp.file("gpl/seasons/set.67s"), db = temp.file("db.67s");
    TrackEditorFiles() {
        for (const char* track : {"monaco", "zandvort", "spa", "rouen", "silver", "monza"})
            temp.folder(std::string("gpl/tracks/") + track);
    }
    void files(const std::string& set, const std::string& database) {
        temp.write("gpl/seasons/set.67s", set), temp.write("db.67s", database);
    }
    static Texts listed(const std::vector<TrackRecord>& tracks) {
        Texts out;
        for (const auto& t : tracks) out.push_back(t.trackDirectory + "#" + std::to_string(t.event));
        return out;
    }
    static Texts linesOf(const EventSpec& e) {
        return {"name=" + e.name, "shortname=" + e.shortname, "trackDirectory=" + e.trackDirectory,
                "month=" + e.month, "day=" + e.day, "numberOfLaps=" + e.numberOfLaps,
                "startingGrid=" + e.startingGrid};
    }
    Texts added() { return listed(loadDatabaseTracks(game, s, db).tracks); }
    Texts removable() {
        std::vector<TrackRecord> tracks;
        return loadTrackSetTracks(s, tracks) ? listed(tracks) : Texts{"no count"};
    }
};

}  // namespace

// "[" + directory fitted to 8 + "] " + short name fitted to 20 + "/ " + name.
TEST(TrackLine, FieldsAreFittedToEightAndTwentyCharactersAndTheNameIsKept) {
    ShiftJis shiftJis;
    const std::string a = "\x82\xA0", a5 = a + a + a + a + a;  // one character, two bytes
    EXPECT_EQ(strFormatTrackLine("N", "Nurburgring Nordschleife", "nurburgring"), "[nurburgr] Nurburgring Nordschl/ N");
    EXPECT_EQ(strFormatTrackLine("x", a5, "abcdefg" + a + "h"), "[abcdefg ] " + a5 + std::string(15, ' ') + "/ x");
}

// Without stars a part of any field matches; a trailing star a field's start, a leading
// one its end (then a trailing star is a character); any case, but a double-byte
// character is whole and its trail byte keeps its case.
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
    EXPECT_EQ(added(), (Texts{"monaco#1", "silver#4", "monza#7", "zandvort#8"}));
    EXPECT_EQ(loadDatabaseTracks(game, s, db).tracks[2], (TrackRecord{"monza GP", "monza", "monza", 7}));
    // "2.5" rounds to 2 (halves to even): two database events are read.
    files(scheduleText({event("spa")}), scheduleText({event("monza"), event("rouen"), event("zandvort")}, "2.5"));
    EXPECT_EQ(added(), (Texts{"monza#1", "rouen#2"}));
    files(scheduleText({event("spa")}), scheduleText({event("monza")}, "many"));
    EXPECT_EQ(loadDatabaseTracks(game, s, db).outcome, DatabaseTracks::Outcome::DatabaseHasNoCount);
    EXPECT_EQ(added(), Texts{});
    files(scheduleText({event("spa")}, "many"), scheduleText({event("monza")}));
    EXPECT_EQ(loadDatabaseTracks(game, s, db).outcome, DatabaseTracks::Outcome::SetHasNoCount);
    EXPECT_EQ(removable(), Texts{"no count"});
    EXPECT_EQ(removeTrack(s, 0), EditResult::NoCount);
    EXPECT_EQ(addTrack(s, db, TrackRecord{"monza GP", "monza", "monza", 1}), EditResult::NoCount);
    EXPECT_EQ(readBytes(s), scheduleText({event("spa")}, "many"));
}

TEST_F(TrackEditorFiles, AddingCopiesTheDatabaseEventAsTheNextEventWithoutALimit) {
    std::vector<EventSpec> all;
    for (const char* t : {"monaco", "zandvort", "spa", "rouen", "silver"}) all.push_back(event(t, int(all.size())));
    const std::string notes = "[Notes]\r\nby=me\r\n";
    files("; mine\r\n" + scheduleText({all[0], all[1], all[2], all[3]}) + notes, scheduleText(all));
    const TrackRecord silver = loadDatabaseTracks(game, s, db).tracks.at(0);
    EXPECT_EQ(addTrack(s, db, silver), EditResult::Written);
    EXPECT_EQ(Schedule::load(s).numEvents(), "5");
    EXPECT_EQ(Schedule::load(s).eventLines(5), linesOf(all[4]));
    EXPECT_EQ(Schedule::load(s).eventLines(4), linesOf(all[3]));
    EXPECT_EQ(readBytes(s).substr(0, 8), "; mine\r\n");
    EXPECT_NE(readBytes(s).find(notes), std::string::npos);
    files(scheduleText(std::vector<EventSpec>(64, event("spa"))), scheduleText(all));
    EXPECT_EQ(addTrack(s, db, silver), EditResult::Written);
    EXPECT_EQ(Schedule::load(s).value(65, "trackDirectory"), "silver");
}

TEST_F(TrackEditorFiles, RemovingMovesTheLaterEventsDownWholeAndTheRemoveListHoldsEveryEvent) {
    EventSpec a = event("spa", 1), b = event("brands", 2), c = event("..", 3);
    b.name = std::string(700, 'N');
    const std::string comment = "comment=" + std::string(400, 'c');
    files(scheduleText({a, b, c}) + comment + "\r\n", "");
    EXPECT_EQ(removable(), (Texts{"spa#1", "brands#2", "..#3"}));
    EXPECT_EQ(removeTrack(s, -1), EditResult::NoSuchRow);
    EXPECT_EQ(removeTrack(s, 0), EditResult::Written);
    Schedule after = Schedule::load(s);
    Texts moved = linesOf(c);
    moved.push_back(comment);
    EXPECT_EQ(after.numEvents(), "2");
    EXPECT_EQ(after.eventLines(1), linesOf(b));
    EXPECT_EQ(after.eventLines(2), moved);
    EXPECT_EQ(after.eventSections(), (std::vector<int64_t>{1, 2}));
    files(scheduleText({a}), "");
    EXPECT_EQ(removeTrack(s, 0), EditResult::Written);
    EXPECT_EQ(readBytes(s), "[Season]\r\nnumEvents=0\r\n");
}

// An absurd count or one far-off section costs no more than the sections there are; a
// number of more than 15 digits names no event.
TEST_F(TrackEditorFiles, OneFarOffSectionCostsNoMoreThanTheSectionsThereAre) {
    const std::string far = "[Event999999999999999]\r\n", huge = "1000000000000000";
    files(scheduleText({event("spa"), event("rouen")}, huge) + far + "name=far\r\n",
          scheduleText({event("spa")}, huge) + far + "trackDirectory=monza\r\n[Event" + huge +
              "]\r\ntrackDirectory=zandvort\r\n");
    EXPECT_EQ(added(), Texts{"monza#999999999999999"});
    EXPECT_EQ(removable().size(), 32767u);  // as many rows as a list can number
    EXPECT_EQ(removeTrack(s, 0), EditResult::Written);
    Schedule after = Schedule::load(s);
    EXPECT_EQ(after.value(1, "trackDirectory"), "rouen");
    EXPECT_EQ(after.eventLines(2), Texts{});
    EXPECT_EQ(after.eventLines(999999999999998), Texts{"name=far"});
    EXPECT_EQ(after.eventLines(999999999999999), Texts{});
    files(scheduleText({event("spa"), event("rouen")}, "1000000000000"),
          scheduleText({event("monza"), event("spa")}, "999999999999"));
    EXPECT_EQ(added(), Texts{"monza#1"});
    EXPECT_EQ(removable().size(), 64u);  // the two events and empty rows up to a full season
}
