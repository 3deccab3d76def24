// The vi67r editor window: its controls, the two modes, the database, the filter box
// and the operation button, on real files.
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "app/settings.h"
#include "app/vi67r.h"
#include "core/ini/profile_read.h"
#include "platform/platform.h"
#include "platform/posix/file_system_posix.h"
#include "support/schedule_files.h"
#include "support/scripted_ui.h"
#include "support/temp_folder.h"
#include "support/user_requests.h"

using namespace gridmate;
using namespace gridmate::test;

namespace {

using Texts = std::vector<std::string>;

platform::Platform withUi(platform::Ui& ui) {
    platform::Platform p;
    p.ui = &ui;
    return p;
}

class Editor : public ::testing::Test {
protected:
    Editor() {
        temp.folder("program");
        for (const char* track : {"monaco", "zandvort", "spa", "rouen", "monza", "silver"})
            temp.folder(std::string("gpl/tracks/") + track);
        temp.write("gpl/seasons/Mine.67s",
                   scheduleText({event("monaco", 1), event("spa", 2), event("rouen", 3)}));
        database = temp.write("db/all.67s",
                              scheduleText({event("monaco", 1), event("zandvort", 2), event("spa", 3),
                                            event("silver", 4), event("brands", 5), event("monza", 6)}));
    }
    app::Vi67r& open() {
        editor = std::make_unique<app::Vi67r>(settings, temp.file("gpl"), "Mine", temp.file("program"));
        editor->Form_Load();
        return *editor;
    }
    std::string setFile() { return temp.file("gpl/seasons/Mine.67s"); }
    Texts rows() { return editor->lstTracks->items(); }
    std::string numEvents() { return strGetProfileString(setFile(), "Season", "numEvents", ""); }

    TempFolder temp{"gm-vi67r"};
    ScriptedUi ui;
    platform::ScopedPlatform scoped{withUi(ui)};
    app::Settings settings{temp.file("program/tarmac.ini")};
    std::string database;
    std::unique_ptr<app::Vi67r> editor;
};

// The real file system, counting whole-file reads per path.
class CountingFileSystem : public platform::PosixFileSystem {
public:
    std::map<std::string, int> reads;
    std::optional<std::string> readFile(const std::string& path, platform::IoError& err) override {
        ++reads[path];
        return PosixFileSystem::readFile(path, err);
    }
};

const std::string kZandvort = "[zandvort] zandvort            / zandvort GP";
const std::string kSilver = "[silver  ] silver              / silver GP";
const std::string kMonza = "[monza   ] monza               / monza GP";

}  // namespace

TEST_F(Editor, ControlsCarryTheirTextsTooltipsAndPlaces) {
    auto& e = open();
    EXPECT_EQ(e.form().caption(), "vi67r - " + setFile());
    EXPECT_EQ(e.strTrackSetFile, setFile());
    struct Expected {
        ui::Control* control;
        ui::Rect at;
        std::string toolTip;
    };
    for (const Expected& x : std::vector<Expected>{
             {&e.optAction[0], {120, 60, 1935, 315}, ""},
             {&e.optAction[1], {2280, 60, 1935, 315}, ""},
             {e.lstTracks, {60, 420, 6495, 1620}, "These tracks are not included in selected 67s TrackSet"},
             {e.lblHint, {120, 2160, 675, 255}, ""},
             {e.txtHint, {660, 2100, 3255, 315}, ""},
             {e.cmdOperation, {4440, 2100, 2115, 315}, "install selected track to 67season.ini"},
             {e.txtPath, {60, 2460, 3855, 315}, "this path was saved to tarmac.ini"},
             {e.cmdPath, {3960, 2460, 375, 315}, ""},
             {e.cmdClose, {4440, 2460, 2115, 315}, "back to Gridmate"}}) {
        EXPECT_EQ(x.control->geometry(), x.at) << x.control->name();
        EXPECT_EQ(x.control->toolTip(), x.toolTip) << x.control->name();
    }
    EXPECT_EQ(e.optAction[0].caption(), "Add Track");
    EXPECT_EQ(e.optAction[1].caption(), "Remove Track");
    EXPECT_EQ(e.lblHint->caption(), "Hint");
    EXPECT_EQ(e.cmdClose->caption(), "close");
    EXPECT_EQ(e.lstTracks->fontName(), "Terminal");
    EXPECT_TRUE(e.cmdPath->graphical());
    EXPECT_EQ(e.cmdPath->picture(), ui::Picture::resource("folder_open"));
}

