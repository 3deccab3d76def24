// The main window's track-set row: choosing a set to install, the checks before it is
// installed, the save dialog, the editor, and the last-track lists.
#include <gtest/gtest.h>

#include "core/tracksets/crc16.h"
#include "support/app_fixture.h"

using namespace gridmate;
using namespace gridmate::test;

namespace {

const char* const kInstalled = "gpl/seasons/67season.ini";
const std::string kAsk = "Gridmate - changing trackset | Exclamation YesNo default 1 | Current 67season.ini "
                         "might be changed or was not saved as 67s file. continue ?";

// Only names ending exactly in ".67s" are sets. Over a schedule saved as no set, a choice
// asks first; No keeps everything. The last-track lists hold the schedule's tracks (up to
// a ";" comment and a blank) whose folder exists, up to the first event without one.
TEST_F(AppTest, ChoosingASetOverAnUnsavedScheduleAsksFirst) {
    std::vector<EventSpec> events;
    for (auto track : {"spa ; Belgium", "brands", "rouen;France", "..", "../tracks/monza", "monaco", "", "monza"})
        events.push_back(event("x")), events.back().trackDirectory = track;
    put(kInstalled, scheduleText(events));
    put("gpl/seasons/Upper.67S", original);
    Files before = files();
    auto& w = load();
    EXPECT_EQ(w.cboTrackSets->count(), 2);
    ui.answers = {platform::Answer::No, platform::Answer::Yes};
    pick(*w.cboTrackSets, "Short");
    EXPECT_EQ(w.cboTrackSets->selectedIndex(), -1);
    EXPECT_EQ(files(), before);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(w.cboLastTrack[i].items(), (Texts{"spa", "rouen", "monaco"})) << i;
    pick(*w.cboTrackSets, "Short");
    EXPECT_EQ(w.cboLastTrack[0].items(), (Texts{"monza", "spa"}));
    EXPECT_EQ(w.cboLastTrack[0].selectedItem(), "monza");  // the player's last track again
    pick(*w.cboTrackSets, "Original");  // the schedule is saved as Short: no question
    EXPECT_EQ(bytes(kInstalled), original);
    EXPECT_EQ(ui.boxes(), (Texts{kAsk, kAsk}));
}

// Only a set of the schedule's very bytes is the installed one: another of the same size
// and checksum (CRC-16 alone would take it) is not, so a choice asks first.
TEST_F(AppTest, ASetWithTheSchedulesChecksumButOtherBytesIsNotTheInstalledOne) {
    std::string twin = original;
    twin[1] = 's';
    for (int v = 0; GetCRC16(twin) != GetCRC16(original) && v < 65536; ++v)
        twin[twin.size() - 2] = char(v >> 8), twin[twin.size() - 1] = char(v);
    ASSERT_EQ(GetCRC16(twin), GetCRC16(original));
    put("gpl/seasons/Original.67s", twin);
    auto& w = load();
    EXPECT_EQ(w.cboTrackSets->selectedIndex(), -1);
    pick(*w.cboTrackSets, "Short");
    EXPECT_EQ(ui.boxes(), Texts{kAsk});
}

// Up to 64 events install (the count rounded half to even); else the lists are emptied.
TEST_F(AppTest, ASetInstallsOnlyWithACountOfAtMost64) {
    const std::string refused = "Gridmate | Exclamation Ok | Xcould not apply trackset(X.67s has ";
    const std::pair<const char*, std::string> cases[] = {
        {"64", ""}, {"64.5", ""}, {"-3", ""}, {"65", refused + "over 64 tracks)."},
        {"64.51", refused + "over 64 tracks)."}, {"abc", refused + "no numevents)."},
        {"", refused + "no numevents)."}, {"gone", "Gridmate | Exclamation Ok | X.67s not found."}};
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
        EXPECT_EQ(bytes(kInstalled) + w.cboLastTrack[0].item(0) + w.cboTrackSets->selectedItem(),
                  message.empty() ? set + "spaX" : original) << count;
    }
}

// Closing the editor installs the edited set; without a chosen set, or a host, none opens.
TEST_F(AppTest, TheEditorOpensOnTheChosenSetAndClosingInstallsIt) {
    auto& w = load();
    w.cboTrackSets->setSelectedIndex(-1);
    w.cmd67s->click();
    pick(*w.cboTrackSets, "Short");
    host.scripts.push_back([](ui::Window& editor) {
        editor.find<ui::OptionButton>("optAction", 1)->select();
        editor.find<ui::ListBox>("lstTracks")->setSelectedIndex(0);
        editor.find<ui::Button>("cmdOperation")->click();
    });
    w.cmd67s->click();
    w.modalHost = nullptr;
    w.cmd67s->click();
    w.cmdSaveTrackset->click();
    EXPECT_EQ(host.shown, Texts{"vi67r - " + temp.file("gpl/seasons/Short.67s")});
    EXPECT_EQ(bytes(kInstalled), profileWritten({event("spa", 5)}));
    EXPECT_EQ(bytes("gpl/seasons/Short.67s") + w.cboTrackSets->selectedItem(), bytes(kInstalled) + "Short");
}

// The sets are offered, the chosen one typed; the typed name always gets the extension.
// Cancel, the close box, or OK without a name save nothing; no plain file name, refused.
TEST_F(AppTest, TheSaveDialogSavesTheScheduleUnderATypedName) {
    auto& w = load();
    quietly(*w.cboTrackSets, "Short");
    auto type = [&](std::string name, std::string button) {
        host.scripts.push_back([&w, name, button](ui::Window& dialog) {
            auto* box = dialog.find<ui::ComboBox>("cboName");
            EXPECT_EQ(dialog.find<ui::Label>("lblDesc")->caption(), "Select or type filename of Track set(xxx.67s)");
            EXPECT_EQ(box->items(), w.cboTrackSets->items());
            EXPECT_EQ(box->text(), w.cboTrackSets->selectedItem());
            box->setText(name);
            if (!button.empty()) dialog.find<ui::Button>(button)->click();
        });
        w.cmdSaveTrackset->click();
    };
    Files before = files();
    for (auto [name, button] : {std::pair{"", "OKButton"}, {"Typed", "CancelButton"}, {"Typed", ""}})
        type(name, button);
    for (std::string name : {"../outside", "sub/set", "sub\\set", "C:set", "a?b", "a*b", "a<b", "a|b", "a\"b", "t\tb"})
        type(name, "OKButton");
    EXPECT_EQ(ui.boxes().size(), 10u);
    EXPECT_EQ(ui.boxes().back(), "Gridmate | Exclamation Ok | \"t\tb\" cannot be the name of a track set: it must "
                                 "be a plain file name without \\ / : * ? \" < > |");
    EXPECT_EQ(files(), before);
    put(kInstalled, shortSet + ";");
    type("Mine.67s", "OKButton");
    EXPECT_EQ(bytes("gpl/seasons/Mine.67s.67s") + w.cboTrackSets->selectedItem(), shortSet + ";Mine.67s");
}

}  // namespace
