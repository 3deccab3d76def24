// The track-set row: choosing a stored set installs it as 67season.ini, but only after
// asking when the installed schedule matches no stored set (edited by hand, or never
// saved); saving and deleting a set rebuild the list; the editor changes a set, which is
// installed when the editor closes.
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

    // A window of the program with this caption once it is shown (the modal ones). Their
    // buttons are clicked with posted messages, as the mouse clicks them: the modal
    // loop looks at its window again only after a posted message.
    HWND waitForWindow(const std::string& caption) {
        HWND found = nullptr;
        waitUntil([&] {
            found = findShownWindow(gridmate->id(), caption);
            return found != nullptr || !gridmate->running();
        });
        if (!found)
            ADD_FAILURE() << "no window \"" << caption
                          << "\"; shown: " << describeWindows(gridmate->id());
        return found;
    }
    bool gone(HWND dialog) {
        return waitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); });
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

// A schedule as the system's profile functions write it back: without the blank lines
// between sections.
std::string profileForm(std::string text) {
    for (size_t at; (at = text.find("\r\n\r\n")) != std::string::npos;) text.erase(at, 2);
    return text;
}

constexpr const char* kSaveCaption = "Gridmate save";

TEST_F(TrackSets, InstalledScheduleSavedUnderANewNameIsListedAndSelected) {
    const std::string schedule = trackSetText({"spa", "monaco"});
    temp.write("game/seasons/67season.ini", schedule);
    HWND window = startWindow();
    ASSERT_TRUE(window);
    ASSERT_EQ(selectedSet(), "<none>");

    // Cancelled, the dialog saves nothing.
    clickLater(controlOf(window, IDC_cmdSaveTrackset));
    HWND dialog = waitForWindow(kSaveCaption);
    ASSERT_TRUE(dialog);
    EXPECT_FALSE(IsWindowEnabled(window));
    clickLater(control(dialog, IDC_dlgSave_CancelButton));
    ASSERT_TRUE(gone(dialog));
    EXPECT_EQ(test::listing(temp.file("game/seasons")),
              "67season.ini,Monaco only.67s,Two tracks.67s");

    clickLater(controlOf(window, IDC_cmdSaveTrackset));
    dialog = waitForWindow(kSaveCaption);
    ASSERT_TRUE(dialog);
    HWND names = control(dialog, IDC_dlgSave_cboName);
    ASSERT_TRUE(names);
    ASSERT_EQ(comboCount(names), 2);
    HWND nameBox = descendantOfClass(names, "Edit");
    ASSERT_TRUE(nameBox);
    typeKeys(nameBox, "Spa and Monaco");
    clickLater(control(dialog, IDC_dlgSave_OKButton));
    ASSERT_TRUE(gone(dialog));

    EXPECT_TRUE(waitUntil([&] { return test::readBytes(setFile("Spa and Monaco")) == schedule; }))
        << test::readBytes(setFile("Spa and Monaco"));
    EXPECT_TRUE(waitUntil([&] { return comboCount(sets) == 3; }));
    EXPECT_EQ(items(sets),
              (std::vector<std::string>{"Monaco only", "Spa and Monaco", "Two tracks"}));
    EXPECT_EQ(selectedSet(), "Spa and Monaco");
    EXPECT_TRUE(IsWindowEnabled(window));
    EXPECT_EQ(test::readBytes(installed()), schedule);
    closeAndWaitForExit(*gridmate, window);
}

TEST_F(TrackSets, EditorAddsADatabaseTrackRemovesAnEventAndTheEditedSetIsInstalled) {
    addTrack(temp, "game", "nurburg");
    // The database lists a track of the set, two the set lacks and one not installed.
    const std::string database =
        temp.write("program/db/all tracks.67s", trackSetText({"monza", "monaco", "nurburg", "brands"}));
    HWND window = startWindow({"67s=" + database});
    ASSERT_TRUE(window);
    ASSERT_EQ(selectedSet(), "Two tracks");
    const std::string edited = setFile("Two tracks");

    clickLater(controlOf(window, IDC_cmd67s));
    HWND editor = waitForWindow("vi67r - " + edited);
    ASSERT_TRUE(editor);
    HWND list = control(editor, IDC_frmVi67r_lstTracks);
    ASSERT_TRUE(list);
    EXPECT_TRUE(isChecked(control(editor, IDC_frmVi67r_optAction + 0)));
    EXPECT_EQ(text(control(editor, IDC_frmVi67r_txtPath)), database);
    ASSERT_EQ(listCount(list), 2);
    EXPECT_EQ(listItem(list, 0), "[monaco  ] monaco              / monaco Grand Prix");
    EXPECT_EQ(listItem(list, 1), "[nurburg ] nurburg             / nurburg Grand Prix");

    selectListItem(list, 0);
    click(control(editor, IDC_frmVi67r_cmdOperation));
    EXPECT_TRUE(waitUntil([&] { return listCount(list) == 1; }));
    EXPECT_EQ(listItem(list, 0), "[nurburg ] nurburg             / nurburg Grand Prix");

    click(control(editor, IDC_frmVi67r_optAction + 1));
    ASSERT_EQ(listCount(list), 3);
    EXPECT_EQ(listItem(list, 2), "[monaco  ] monaco              / monaco Grand Prix");
    // The list was filled anew while shown: the picture shows whether it was drawn.
    saveArtefact(editor, "track_set_editor_remove_mode");
    selectListItem(list, 0);
    click(control(editor, IDC_frmVi67r_cmdOperation));
    EXPECT_EQ(listCount(list), 2);
    EXPECT_EQ(listItem(list, 0), "[spa     ] spa                 / spa Grand Prix");
    const std::string result = test::readBytes(edited);
    EXPECT_EQ(result, profileForm(trackSetText({"spa", "monaco"})));
    // Until the editor closes, the installed schedule is the one it was.
    EXPECT_EQ(test::readBytes(installed()), trackSetText({"monza", "spa"}));

    clickLater(control(editor, IDC_frmVi67r_cmdClose));
    ASSERT_TRUE(gone(editor));
    EXPECT_TRUE(waitUntil([&] { return test::readBytes(installed()) == result; }))
        << test::readBytes(installed());
    EXPECT_EQ(selectedSet(), "Two tracks");
    EXPECT_EQ(items(controlOf(window, IDC_cboLastTrack + 0)),
              (std::vector<std::string>{"spa", "monaco"}));
    EXPECT_EQ(setting("67s"), database);
    closeAndWaitForExit(*gridmate, window);
}

}  // namespace
}  // namespace gridmate::e2e
