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

struct Editor : AppTest {
    Editor() {
        for (auto t : {"zandvort", "silver"}) temp.folder(std::string("gpl/tracks/") + t);
        e.Form_Load();
    }
    Texts rows() { return e.lstTracks->items(); }
    // Which of hint label, hint box, path box and path button show; the button's caption.
    std::string mode() {
        std::string s;
        for (ui::Control* c : std::vector<ui::Control*>{e.lblHint, e.txtHint, e.txtPath, e.cmdPath})
            s += c->visible() ? '1' : '0';
        return s + " " + e.cmdOperation->caption() + " " + e.txtPath->text();
    }
    std::string database = temp.write("db/all.67s", scheduleText({event("monaco", 1), event("zandvort", 2),
        event("spa", 3), event("silver", 4), event("brands", 5), event("monza", 6)}));
    app::Vi67r e{settings, game, "Original", temp.file("program")};
};

// The Add list holds the database's tracks that the set lacks and whose folder exists.
// The stored database is read again on each entry into Add mode, unless it is gone.
TEST_F(Editor, AddModeAddsADatabaseTrackTheSetLacks) {
    EXPECT_EQ(e.form().caption() + " | " + mode(), "vi67r - " + temp.file("gpl/seasons/Original.67s") +
                                                       " | 1111 &Add to TrackSet select 67s file as database");
    ui.filePicks = {std::nullopt, database};
    for (int i = 0; i < 3; ++i) e.cmdPath->click();
    EXPECT_EQ(ui.dialogs().back(), "Select 67s TrackSet | 67s (*.67s) | *.67S | " + database);
    EXPECT_EQ(rows(), (Texts{kZandvort, kSilver, kMonza}));
    e.txtHint->setText("MON");
    EXPECT_EQ(rows(), Texts{kMonza});
    setting("67s", temp.file("db/gone.67s"));
    e.optAction[1].select();
    e.optAction[0].select();
    EXPECT_EQ(mode() + e.txtHint->text(), "1111 &Add to TrackSet " + database);
    e.txtHint->setText("o");
    e.cmdOperation->click();  // no row chosen
    e.lstTracks->setSelectedIndex(0);
    e.cmdOperation->click();
    EXPECT_EQ(bytes("gpl/seasons/Original.67s"),
              profileWritten({event("monaco", 1), event("spa", 2), event("rouen", 3), event("zandvort", 2)}));
    EXPECT_EQ(rows(), Texts{kMonza});
    EXPECT_TRUE(e.lstTracks->visible());
}

TEST_F(Editor, RemoveModeListsTheSetsEventsAndRemovesTheChosenOne) {
    e.optAction[1].select();
    EXPECT_EQ(mode() + " | " + e.lstTracks->toolTip(),
              "0000 &Remove from TrackSet select 67s file as database | selected 67s TrackSet loaded.");
    for (int twice = 0; twice < 2; ++twice) e.lstTracks->setSelectedIndex(1), e.cmdOperation->click();
    EXPECT_EQ(bytes("gpl/seasons/Original.67s"), profileWritten({event("monaco", 1)}));
    EXPECT_EQ(rows().size(), 1u);
}

}  // namespace
