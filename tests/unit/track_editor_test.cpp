// The editor's file work on real files: the Add and Remove lists, the row text, and
// adding and removing events with the system's profile behaviour.
#include <gtest/gtest.h>

#include "core/ini/profile_read.h"
#include "core/tracksets/schedule.h"
#include "core/tracksets/track_editor.h"
#include "platform/platform.h"
#include "support/schedule_files.h"
#include "support/shift_jis.h"
#include "support/temp_folder.h"

using namespace gridmate;
using namespace gridmate::test;

namespace {

class TrackEditorFiles : public ::testing::Test {
protected:
    TrackEditorFiles() {
        for (const char* track : {"monaco", "zandvort", "spa", "rouen", "silver", "monza"})
            temp.folder(std::string("gpl/tracks/") + track);
    }
    std::string set(const std::string& text) { return temp.write("gpl/seasons/set.67s", text); }
    std::string database(const std::string& text) { return temp.write("db/all.67s", text); }
    std::string value(const std::string& file, const std::string& section, const std::string& key) {
        return strGetProfileString(file, section, key, "");
    }
    std::vector<std::string> section(const std::string& file, const std::string& name) {
        return platform::profile().getSection(file, name);
    }
    std::vector<std::string> linesOf(const EventSpec& e) {
        return {"name=" + e.name,         "shortname=" + e.shortname,
                "trackDirectory=" + e.trackDirectory, "month=" + e.month,
                "day=" + e.day,           "numberOfLaps=" + e.numberOfLaps,
                "startingGrid=" + e.startingGrid};
    }

    TempFolder temp;
    std::string game = temp.folder("gpl");
};

std::vector<std::string> directories(const std::vector<TrackRecord>& tracks) {
    std::vector<std::string> out;
    for (const auto& t : tracks) out.push_back(t.trackDirectory + "#" + std::to_string(t.event));
    return out;
}

using Texts = std::vector<std::string>;

}  // namespace

TEST(TrackLine, FieldsAreFittedToEightAndTwentyColumnsAndTheNameIsKept) {
    EXPECT_EQ(strFormatTrackLine("Italian Grand Prix", "Monza", "monza"),
              "[monza   ] Monza               / Italian Grand Prix");
    EXPECT_EQ(strFormatTrackLine("N", "Nurburgring Nordschleife", "nurburgring"),
              "[nurburgr] Nurburgring Nordschl/ N");
    EXPECT_EQ(strFormatTrackLine(std::string(300, 'n'), "12345678901234567890", "12345678"),
              "[12345678] 12345678901234567890/ " + std::string(300, 'n'));
    EXPECT_EQ(strFormatTrackLine("", "", ""), "[        ]                     / ");
}

TEST(TrackLine, DoubleByteTextCountsCharactersAndIsNeverCutInsideACharacter) {
    ShiftJis shiftJis;
    const std::string a = "\x82\xA0";  // one character, two bytes
    // Five characters (ten bytes) get three blanks, one per missing character.
    EXPECT_EQ(strFormatTrackLine("x", a + a + a + a + a, a + a + a + a + a),
              "[" + a + a + a + a + a + "   ] " + a + a + a + a + a + std::string(15, ' ') +
                  "/ x");
    // Longer than the width: cut at eight bytes; a character across the cut becomes a blank.
    EXPECT_EQ(strFormatTrackLine("x", "s", "abcdefg" + a + "h"), "[abcdefg ] s" +
                                                                   std::string(19, ' ') + "/ x");
    std::string twenty;
    for (int i = 0; i < 20; ++i) twenty += a;
    EXPECT_EQ(strFormatTrackLine(a, twenty, "t"), "[t       ] " + twenty + "/ " + a);
}

TEST_F(TrackEditorFiles, AddListHoldsDatabaseTracksTheSetLacksWhoseFolderExists) {
    std::string s = set(scheduleText({event("MONACO"), event("spa"), event("silver")}, "2"));
    std::string db = database(scheduleText({event("monaco"), event("spa"), event("brands"),
                                            event("silver"), event("../tracks/monza"), event(""),
                                            event("monza"), event("zandvort")}));
    DatabaseTracks result = loadDatabaseTracks(game, s, db);
    EXPECT_EQ(result.outcome, DatabaseTracks::Outcome::Listed);
    // "MONACO" differs in case, so monaco is not in the set; silver lies beyond the
    // set's numEvents; brands has no folder; "../tracks/monza" and "" are no folder names.
    EXPECT_EQ(directories(result.tracks), (Texts{"monaco#1", "silver#4", "monza#7", "zandvort#8"}));
    EXPECT_EQ(result.tracks[2], (TrackRecord{"monza GP", "monza", "monza", 7}));
}

