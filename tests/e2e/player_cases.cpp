// What the user changes in the window reaches the game's files: a list choice and a
// slider move, each written into the season's player file at once.
#include "e2e/game_folder.h"
#include "e2e/gridmate_case.h"
#include "win32/control_ids.h"

namespace gridmate::e2e {
namespace {

using PlayerEdits = GridmateCase;

TEST_F(PlayerEdits, HelmetAndDetailBiasChosenInTheWindowAreWrittenToThePlayerFile) {
    knownGameFolder();
    Process& gridmate = start();
    HWND window = waitForMainWindow(gridmate);
    ASSERT_TRUE(window);
    std::string playerFile = game;
    playerFile.append("\\players\\").append(kPlayer).append("\\player.ini");

    HWND players = controlOf(window, IDC_cboPlayer);
    ASSERT_EQ(comboCount(players), 1);
    EXPECT_EQ(comboItem(players, 0), kPlayer);
    EXPECT_EQ(comboSelection(players), 0);
    EXPECT_EQ(text(controlOf(window, IDC_lblPlayer + 0)), "Ann Driver");

    HWND helmet = controlOf(window, IDC_cboHelmet + 0);
    ASSERT_TRUE(helmet);
    EXPECT_EQ(comboSelection(helmet), 3);
    selectComboItem(helmet, 5);
    const PlayerFields before = player1967();
    const PlayerFields afterHelmet{"5", before.team, before.lastTrackSelection, before.detailBias};
    EXPECT_TRUE(waitUntil([&] {
        return test::readBytes(playerFile) == playerFileText(afterHelmet);
    })) << test::readBytes(playerFile);

    click(controlOf(window, IDC_cmdDetail));
    HWND slider = controlOf(window, IDC_hscDetail);
    ASSERT_TRUE(slider);
    EXPECT_EQ(scrollPosition(slider), 3);
    EXPECT_EQ(text(controlOf(window, IDC_lblDetail)), "Detail Bias: 60 %");
    scroll(slider, SB_LINERIGHT);
    EXPECT_EQ(scrollPosition(slider), 4);
    EXPECT_EQ(text(controlOf(window, IDC_lblDetail)), "Detail Bias: 80 %");
    const PlayerFields afterSlider{"5", before.team, before.lastTrackSelection, "80"};
    EXPECT_TRUE(waitUntil([&] {
        return test::readBytes(playerFile) == playerFileText(afterSlider);
    })) << test::readBytes(playerFile);
    closeAndWaitForExit(gridmate, window);
}

using PathBox = GridmateCase;

TEST_F(PathBox, FocusSelectsTheWholePath) {
    knownGameFolder();
    Process& gridmate = start();
    HWND window = waitForMainWindow(gridmate);
    ASSERT_TRUE(window);
    HWND path = controlOf(window, IDC_txtGPLPath);
    ASSERT_TRUE(path);
    // The box may hold the focus from the start: the user comes back to it from
    // another control, with part of the text selected.
    focus(controlOf(window, IDC_cboPlayer));
    SendMessageA(path, EM_SETSEL, 2, 4);
    ASSERT_EQ(selection(path), std::make_pair(2, 4));

    focus(path);
    EXPECT_EQ(selection(path), std::make_pair(0, int(game.size())));
    closeAndWaitForExit(gridmate, window);
}

}  // namespace
}  // namespace gridmate::e2e
