// The main window's track-set row: listing and matching the sets, installing one,
// the checksum state, deleting, saving through the save dialog, and the last-track lists.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "core/tracksets/crc16.h"
#include "platform/posix/file_system_posix.h"
#include "support/track_sets_fixture.h"
#include "support/user_requests.h"

using namespace gridmate;
using namespace gridmate::test;
using platform::Answer;

TEST_F(TrackSets, ListingShowsExact67sFilesAndSelectsTheInstalledSetWithoutCopying) {
    put("67season.ini", original);
    put("Original 1967.67s", original);
    put("Short.67s", shortSet);
    put("Upper.67S", original);
    put("notes.txt", original);
    auto& w = open();
    Texts sets = listedSets();
    EXPECT_EQ(sets.size(), 2u);
    EXPECT_EQ(w.cboTrackSets->items(), sets);
    EXPECT_EQ(w.cboTrackSets->selectedItem(), "Original 1967");
    EXPECT_EQ(w.strSeasonCRC, GetCRC16(original));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(installed(), original);
    EXPECT_EQ(lastTracks(0), (Texts{"monaco", "spa", "rouen"}));
}

TEST_F(TrackSets, TheLaterOfTwoEqualSetsInListingOrderIsSelected) {
    put("67season.ini", shortSet);
    for (auto name : {"b.67s", "a.67s", "c.67s", "d.67s"}) put(name, shortSet);
    put("e.67s", original);
    auto& w = open();
    Texts sets = listedSets();
    std::string last;
    for (const auto& s : sets)
        if (s != "e") last = s;
    EXPECT_EQ(w.cboTrackSets->selectedItem(), last);
    EXPECT_EQ(w.cboTrackSets->selectedIndex(),
              int(std::find(sets.begin(), sets.end(), last) - sets.begin()));
}

TEST_F(TrackSets, AnEmptySetMatchesAMissingScheduleAndChoosingThenDoesNotAsk) {
    put("Empty.67s", "");
    put("Short.67s", shortSet);
    auto& w = open();
    EXPECT_EQ(w.cboTrackSets->selectedItem(), "Empty");
    EXPECT_EQ(w.strSeasonCRC, "");
    EXPECT_TRUE(lastTracks(1).empty());
    choose("Short");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(installed(), shortSet);
    EXPECT_EQ(w.strSeasonCRC, GetCRC16(shortSet));
    EXPECT_EQ(lastTracks(2), (Texts{"monza", "spa"}));
}

TEST_F(TrackSets, MissingSeasonsFolderIsReportedAndEmptiesTheLists) {
    auto& w = open();
    EXPECT_EQ(boxes(ui), Texts{"Gridmate | Exclamation Ok | could not found seasons folder"});
    EXPECT_EQ(w.cboTrackSets->count(), 0);
    EXPECT_TRUE(lastTracks(0).empty());
    EXPECT_FALSE(w.GetTrackSets());
    put("Short.67s", shortSet);
    EXPECT_TRUE(w.GetTrackSets());
}

TEST_F(TrackSets, ChoosingWhenTheScheduleWasNeverSavedAsksAndNoKeepsEverything) {
    put("67season.ini", original);
    put("Short.67s", shortSet);
    auto& w = open();
    EXPECT_EQ(w.cboTrackSets->selectedIndex(), -1);
    EXPECT_EQ(w.strSeasonCRC, "");

    ui.answers.push_back(Answer::No);
    choose("Short");
    EXPECT_EQ(boxes(ui), Texts{"Gridmate - changing trackset | Exclamation YesNo default 1 | "
                               "Current 67season.ini might be changed or was not saved as 67s "
                               "file. continue ?"});
    EXPECT_EQ(w.cboTrackSets->selectedIndex(), -1);
    EXPECT_EQ(installed(), original);
    EXPECT_EQ(lastTracks(0), (Texts{"monaco", "spa", "rouen"}));
    EXPECT_FALSE(w.blnUpdating);

    ui.answers.push_back(Answer::Yes);
    choose("Short");
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(installed(), shortSet);
    EXPECT_EQ(w.strSeasonCRC, GetCRC16(shortSet));
    EXPECT_EQ(lastTracks(0), (Texts{"monza", "spa"}));
    // The player's last track (monza) is selected again in the refilled lists.
    EXPECT_EQ(w.cboLastTrack[0].selectedItem(), "monza");
}