TEST_F(TrackEditorFiles, AddListStopsAtACountThatIsNoNumber) {
    std::string db = database(scheduleText({event("monza")}));
    DatabaseTracks noSetCount = loadDatabaseTracks(game, set(scheduleText({}, "many")), db);
    EXPECT_EQ(noSetCount.outcome, DatabaseTracks::Outcome::SetHasNoCount);
    EXPECT_TRUE(noSetCount.tracks.empty());

    std::string s = set(scheduleText({event("spa")}));
    DatabaseTracks noDbCount =
        loadDatabaseTracks(game, s, database(scheduleText({event("monza")}, "")));
    EXPECT_EQ(noDbCount.outcome, DatabaseTracks::Outcome::DatabaseHasNoCount);
    EXPECT_TRUE(noDbCount.tracks.empty());
    EXPECT_EQ(loadDatabaseTracks(game, s, temp.file("db/none.67s")).outcome,
              DatabaseTracks::Outcome::DatabaseHasNoCount);

    // "2.5" rounds to 2 (halves to even): two database events are read.
    std::string db2 = database(scheduleText({event("monza"), event("rouen"), event("silver")},
                                            "2.5"));
    EXPECT_EQ(directories(loadDatabaseTracks(game, s, db2).tracks), (Texts{"monza#1", "rouen#2"}));
}

TEST_F(TrackEditorFiles, RemoveListHoldsEveryEventOfTheSetInstalledOrNot) {
    std::vector<TrackRecord> tracks;
    ASSERT_TRUE(loadTrackSetTracks(set(scheduleText({event("spa"), event("brands"),
                                                     event("..")})),
                                   tracks));
    EXPECT_EQ(directories(tracks), (Texts{"spa#1", "brands#2", "..#3"}));
    EXPECT_FALSE(loadTrackSetTracks(set(scheduleText({event("spa")}, "")), tracks));
    EXPECT_TRUE(tracks.empty());
}

TEST_F(TrackEditorFiles, AddingCopiesTheDatabaseEventAsTheNextEventWithoutALimit) {
    std::vector<EventSpec> all;
    for (const char* t : {"monaco", "zandvort", "spa", "rouen", "silver"}) all.push_back(event(t, int(all.size()) * 3));
    std::string db = database(scheduleText(all));
    std::string s = set(scheduleText({all[0], all[1], all[2], all[3]}));
    DatabaseTracks listed = loadDatabaseTracks(game, s, db);
    ASSERT_EQ(directories(listed.tracks), (Texts{"silver#5"}));

    EXPECT_EQ(addTrack(s, db, listed.tracks[0]), EditResult::Written);
    EXPECT_EQ(value(s, "Season", "numEvents"), "5");
    EXPECT_EQ(section(s, "Event5"), linesOf(all[4]));
    EXPECT_EQ(section(s, "Event4"), linesOf(all[3]));
    EXPECT_TRUE(loadDatabaseTracks(game, s, db).tracks.empty());

    std::vector<EventSpec> full(64, event("spa"));
    std::string big = set(scheduleText(full));
    EXPECT_EQ(addTrack(big, db, listed.tracks[0]), EditResult::Written);
    EXPECT_EQ(value(big, "Season", "numEvents"), "65");
    EXPECT_EQ(value(big, "Event65", "trackDirectory"), "silver");
}

TEST_F(TrackEditorFiles, AddingWritesEmptyValuesAndKeepsTheSetsOtherLines) {
    std::string db = database("[Season]\r\nnumEvents=1\r\n[Event1]\r\nname=Spa GP\r\n"
                              "trackDirectory=spa\r\nmonth=6 ; June\r\n");
    std::string s = set("; my set\r\n[Season]\r\nnumEvents=0\r\nyear=1967\r\n[Notes]\r\nby=me\r\n");
    DatabaseTracks listed = loadDatabaseTracks(game, s, db);
    ASSERT_EQ(listed.tracks.size(), 1u);
    EXPECT_EQ(addTrack(s, db, listed.tracks[0]), EditResult::Written);
    EXPECT_EQ(section(s, "Event1"),
              (Texts{"name=Spa GP", "shortname=", "trackDirectory=spa", "month=6 ; June", "day=",
                     "numberOfLaps=", "startingGrid="}));
    EXPECT_EQ(readBytes(s).substr(0, 10), "; my set\r\n");
    EXPECT_EQ(value(s, "Season", "year"), "1967");
    EXPECT_EQ(value(s, "Notes", "by"), "me");
    EXPECT_EQ(value(s, "Season", "numEvents"), "1");
}

