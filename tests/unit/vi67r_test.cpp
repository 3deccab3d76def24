// The vi67r track-set editor on the game's Original set (monaco, spa, rouen): its two
// modes, the database, the filter box and the operation button.
#include <gtest/gtest.h>

#include "app/vi67r.h"
#include "support/app_fixture.h"

using namespace gridmate;
using namespace gridmate::test;

namespace {

const std::string kZandvort = "[zandvort] zandvort            / zandvort GP";
const std::string kSilver = "[silver  ] silver              / silver GP";
const std::string kMonza = "[monza   ] monza               / monza GP";

class Editor : public AppTest {
protected:
    Editor() {
        for (auto t : {"zandvort", "silver"}) temp.folder(std::string("gpl/tracks/") + t);
        database = temp.write("db/all.67s", scheduleText({event("monaco", 1), event("zandvort", 2), event("spa", 3),
                                                          event("silver", 4), event("brands", 5), event("monza", 6)}));
        e.Form_Load();
    }
    Texts rows() { return e.lstTracks->items(); }
    // Which of hint label, hint box, path box and path button show, and the button's caption.
    std::string mode() {
        std::string s;
        for (ui::Control* c : std::initializer_list<ui::Control*>{e.lblHint, e.txtHint, e.txtPath, e.cmdPath})
            s += c->visible() ? '1' : '0';
        return s + " " + e.cmdOperation->caption();
    }
    std::string database;
    app::Vi67r e{settings, game, "Original", temp.file("program")};
};

// The stored database is read again on each entry into Add mode; a stored file that is
// gone is not taken.
TEST_F(Editor, AddModeListsTheDatabaseTracksTheSetLacks) {
    EXPECT_EQ(e.form().caption(), "vi67r - " + temp.file("gpl/seasons/Original.67s"));
    EXPECT_EQ(mode() + " " + e.txtPath->text(), "1111 &Add to TrackSet select 67s file as database");
    e.txtHint->setText("mon");
    EXPECT_EQ(rows(), Texts{});
    ui.filePicks = {std::nullopt, database};
    for (int i = 0; i < 3; ++i) e.cmdPath->click();
    const std::string dialog = "Select 67s TrackSet | 67s (*.67s) | *.67S | ";
    EXPECT_EQ(ui.dialogs(), (Texts{dialog + temp.file("program"), dialog + temp.file("program"), dialog + database}));
    EXPECT_EQ(stored("67s") + "|" + e.txtPath->text(), database + "|" + database);
    EXPECT_EQ(rows(), (Texts{kZandvort, kSilver, kMonza}));
    for (auto [hint, shown] : {std::pair{"MON", Texts{kMonza}}, {"*r", Texts{kSilver}}, {"*", Texts{kSilver}}}) {
        e.txtHint->setText(hint);
        EXPECT_EQ(rows(), shown) << hint;
    }
    setting("67s", temp.file("db/gone.67s"));
    e.optAction[1].select();
    e.optAction[0].select();
    EXPECT_EQ(e.txtHint->text() + e.txtPath->text(), database);
    EXPECT_EQ(rows(), (Texts{kZandvort, kSilver, kMonza}));
    EXPECT_EQ(ui.boxes(), Texts{});
}

TEST_F(Editor, AddingAppendsTheChosenTrackAndKeepsTheFilter) {
    setting("67s", database);
    e.optAction[1].select();
    e.optAction[0].select();
    e.cmdOperation->click();  // no row chosen
    EXPECT_EQ(bytes("gpl/seasons/Original.67s"), original);
    e.txtHint->setText("o");
    e.lstTracks->setSelectedIndex(0);
    e.cmdOperation->click();
    EXPECT_EQ(bytes("gpl/seasons/Original.67s"),
              profileWritten({event("monaco", 1), event("spa", 2), event("rouen", 3), event("zandvort", 2)}));
    EXPECT_EQ(rows(), Texts{kMonza});
    EXPECT_TRUE(e.lstTracks->visible());
}

TEST_F(Editor, RemoveModeListsTheSetsEventsAndRemovesTheChosenOne) {
    e.optAction[1].select();
    EXPECT_EQ(mode() + " " + e.lstTracks->toolTip(), "0000 &Remove from TrackSet selected 67s TrackSet loaded.");
    Texts before = rows();
    EXPECT_EQ(before[0], "[monaco  ] monaco              / monaco GP");
    for (int removed = 0; removed < 2; ++removed) {
        e.lstTracks->setSelectedIndex(1);
        e.cmdOperation->click();
    }
    EXPECT_EQ(rows(), Texts{before[0]});
    EXPECT_EQ(bytes("gpl/seasons/Original.67s"), profileWritten({event("monaco", 1)}));
    e.optAction[0].select();  // back without a database: the rows go
    EXPECT_EQ(rows(), Texts{});
}

// Each list is loaded under the busy pointer, which goes away on every way out.
TEST_F(Editor, ACountThatIsNoNumberEmptiesTheListWithAMessage) {
    setting("67s", temp.write("db/bad.67s", scheduleText({event("monza")}, "")));
    e.optAction[1].select();
    e.optAction[0].select();
    put("gpl/seasons/Original.67s", scheduleText({event("spa")}, "x"));
    setting("67s", database);
    e.optAction[1].select();
    EXPECT_EQ(rows(), Texts{});
    e.optAction[0].select();  // the edited set's count: no message
    EXPECT_EQ(rows(), Texts{});
    EXPECT_EQ(ui.boxes(), Texts(2, "Gridmate | None Ok | numEvents of 67s error"));
    EXPECT_EQ(ui.waitCursorChanges, (std::vector<bool>{true, false, true, false, true, false, true, false}));
}

}  // namespace