// A set is installed with up to 64 events (the count rounded half to even); one with more,
// one without a count, and one gone since the listing are refused with their messages.
TEST_F(TrackSets, InstallChecksRefuseWithTheirMessagesAndInstallUpToSixtyFour) {
    const std::string tooMany = "Gridmate | Exclamation Ok | Xcould not apply trackset(X.67s "
                                "has over 64 tracks).";
    const std::string noCount = "Gridmate | Exclamation Ok | Xcould not apply trackset(X.67s "
                                "has no numevents).";
    const std::pair<const char*, std::string> cases[] = {
        {"64", ""},      {"64.5", ""},       {"0", ""},        {"-3", ""},
        {"65", tooMany}, {"64.51", tooMany}, {"abc", noCount}, {"", noCount},
        {"gone", "Gridmate | Exclamation Ok | X.67s not found."}};
    put("67season.ini", original);
    put("Original.67s", original);
    auto& w = open();
    for (const auto& [count, message] : cases) {
        SCOPED_TRACE(count);
        std::string set = scheduleText({event("spa")}, count);
        put("X.67s", set);
        w.GetTrackSets();  // lists X and matches Original again
        if (std::string(count) == "gone") std::remove(seasonFile("X.67s").c_str());
        ui.messages.clear();
        choose("X");
        if (message.empty()) {
            EXPECT_TRUE(ui.messages.empty());
            EXPECT_EQ(installed(), set);
            EXPECT_EQ(lastTracks(0), Texts{"spa"});
            put("67season.ini", original);
        } else {
            EXPECT_EQ(boxes(ui), Texts{message});
            EXPECT_EQ(installed(), original);
            EXPECT_EQ(w.cboTrackSets->selectedIndex(), -1);
            EXPECT_TRUE(lastTracks(0).empty());
        }
    }
}

TEST_F(TrackSets, AFailedInstallLeavesTheScheduleByteForByte) {
    platform::PosixFileSystem files;
    files.failStep = [](platform::WriteStep step) { return step == platform::WriteStep::Replace; };
    put("67season.ini", original);
    put("Original.67s", original);
    put("Short.67s", shortSet);
    auto& w = open();
    platform::Platform p;
    p.fileSystem = &files;
    platform::ScopedPlatform failing(p);
    choose("Short");
    const std::string busy = std::string(std::strerror(EBUSY)) + "(" + std::to_string(EBUSY) + ")";
    EXPECT_EQ(boxes(ui), Texts{"Gridmate | Critical Ok | ChangeTrackSet()\tError on copying over "
                               "Short.67s to 67seasons.ini\r\n" + busy});
    EXPECT_EQ(installed(), original);
    EXPECT_EQ(listing(gameFiles.file("seasons")), "67season.ini,Original.67s,Short.67s");
    EXPECT_EQ(w.cboTrackSets->selectedIndex(), -1);
    EXPECT_EQ(w.strSeasonCRC, GetCRC16(original));
}

TEST_F(TrackSets, SeasonChecksumFollowsListingInstallAndDelete) {
    put("67season.ini", original);
    put("Original.67s", original);
    put("Short.67s", shortSet);
    put("Spare.67s", original);
    auto& w = open();
    EXPECT_EQ(w.strSeasonCRC, GetCRC16(original));
    w.strSeasonCRC = "0000";  // no equal set found: the value stays
    put("67season.ini", scheduleText({event("monza")}));
    w.blnUpdating = true;
    w.GetTrackSets();
    w.blnUpdating = false;
    EXPECT_EQ(w.strSeasonCRC, "0000");
    put("67season.ini", original);
    w.GetTrackSets();
    EXPECT_EQ(w.strSeasonCRC, GetCRC16(original));

    choose("Short");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(w.strSeasonCRC, GetCRC16(shortSet));

    // After a delete the next choice asks, although the schedule is saved as Short.
    w.blnUpdating = true;
    choose("Spare");
    w.blnUpdating = false;
    w.cmdDelTrackset->click();
    EXPECT_EQ(w.cboTrackSets->selectedItem(), "Short");
    EXPECT_EQ(w.strSeasonCRC, "");
    ui.answers.push_back(Answer::No);
    choose("Original");
    EXPECT_EQ(ui.messageTexts(), Texts{"Current 67season.ini might be changed or was not saved "
                                       "as 67s file. continue ?"});
}