TEST_F(Editor, AddModeWithoutADatabaseAsksForOneAndListsNothing) {
    auto& e = open();
    EXPECT_TRUE(e.optAction[0].selected());
    EXPECT_EQ(e.txtPath->text(), "select 67s file as database");
    EXPECT_TRUE(rows().empty());
    EXPECT_EQ(e.cmdOperation->caption(), "&Add to TrackSet");
    for (ui::Control* c : {(ui::Control*)e.lblHint, (ui::Control*)e.txtHint, (ui::Control*)e.txtPath,
                           (ui::Control*)e.cmdPath})
        EXPECT_TRUE(c->visible()) << c->name();
    e.txtHint->setText("mon");
    EXPECT_TRUE(rows().empty());
    EXPECT_TRUE(ui.messages.empty());
}

// The stored database is read again on every entry into Add mode; a stored file that is
// gone is not taken, and the previous one stays.
TEST_F(Editor, AddModeListsTheStoredDatabaseTracksTheSetLacks) {
    auto& e = open();
    settings.SetSetting("67s", database);
    e.optAction[1].select();
    e.optAction[0].select();
    EXPECT_EQ(e.strDatabaseFile, database);
    EXPECT_EQ(e.txtPath->text(), database);
    EXPECT_EQ(rows(), (Texts{kZandvort, kSilver, kMonza}));
    EXPECT_EQ(e.RowToTrack, (std::vector<int32_t>{0, 1, 2}));
    ASSERT_EQ(e.Tracks.size(), 3u);
    EXPECT_EQ(e.Tracks[1].event, 4);

    settings.SetSetting("67s", temp.file("db/gone.67s"));
    e.optAction[1].select();
    e.optAction[0].select();
    EXPECT_EQ(e.strDatabaseFile, database);
    EXPECT_EQ(e.txtPath->text(), database);
    EXPECT_EQ(rows().size(), 3u);
}

TEST_F(Editor, RemoveModeListsEveryEventAndHidesTheDatabaseControls) {
    temp.write("gpl/seasons/Mine.67s", scheduleText({event("spa"), event("brands")}));
    auto& e = open();
    e.optAction[1].select();
    EXPECT_EQ(rows(), (Texts{"[spa     ] spa                 / spa GP",
                             "[brands  ] brands              / brands GP"}));
    EXPECT_EQ(e.cmdOperation->caption(), "&Remove from TrackSet");
    EXPECT_EQ(e.lstTracks->toolTip(), "selected 67s TrackSet loaded.");
    for (ui::Control* c : {(ui::Control*)e.lblHint, (ui::Control*)e.txtHint, (ui::Control*)e.txtPath,
                           (ui::Control*)e.cmdPath})
        EXPECT_FALSE(c->visible()) << c->name();
    // Back in Add mode without a database, the rows of Remove mode are gone.
    e.optAction[0].select();
    EXPECT_TRUE(rows().empty());
    EXPECT_TRUE(e.Tracks.empty());
    EXPECT_TRUE(e.lblHint->visible());
}

TEST_F(Editor, CountsThatAreNoNumbersEmptyTheListsWithTheirMessages) {
    settings.SetSetting("67s", temp.write("db/bad.67s", scheduleText({event("monza")}, "")));
    auto& e = open();
    EXPECT_TRUE(rows().empty());
    EXPECT_EQ(boxes(ui), Texts{"Gridmate | None Ok | numEvents of 67s error"});

    ui.messages.clear();
    temp.write("gpl/seasons/Mine.67s", scheduleText({event("spa")}, "x"));
    settings.SetSetting("67s", database);
    e.optAction[1].select();
    EXPECT_TRUE(rows().empty());
    EXPECT_EQ(ui.messageTexts(), Texts{"numEvents of 67s error"});
    ui.messages.clear();
    e.optAction[0].select();  // the edited set's count: no message
    EXPECT_TRUE(rows().empty());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Editor, ChoosingTheDatabaseStoresItAndStartsWhereTheLastOneWas) {
    auto& e = open();
    e.cmdPath->click();  // cancelled
    EXPECT_TRUE(rows().empty());
    EXPECT_EQ(settings.strGetSetting("67s"), "");

    ui.filePicks.push_back(database);
    e.cmdPath->click();
    EXPECT_EQ(settings.strGetSetting("67s"), database);
    EXPECT_EQ(e.txtPath->text(), database);
    EXPECT_EQ(rows(), (Texts{kZandvort, kSilver, kMonza}));
    e.cmdPath->click();
    const std::string dialog = "Select 67s TrackSet | 67s (*.67s) | *.67S | ";
    EXPECT_EQ(dialogs(ui), (Texts{dialog + temp.file("program"), dialog + temp.file("program"),
                                  dialog + database}));
}