TEST_F(TrackEditorFiles, EditsOfASetWithoutACountWriteNothing) {
    std::string db = database(scheduleText({event("monza")}));
    std::string text = scheduleText({event("spa"), event("rouen")}, "two");
    std::string s = set(text);
    EXPECT_EQ(addTrack(s, db, TrackRecord{"monza GP", "monza", "monza", 1}), EditResult::NoCount);
    EXPECT_EQ(removeTrack(s, 0), EditResult::NoCount);
    EXPECT_EQ(readBytes(s), text);
}

// Removing the first of three moves the others down; removing the only one leaves none.
TEST_F(TrackEditorFiles, RemovingAnEventMovesTheLaterOnesDown) {
    EventSpec a = event("spa", 1), b = event("rouen", 2), c = event("monza", 3);
    std::string s = set(scheduleText({a, b, c}));
    EXPECT_EQ(removeTrack(s, 0), EditResult::Written);
    EXPECT_EQ(value(s, "Season", "numEvents"), "2");
    EXPECT_EQ(section(s, "Event1"), linesOf(b));
    EXPECT_EQ(section(s, "Event2"), linesOf(c));
    EXPECT_EQ(readBytes(s).find("[Event3]"), std::string::npos);

    s = set(scheduleText({a}));
    EXPECT_EQ(removeTrack(s, 0), EditResult::Written);
    EXPECT_EQ(readBytes(s), "[Season]\r\nnumEvents=0\r\n");
}

TEST_F(TrackEditorFiles, SectionsMoveWholeHoweverLongTheirLines) {
    EventSpec a = event("spa", 1), b = event("rouen", 2);
    b.name = std::string(700, 'N');
    std::string text = scheduleText({a, b});
    text += "comment=" + std::string(400, 'c') + "\r\nextra=kept\r\n";  // more keys in Event2
    std::string s = set(text);
    Texts moved = linesOf(b);
    moved.push_back("comment=" + std::string(400, 'c'));
    moved.push_back("extra=kept");
    ASSERT_EQ(section(s, "Event2"), moved);
    EXPECT_EQ(removeTrack(s, 0), EditResult::Written);
    EXPECT_EQ(section(s, "Event1"), moved);
    EXPECT_TRUE(section(s, "Event2").empty());
}

TEST_F(TrackEditorFiles, OneFarOffSectionCostsNoMoreThanTheSectionsThereAre) {
    const std::string far = "[Event999999999999999]\r\n";
    std::string s = set(scheduleText({event("spa"), event("rouen")}, "1000000000000000") + far +
                        "name=far\r\n");
    std::string db = database(scheduleText({event("spa")}, "1000000000000000") + far +
                              "trackDirectory=monza\r\n");
    EXPECT_EQ(directories(loadDatabaseTracks(game, s, db).tracks),
              (Texts{"monza#999999999999999"}));
    std::vector<TrackRecord> tracks;
    ASSERT_TRUE(loadTrackSetTracks(s, tracks));
    ASSERT_EQ(tracks.size(), 32767u);  // as many rows as a list can number
    EXPECT_EQ(tracks[1].trackDirectory, "rouen");
    EXPECT_EQ(removeTrack(s, 0), EditResult::Written);
    EXPECT_EQ(value(s, "Season", "numEvents"), "999999999999999");
    EXPECT_EQ(value(s, "Event1", "trackDirectory"), "rouen");
    EXPECT_TRUE(section(s, "Event2").empty());
    EXPECT_EQ(section(s, "Event999999999999998"), (Texts{"name=far"}));
    EXPECT_TRUE(section(s, "Event999999999999999").empty());
}

TEST_F(TrackEditorFiles, AnAbsurdCountStopsAtTheLastEventSection) {
    std::string s = set(scheduleText({event("spa"), event("rouen")}, "1000000000000"));
    std::string db = database(scheduleText({event("monza"), event("spa")}, "999999999999"));
    EXPECT_EQ(Schedule::load(s).lastEventSection(), 2);
    EXPECT_EQ(directories(loadDatabaseTracks(game, s, db).tracks), (Texts{"monza#1"}));
    std::vector<TrackRecord> tracks;
    ASSERT_TRUE(loadTrackSetTracks(s, tracks));
    EXPECT_EQ(tracks.size(), 64u);  // the two events and empty rows up to a full season
    EXPECT_EQ(removeTrack(s, 0), EditResult::Written);
    EXPECT_EQ(value(s, "Season", "numEvents"), "999999999999");
    EXPECT_EQ(value(s, "Event1", "trackDirectory"), "rouen");
}
