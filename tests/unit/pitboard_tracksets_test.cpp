// The main window's track-set row: listing the sets, installing one as 67season.ini,
// deleting, the save dialog, the editor, and the last-track lists.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "support/app_fixture.h"

using namespace gridmate;
using namespace gridmate::test;

namespace {

const char* const kInstalled = "gpl/seasons/67season.ini";
const std::string kAsk = "Gridmate - changing trackset | Exclamation YesNo default 1 | Current 67season.ini "
                         "might be changed or was not saved as 67s file. continue ?";

Texts sorted(Texts items) {
    std::sort(items.begin(), items.end());
    return items;
}

void typeAndOk(ScriptedModalHost& host, const std::string& name) {
    host.scripts.push_back([name](ui::Window& dialog) {
        dialog.find<ui::ComboBox>("cboName")->setText(name);
        dialog.find<ui::Button>("OKButton")->click();
    });
}

// Only names ending exactly in ".67s" are sets; the one equal to the schedule shows.
TEST_F(AppTest, ChoosingASetOverAnUnsavedScheduleAsksAndNoKeepsEverything) {
    put("gpl/seasons/Upper.67S", original);
    put(kInstalled, scheduleText({event("rouen")}));
    Files before = files();
    auto& w = load();
    EXPECT_EQ(sorted(w.cboTrackSets->items()), (Texts{"Original", "Short"}));
    EXPECT_EQ(w.cboTrackSets->selectedIndex(), -1);
    ui.answers = {platform::Answer::No, platform::Answer::Yes};
    pick(*w.cboTrackSets, "Short");
    EXPECT_EQ(w.cboTrackSets->selectedIndex(), -1);
    EXPECT_EQ(files(), before);
    EXPECT_EQ(w.cboLastTrack[0].items(), Texts{"rouen"});
    pick(*w.cboTrackSets, "Short");
    EXPECT_EQ(bytes(kInstalled), shortSet);
    EXPECT_EQ(w.cboLastTrack[0].items(), (Texts{"monza", "spa"}));
    EXPECT_EQ(w.cboLastTrack[0].selectedItem(), "monza");  // the player's last track again
    pick(*w.cboTrackSets, "Original");  // the schedule is saved as Short: no question
    EXPECT_EQ(bytes(kInstalled), original);
    EXPECT_EQ(ui.boxes(), (Texts{kAsk, kAsk}));
}

// Up to 64 events install (the count rounded half to even); more, no count, or a set
// gone since the listing is refused with its message, and the lists are emptied.
TEST_F(AppTest, ASetInstallsOnlyWithACountOfAtMost64) {
    const std::string refused = "Gridmate | Exclamation Ok | Xcould not apply trackset(X.67s has ";
    const std::pair<const char*, std::string> cases[] = {
        {"64", ""}, {"64.5", ""}, {"0", ""}, {"-3", ""}, {"65", refused + "over 64 tracks)."},
        {"64.51", refused + "over 64 tracks)."}, {"abc", refused + "no numevents)."}, {"", refused + "no numevents)."},
        {"gone", "Gridmate | Exclamation Ok | X.67s not found."}};
    auto& w = load();
    for (const auto& [count, message] : cases) {
        const std::string set = scheduleText({event("spa")}, count);
        put("gpl/seasons/X.67s", set);
        put(kInstalled, original);
        w.GetTrackSets();
        if (std::string(count) == "gone") remove("gpl/seasons/X.67s");
        ui.messages.clear();
        pick(*w.cboTrackSets, "X");
        EXPECT_EQ(ui.boxes(), message.empty() ? Texts{} : Texts{message}) << count;
        EXPECT_EQ(bytes(kInstalled), message.empty() ? set : original) << count;
        EXPECT_EQ(w.cboLastTrack[0].items(), message.empty() ? Texts{"spa"} : Texts{}) << count;
        EXPECT_EQ(w.cboTrackSets->selectedIndex() >= 0, message.empty()) << count;
    }
}

// Deleting asks nothing; whatever the new listing matches, the next choice asks.
TEST_F(AppTest, DeletingRemovesTheChosenSetAtOnce) {
    put("gpl/seasons/Spare.67s", original);
    auto& w = load();
    quietly(*w.cboTrackSets, "Short");
    w.cmdDelTrackset->click();
    EXPECT_EQ(sorted(w.cboTrackSets->items()), (Texts{"Original", "Spare"}));
    ui.answers = {platform::Answer::No};
    pick(*w.cboTrackSets, w.cboTrackSets->selectedItem() == "Original" ? "Spare" : "Original");
    w.cboTrackSets->setSelectedIndex(-1);
    w.cmdDelTrackset->click();  // nothing chosen: nothing deleted
    quietly(*w.cboTrackSets, "Spare");
    remove("gpl/seasons/Spare.67s");
    w.cmdDelTrackset->click();
    EXPECT_EQ(ui.boxes(), (Texts{kAsk, "Gridmate | Exclamation Ok | could not delete Spare.67s\r\n" +
                                           std::to_string(ENOENT) + ": " + std::strerror(ENOENT)}));
    EXPECT_EQ(listing(temp.file("gpl/seasons")), "67season.ini,Original.67s");
    EXPECT_EQ(w.cboTrackSets->items(), Texts{"Original"});
}

// A track is its folder name up to a ";" comment and a blank, listed while its folder
// exists; the list ends at the first event without one.
TEST_F(AppTest, TheLastTrackListsFollowTheInstalledSchedule) {
    std::vector<EventSpec> events;
    for (auto track : {"spa ; Belgium", "brands", "rouen;France", "..", "../tracks/monza", "monaco", "", "monza"}) {
        events.push_back(event("x"));
        events.back().trackDirectory = track;
    }
    put(kInstalled, scheduleText(events));
    auto& w = load();
    for (int i = 0; i < 3; ++i) EXPECT_EQ(w.cboLastTrack[i].items(), (Texts{"spa", "rouen", "monaco"})) << i;
}

// The editor works on the chosen set; closing it installs the edited set.
TEST_F(AppTest, TheEditorOpensOnTheChosenSetAndClosingInstallsIt) {
    auto& w = load();
    pick(*w.cboTrackSets, "Short");
    host.scripts.push_back([](ui::Window& editor) {
        editor.find<ui::OptionButton>("optAction", 1)->select();
        editor.find<ui::ListBox>("lstTracks")->setSelectedIndex(0);
        editor.find<ui::Button>("cmdOperation")->click();
        editor.find<ui::Button>("cmdClose")->click();
    });
    w.cmd67s->click();
    EXPECT_EQ(host.shown, Texts{"vi67r - " + temp.file("gpl/seasons/Short.67s")});
    EXPECT_EQ(bytes("gpl/seasons/Short.67s").find("monza"), std::string::npos);
    EXPECT_EQ(bytes(kInstalled), bytes("gpl/seasons/Short.67s"));
    EXPECT_EQ(w.cboTrackSets->selectedItem() + "|" + w.cboLastTrack[0].items().at(0), "Short|spa");
    pick(*w.cboTrackSets, "Original");  // the edited set is installed as saved: no question
    w.cboTrackSets->setSelectedIndex(-1);
    w.cmd67s->click();  // nothing chosen: no editor
    w.modalHost = nullptr;
    quietly(*w.cboTrackSets, "Short");
    w.cmd67s->click();  // nowhere to show a dialog
    w.cmdSaveTrackset->click();
    EXPECT_EQ(host.shown.size() + ui.messages.size(), 1u);
}

TEST_F(AppTest, TheSaveDialogOffersTheSetsAndSavesNothingUnlessOk) {
    auto& w = load();
    quietly(*w.cboTrackSets, "Short");
    Files before = files();
    host.scripts.push_back([&](ui::Window& dialog) {
        auto* name = dialog.find<ui::ComboBox>("cboName");
        EXPECT_EQ(dialog.find<ui::Label>("lblDesc")->caption(), "Select or type filename of Track set(xxx.67s)");
        EXPECT_EQ(name->items(), w.cboTrackSets->items());
        EXPECT_EQ(name->text(), "Short");
        name->setText("");
        dialog.find<ui::Button>("OKButton")->click();  // no name: the dialog stays
        EXPECT_TRUE(dialog.visible());
        name->setText("Typed");
        dialog.find<ui::Button>("CancelButton")->click();
    });
    host.scripts.push_back([](ui::Window& dialog) { dialog.find<ui::ComboBox>("cboName")->setText("Typed"); });
    w.cmdSaveTrackset->click();
    w.cmdSaveTrackset->click();  // left open: closed by its close box
    EXPECT_EQ(host.shown, (Texts{"Gridmate save", "Gridmate save"}));
    EXPECT_EQ(files(), before);
}

// The typed name always gets the extension; a set of that name is overwritten without
// a question; the list then shows and selects the saved set. A name that is no plain
// file name is refused.
TEST_F(AppTest, OkSavesTheScheduleUnderTheTypedName) {
    auto& w = load();
    for (auto [typed, file] : {std::pair{"My season", "My season.67s"}, {"Short", "Short.67s"},
                               {"Mine.67s", "Mine.67s.67s"}}) {
        put(kInstalled, scheduleText({event("monza", int(std::strlen(file)))}));
        typeAndOk(host, typed);
        w.cmdSaveTrackset->click();
        EXPECT_EQ(bytes(std::string("gpl/seasons/") + file), bytes(kInstalled)) << typed;
        EXPECT_EQ(w.cboTrackSets->selectedItem(), typed);
    }
    EXPECT_EQ(ui.boxes(), Texts{});
    Files before = files();
    for (std::string name : {"../outside", "sub/set", "sub\\set", "C:set", "a?b", "a*b", "a<b", "a|b", "a\"b", "t\tb"}) {
        ui.messages.clear();
        typeAndOk(host, name);
        w.cmdSaveTrackset->click();
        EXPECT_EQ(ui.boxes(), Texts{"Gridmate | Exclamation Ok | \"" + name + "\" cannot be the name of a track set: "
                                    "it must be a plain file name without \\ / : * ? \" < > |"});
    }
    EXPECT_EQ(files(), before);
}

}  // namespace
