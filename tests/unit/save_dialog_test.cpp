// Saving the installed schedule as a track set through the save dialog.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "app/save_dialog.h"
#include "core/tracksets/crc16.h"
#include "platform/posix/file_system_posix.h"
#include "support/track_sets_fixture.h"
#include "support/user_requests.h"

using namespace gridmate;
using namespace gridmate::test;

namespace {

class SaveDialogs : public TrackSets {
protected:
    void SetUp() override {
        TrackSets::SetUp();
        put("67season.ini", original);
        put("Short.67s", shortSet);
        put("Other.67s", scheduleText({event("spa", 9)}));
    }
    // Types `name` into the dialog and presses OK.
    void typeAndOk(const std::string& name) {
        host.scripts.push_back([name](ui::Window& dialog) {
            dialog.find<ui::ComboBox>("cboName")->setText(name);
            dialog.find<ui::Button>("OKButton")->click();
        });
    }
    std::string seasonsListing() { return listing(gameFiles.file("seasons")); }
};

}  // namespace

TEST_F(SaveDialogs, DialogHasItsControlsAndOffersTheSetsWithTheChosenOne) {
    auto& w = open();
    w.blnUpdating = true;
    choose("Other");
    w.blnUpdating = false;
    ui::Window* seen = nullptr;
    Texts items;
    std::string text;
    host.scripts.push_back([&](ui::Window& dialog) {
        seen = &dialog;
        items = dialog.find<ui::ComboBox>("cboName")->items();
        text = dialog.find<ui::ComboBox>("cboName")->text();
        auto* label = dialog.find<ui::Label>("lblDesc");
        EXPECT_EQ(label->caption(), "Select or type filename of Track set(xxx.67s)");
        EXPECT_EQ(label->geometry(), (ui::Rect{180, 180, 3135, 435}));
        auto* name = dialog.find<ui::ComboBox>("cboName");
        EXPECT_EQ(name->style(), ui::ComboStyle::Editable);
        EXPECT_EQ(name->geometry(), (ui::Rect{300, 720, 3075, 315}));
        auto* ok = dialog.find<ui::Button>("OKButton");
        EXPECT_EQ(ok->caption(), "OK");
        EXPECT_EQ(ok->geometry(), (ui::Rect{3600, 120, 1215, 315}));
        auto* cancel = dialog.find<ui::Button>("CancelButton");
        EXPECT_EQ(cancel->caption(), "Cancel");
        EXPECT_EQ(cancel->geometry(), (ui::Rect{3600, 480, 1215, 315}));
        EXPECT_TRUE(dialog.visible());
        cancel->click();
        EXPECT_FALSE(dialog.visible());
    });
    w.cmdSaveTrackset->click();
    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(host.shown, Texts{"Gridmate save"});
    EXPECT_EQ(items, w.cboTrackSets->items());
    EXPECT_EQ(text, "Other");
    EXPECT_EQ(seasonsListing(), "67season.ini,Other.67s,Short.67s");
}

// The typed name always gets the extension, and a set of that name is overwritten
// without a question; the list then selects the saved set.
TEST_F(SaveDialogs, OkCopiesTheScheduleUnderTheTypedNameAndTheListSelectsIt) {
    auto& w = open();
    EXPECT_EQ(w.cboTrackSets->selectedIndex(), -1);
    int n = 0;
    for (auto [typed, file] : {std::pair{"My season", "My season.67s"}, {"Short", "Short.67s"},
                               {"Mine.67s", "Mine.67s.67s"}}) {
        const std::string schedule = scheduleText({event("monza", ++n)});
        put("67season.ini", schedule);
        typeAndOk(typed);
        w.cmdSaveTrackset->click();
        EXPECT_EQ(readBytes(seasonFile(file)), schedule) << typed;
        EXPECT_EQ(w.cboTrackSets->selectedItem(), typed);
        EXPECT_EQ(w.strSeasonCRC, GetCRC16(schedule));
        EXPECT_EQ(installed(), schedule);
        EXPECT_FALSE(w.blnUpdating);
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SaveDialogs, OkWithoutANameKeepsTheDialogOpenAndCancelOrCloseSaveNothing) {
    auto& w = open();
    host.scripts.push_back([](ui::Window& dialog) {
        dialog.find<ui::Button>("OKButton")->click();
        EXPECT_TRUE(dialog.visible());
        dialog.find<ui::ComboBox>("cboName")->setText("Typed");
        dialog.find<ui::Button>("CancelButton")->click();
    });
    w.cmdSaveTrackset->click();
    host.scripts.push_back([](ui::Window& dialog) {
        dialog.find<ui::ComboBox>("cboName")->setText("Typed");
        // left open: the host closes it as the close box would
    });
    w.cmdSaveTrackset->click();
    EXPECT_EQ(host.shown.size(), 2u);
    EXPECT_EQ(seasonsListing(), "67season.ini,Other.67s,Short.67s");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SaveDialogs, ANameThatIsNoPlainFileNameIsRefusedAndNothingWritten) {
    auto& w = open();
    for (std::string name : {"../outside", "sub/set", "sub\\set", "C:set", "a?b", "a*b", "a<b",
                             "a|b", "a\"b", "tab\there"}) {
        ui.messages.clear();
        typeAndOk(name);
        w.cmdSaveTrackset->click();
        EXPECT_EQ(boxes(ui), Texts{"Gridmate | Exclamation Ok | \"" + name +
                                   "\" cannot be the name of a track set: it must be a plain "
                                   "file name without \\ / : * ? \" < > |"});
        EXPECT_EQ(seasonsListing(), "67season.ini,Other.67s,Short.67s") << name;
    }
    EXPECT_EQ(listing(gameFiles.path()).find("outside"), std::string::npos);
    EXPECT_EQ(listing(gameFiles.path()).find("sub"), std::string::npos);
}

TEST_F(SaveDialogs, AFailedCopyIsReportedPlainAndLeavesTheFolderAsItWas) {
    auto& w = open();
    platform::PosixFileSystem files;
    files.failStep = [](platform::WriteStep step) { return step == platform::WriteStep::Flush; };
    platform::Platform p;
    p.fileSystem = &files;
    platform::ScopedPlatform failing(p);
    typeAndOk("Short");
    w.cmdSaveTrackset->click();
    EXPECT_EQ(boxes(ui), Texts{"Gridmate | None Ok | error(" + std::to_string(EIO) +
                               "): " + std::strerror(EIO)});
    EXPECT_EQ(readBytes(seasonFile("Short.67s")), shortSet);
    EXPECT_EQ(seasonsListing(), "67season.ini,Other.67s,Short.67s");
}

TEST_F(SaveDialogs, WithoutAModalHostNothingOpens) {
    auto& w = open();
    w.modalHost = nullptr;
    typeAndOk("Never");
    w.cmdSaveTrackset->click();
    EXPECT_TRUE(host.shown.empty());
    EXPECT_EQ(seasonsListing(), "67season.ini,Other.67s,Short.67s");
}

TEST(SaveDialog, CopyToTrackSetFailsAtOnceForAnEmptyName) {
    TempFolder temp;
    temp.write("gpl/seasons/67season.ini", "x");
    app::SaveDialog dialog(temp.file("gpl"));
    EXPECT_TRUE(dialog.CopyToTrackSet(""));
    EXPECT_EQ(listing(temp.file("gpl/seasons")), "67season.ini");
    EXPECT_FALSE(dialog.CopyToTrackSet("x"));
    EXPECT_EQ(readBytes(temp.file("gpl/seasons/x.67s")), "x");
}