TEST_F(TrackSets, DeletingRemovesTheChosenFileAtOnceAndRebuildsTheList) {
    put("67season.ini", original);
    put("Original.67s", original);
    put("Short.67s", shortSet);
    auto& w = open();
    w.cboTrackSets->setSelectedIndex(-1);
    w.cmdDelTrackset->click();  // nothing chosen: nothing happens
    EXPECT_EQ(listing(gameFiles.file("seasons")), "67season.ini,Original.67s,Short.67s");

    choose("Short");
    w.cmdDelTrackset->click();
    EXPECT_EQ(listing(gameFiles.file("seasons")), "67season.ini,Original.67s");
    EXPECT_EQ(w.cboTrackSets->items(), Texts{"Original"});
    EXPECT_EQ(w.cboTrackSets->selectedIndex(), -1);  // the installed schedule is Short's
    EXPECT_EQ(installed(), shortSet);
    EXPECT_TRUE(ui.messages.empty());  // deleting asks nothing
}

TEST_F(TrackSets, DeletingASetAlreadyGoneReportsItAndRebuildsTheList) {
    put("67season.ini", original);
    put("Original.67s", original);
    put("Gone.67s", shortSet);
    auto& w = open();
    w.blnUpdating = true;
    choose("Gone");
    w.blnUpdating = false;
    std::remove(seasonFile("Gone.67s").c_str());
    w.cmdDelTrackset->click();
    EXPECT_EQ(boxes(ui), Texts{"Gridmate | Exclamation Ok | could not delete Gone.67s\r\n" +
                               std::to_string(ENOENT) + ": " + std::strerror(ENOENT)});
    EXPECT_EQ(w.cboTrackSets->items(), Texts{"Original"});
    EXPECT_EQ(w.cboTrackSets->selectedItem(), "Original");
    EXPECT_EQ(w.strSeasonCRC, "");
}

TEST_F(TrackSets, LastTrackListsFollowTheScheduleUpToTheFirstEventWithoutATrack) {
    EventSpec commented = event("spa");
    commented.trackDirectory = "spa ; Belgium";
    EventSpec tight = event("rouen");
    tight.trackDirectory = "rouen;France";
    EventSpec none = event("x");
    none.trackDirectory = "";
    put("67season.ini",
        scheduleText({commented, event("brands"), tight, event(".."), event("../tracks/monza"),
                      event("monaco"), none, event("monza")},
                     "8"));
    open();
    for (int i = 0; i < 3; ++i) EXPECT_EQ(lastTracks(i), (Texts{"spa", "rouen", "monaco"})) << i;
}

TEST_F(TrackSets, EditorOpensOnTheChosenSetAndClosingInstallsIt) {
    put("67season.ini", original);
    put("Original.67s", original);
    put("Short.67s", shortSet);
    auto& w = open();
    choose("Short");
    const int position = w.cboTrackSets->selectedIndex();

    host.scripts.push_back([&](ui::Window& editor) {
        auto* remove = editor.find<ui::OptionButton>("optAction", 1);
        remove->select();
        editor.find<ui::ListBox>("lstTracks")->setSelectedIndex(0);
        editor.find<ui::Button>("cmdOperation")->click();
        editor.find<ui::Button>("cmdClose")->click();
    });
    w.cmd67s->click();
    ASSERT_EQ(host.shown.size(), 1u);
    EXPECT_EQ(host.shown[0], "vi67r - " + seasonFile("Short.67s"));
    std::string edited = readBytes(seasonFile("Short.67s"));
    EXPECT_NE(edited, shortSet);
    EXPECT_EQ(installed(), edited);
    EXPECT_EQ(w.cboTrackSets->selectedIndex(), position);
    EXPECT_EQ(lastTracks(0), Texts{"spa"});
    EXPECT_EQ(w.strSeasonCRC, GetCRC16(edited));

    w.blnUpdating = true;
    w.cboTrackSets->setSelectedIndex(-1);
    w.blnUpdating = false;
    w.cmd67s->click();  // nothing chosen: no editor
    w.modalHost = nullptr;
    choose("Short");
    w.cmd67s->click();  // no host: no editor
    EXPECT_EQ(host.shown.size(), 1u);
}