TEST_F(Editor, TheFilterBoxNarrowsTheAddListAndEnteringAddModeEmptiesIt) {
    settings.SetSetting("67s", database);
    auto& e = open();
    e.txtHint->setText("MON");
    EXPECT_EQ(rows(), Texts{kMonza});
    EXPECT_EQ(e.RowToTrack, std::vector<int32_t>{2});
    e.txtHint->setText("*r");
    EXPECT_EQ(rows(), Texts{kSilver});
    e.txtHint->setText("*");
    EXPECT_EQ(rows(), Texts{kSilver});  // "*" alone keeps the list
    e.optAction[1].select();
    e.optAction[0].select();
    EXPECT_EQ(e.txtHint->text(), "");
    EXPECT_EQ(rows(), (Texts{kZandvort, kSilver, kMonza}));
}

TEST_F(Editor, AddingAppendsTheChosenTrackAndReappliesTheFilter) {
    settings.SetSetting("67s", database);
    auto& e = open();
    e.txtHint->setText("o");  // zandvort, monza
    ASSERT_EQ(rows(), (Texts{kZandvort, kMonza}));
    e.lstTracks->setSelectedIndex(1);
    e.cmdOperation->click();
    EXPECT_EQ(numEvents(), "4");
    EXPECT_EQ(platform::profile().getSection(setFile(), "Event4"),
              (Texts{"name=monza GP", "shortname=monza", "trackDirectory=monza", "month=7",
                     "day=7", "numberOfLaps=46", "startingGrid=16"}));
    EXPECT_EQ(rows(), Texts{kZandvort});
    EXPECT_EQ(e.txtHint->text(), "o");
    EXPECT_TRUE(e.lstTracks->visible());
}

TEST_F(Editor, RemovingDeletesTheChosenEventAndKeepsTheOtherRows) {
    auto& e = open();
    e.optAction[1].select();
    Texts before = rows();
    e.lstTracks->setSelectedIndex(1);
    e.cmdOperation->click();
    EXPECT_EQ(rows(), (Texts{before[0], before[2]}));
    EXPECT_EQ(numEvents(), "2");
    EXPECT_EQ(strGetProfileString(setFile(), "Event2", "trackDirectory", ""), "rouen");
    ASSERT_EQ(e.Tracks.size(), 2u);
    EXPECT_EQ(e.Tracks[1].event, 2);
    e.optAction[0].select();
    e.optAction[1].select();
    EXPECT_EQ(rows(), (Texts{before[0], before[2]}));
}

TEST_F(Editor, TheOperationButtonWithoutAChosenRowDoesNothing) {
    settings.SetSetting("67s", database);
    std::string before = readBytes(setFile());
    auto& e = open();
    e.cmdOperation->click();
    e.optAction[1].select();
    e.cmdOperation->click();
    EXPECT_EQ(readBytes(setFile()), before);
    EXPECT_EQ(rows().size(), 3u);
}

TEST_F(Editor, TheBusyPointerIsShownWhileListsLoadAndRemovedOnEveryWayOut) {
    settings.SetSetting("67s", temp.write("db/bad.67s", scheduleText({event("monza")}, "")));
    auto& e = open();  // the database error
    EXPECT_EQ(ui.waitCursorChanges, (std::vector<bool>{true, false}));
    EXPECT_FALSE(ui.waitCursor);
    e.optAction[1].select();
    e.txtHint->setText("a");
    EXPECT_EQ(ui.waitCursorChanges, (std::vector<bool>{true, false, true, false, true, false}));
    EXPECT_FALSE(ui.waitCursor);
}

TEST_F(Editor, AddModeReadsEachScheduleOnceAndFilteringReadsNothing) {
    settings.SetSetting("67s", database);
    auto& e = open();
    CountingFileSystem files;
    platform::Platform p;
    p.fileSystem = &files;
    platform::ScopedPlatform counting(p);
    e.optAction[1].select();
    EXPECT_EQ(files.reads, (std::map<std::string, int>{{setFile(), 1}}));
    files.reads.clear();
    e.optAction[0].select();
    EXPECT_EQ(files.reads[setFile()], 1);
    EXPECT_EQ(files.reads[database], 1);
    files.reads.clear();
    e.txtHint->setText("m");
    e.txtHint->setText("mo");
    EXPECT_TRUE(files.reads.empty());
    EXPECT_EQ(rows(), Texts{kMonza});
}
