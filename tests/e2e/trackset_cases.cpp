// The track-set row: choosing a stored set installs it as 67season.ini, but only after
// asking when the installed schedule matches no stored set (edited by hand, or never
// saved); deleting a set rebuilds the list.
#include "e2e/dialogs.h"
#include "e2e/game_folder.h"
#include "e2e/gridmate_case.h"
#include "win32/control_ids.h"

namespace gridmate::e2e {
namespace {

constexpr const char* kQuestionTitle = "Gridmate - changing trackset";
constexpr const char* kQuestion =
    "Current 67season.ini might be changed or was not saved as 67s file. continue ?";

class TrackSets : public GridmateCase {
protected:
    void SetUp() override {
        GridmateCase::SetUp();
        addTrack(temp, "game", "monaco");
        temp.write("game/seasons/Monaco only.67s", trackSetText({"monaco"}));
    }
    std::string installed() const { return game + "\\seasons\\67season.ini"; }
    std::string setFile(const std::string& name) const {
        return game + "\\seasons\\" + name + ".67s";
    }
    HWND startWindow(const std::vector<std::string>& settings = {}) {
        knownGameFolder(settings);
        gridmate = &start();
        HWND window = waitForMainWindow(*gridmate);
        if (window) sets = controlOf(window, IDC_cboTrackSets);
        return window;
    }
    std::vector<std::string> items(HWND combo) const {
        std::vector<std::string> out;
        for (int i = 0; i < comboCount(combo); ++i) out.push_back(comboItem(combo, i));
        return out;
    }
    std::string selectedSet() const {
        int selected = comboSelection(sets);
        return selected < 0 ? "<none>" : comboItem(sets, selected);
    }
    int indexOf(const std::string& name) const {
        for (int i = 0; i < comboCount(sets); ++i)
            if (comboItem(sets, i) == name) return i;
        return -1;
    }
    // Chooses a set as the user does and answers the question it asks with `answer`.
    void chooseAndAnswer(const std::string& name, int answer) {
        selectComboItemLater(sets, indexOf(name));
        auto box = waitForMessageBox(*gridmate);
        ASSERT_TRUE(box) << "no question; shown: " << describeWindows(gridmate->id());
        EXPECT_EQ(box->title, kQuestionTitle);
        EXPECT_EQ(box->text, kQuestion);
        ASSERT_TRUE(pressButton(box->window, answer));
        ASSERT_TRUE(waitUntil([&] { return !findMessageBox(gridmate->id()); }));
    }

    Process* gridmate = nullptr;
    HWND sets = nullptr;
};

TEST_F(TrackSets, HandEditedScheduleMakesTheChoiceAskAndOnlyYesInstallsTheSet) {
    HWND window = startWindow();
    ASSERT_TRUE(window);
    EXPECT_EQ(items(sets), (std::vector<std::string>{"Monaco only", "Two tracks"}));
    EXPECT_EQ(selectedSet(), "Two tracks");  // 67season.ini is that set byte for byte
    const std::string edited = trackSetText({"spa", "monza"});
    temp.write("game/seasons/67season.ini", edited);

    chooseAndAnswer("Monaco only", IDNO);
    EXPECT_TRUE(waitUntil([&] { return selectedSet() == "<none>"; })) << selectedSet();
    EXPECT_EQ(test::readBytes(installed()), edited);

    chooseAndAnswer("Monaco only", IDYES);
    EXPECT_TRUE(waitUntil([&] { return test::readBytes(installed()) == trackSetText({"monaco"}); }))
        << test::readBytes(installed());
    EXPECT_EQ(selectedSet(), "Monaco only");
    EXPECT_EQ(items(controlOf(window, IDC_cboLastTrack + 0)), std::vector<std::string>{"monaco"});

    // Installed by the program, the schedule matches its set: the next choice asks nothing.
    selectComboItemLater(sets, indexOf("Two tracks"));
    EXPECT_TRUE(waitUntil([&] { return test::readBytes(installed()) == trackSetText({"monza", "spa"}); }))
        << "shown: " << describeWindows(gridmate->id());
    EXPECT_FALSE(findMessageBox(gridmate->id()));
    EXPECT_EQ(items(controlOf(window, IDC_cboLastTrack + 0)),
              (std::vector<std::string>{"monza", "spa"}));
    closeAndWaitForExit(*gridmate, window);
}

TEST_F(TrackSets, DeletingTheSelectedSetRemovesItsFileAndRebuildsTheList) {
    HWND window = startWindow();
    ASSERT_TRUE(window);
    ASSERT_EQ(selectedSet(), "Two tracks");
    const std::string schedule = test::readBytes(installed());

    click(controlOf(window, IDC_cmdDelTrackset));
    EXPECT_TRUE(waitUntil([&] { return test::readBytes(setFile("Two tracks")) == "<missing>"; }));
    EXPECT_EQ(items(sets), std::vector<std::string>{"Monaco only"});
    EXPECT_EQ(selectedSet(), "<none>");
    EXPECT_EQ(test::readBytes(installed()), schedule);
    EXPECT_EQ(test::readBytes(setFile("Monaco only")), trackSetText({"monaco"}));
    EXPECT_EQ(test::listing(temp.file("game/seasons")), "67season.ini,Monaco only.67s");

    // The installed schedule is now saved nowhere: replacing it asks first.
    chooseAndAnswer("Monaco only", IDYES);
    EXPECT_TRUE(waitUntil([&] { return test::readBytes(installed()) == trackSetText({"monaco"}); }));
    closeAndWaitForExit(*gridmate, window);
}

}  // namespace
}  // namespace gridmate::e2e
