// The main window's size and place: the options column, the stored position, and
// pictures of the window kept as artefacts.
#include <fstream>
#include <set>

#include "e2e/gridmate_case.h"
#include "win32/control_ids.h"

namespace gridmate::e2e {
namespace {

constexpr int kCollapsed = 4545;
constexpr int kExpanded = 8070;

class OptionsToggle : public GridmateCase {
protected:
    // Width, caption of the toggle and the two option frames, as one line to compare.
    std::string state(HWND window) {
        HWND detail = controlOf(window, IDC_cmdDetail);
        HWND gplOptions = controlOf(window, IDC_fraGPLOptions);
        HWND ownOptions = controlOf(window, IDC_fraTarmacOptions);
        if (!detail || !gplOptions || !ownOptions) return "controls missing";
        int width = rectWidth(windowRect(window));
        std::string twips = pixelsMatchTwips(window, width, kCollapsed) ? "4545"
                            : pixelsMatchTwips(window, width, kExpanded)
                                ? "8070"
                                : std::to_string(width) + " px";
        return twips + " " + text(detail) + " frames " +
               (IsWindowEnabled(gplOptions) ? "on" : "off") + "/" +
               (IsWindowEnabled(ownOptions) ? "on" : "off");
    }
};

TEST_F(OptionsToggle, ShowOptionOpensWidenedAndEachClickSwitchesWidthCaptionAndFrames) {
    knownGameFolder({"showoption=1"});
    Process& gridmate = start();
    HWND window = waitForMainWindow(gridmate);
    ASSERT_TRUE(window);
    EXPECT_EQ(state(window), "8070 <<< frames on/on");

    click(controlOf(window, IDC_cmdDetail));
    EXPECT_EQ(state(window), "4545 >>> frames off/off");
    click(controlOf(window, IDC_cmdDetail));
    EXPECT_EQ(state(window), "8070 <<< frames on/on");

    ASSERT_TRUE(closeAndWaitForExit(gridmate, window));
    EXPECT_EQ(setting("showoption"), "1");
}

TEST_F(OptionsToggle, TwoClicksFromCollapsedReturnTo4545WithFramesDisabled) {
    knownGameFolder();
    Process& gridmate = start();
    HWND window = waitForMainWindow(gridmate);
    ASSERT_TRUE(window);
    // The frames keep their initial state until the first toggle.
    EXPECT_EQ(state(window), "4545 >>> frames on/on");

    click(controlOf(window, IDC_cmdDetail));
    EXPECT_EQ(state(window), "8070 <<< frames on/on");
    click(controlOf(window, IDC_cmdDetail));
    EXPECT_EQ(state(window), "4545 >>> frames off/off");

    ASSERT_TRUE(closeAndWaitForExit(gridmate, window));
    EXPECT_EQ(setting("showoption"), "0");
}

using WindowPosition = GridmateCase;

TEST_F(WindowPosition, StoredPositionInTwipsPlacesTheWindowAndIsWrittenBack) {
    knownGameFolder({"WindowPosX=1500", "WindowPosY=1200"});
    Process& gridmate = start();
    HWND window = waitForMainWindow(gridmate);
    ASSERT_TRUE(window);
    RECT r = windowRect(window);
    EXPECT_TRUE(pixelsMatchTwips(window, r.left, 1500));
    EXPECT_TRUE(pixelsMatchTwips(window, r.top, 1200));
    EXPECT_TRUE(isChecked(controlOf(window, IDC_chkSaveWindowPosition)));

    ASSERT_TRUE(closeAndWaitForExit(gridmate, window));
    EXPECT_EQ(setting("WindowPosX"), "1500");
    EXPECT_EQ(setting("WindowPosY"), "1200");
}

TEST_F(WindowPosition, PositionBeyondTheRightEdgeIsPulledBackToTheScreenEdge) {
    knownGameFolder({"WindowPosX=99999", "WindowPosY=1200"});
    Process& gridmate = start();
    HWND window = waitForMainWindow(gridmate);
    ASSERT_TRUE(window);
    RECT r = windowRect(window);
    EXPECT_NEAR(r.right, GetSystemMetrics(SM_CXSCREEN), 1);
    EXPECT_TRUE(pixelsMatchTwips(window, rectWidth(r), kCollapsed));
    EXPECT_TRUE(pixelsMatchTwips(window, r.top, 1200));
    closeAndWaitForExit(gridmate, window);
}

using Screenshot = GridmateCase;

// The kept file is a BMP of the window's size, and it holds more than a few colours:
// a painted window (frame, faces, texts, button pictures), not an empty rectangle.
void expectPicture(const std::string& path, HWND window) {
    RECT r = windowRect(window);
    std::ifstream file(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const size_t rowBytes = (size_t(rectWidth(r)) * 3 + 3) & ~size_t(3);
    ASSERT_EQ(bytes.size(), 54 + rowBytes * size_t(rectHeight(r))) << path;
    EXPECT_EQ(bytes.substr(0, 2), "BM") << path;
    std::set<std::string> colours;
    for (size_t row = 0; row < size_t(rectHeight(r)); ++row)
        for (size_t x = 0; x < size_t(rectWidth(r)); ++x)
            colours.insert(bytes.substr(54 + row * rowBytes + x * 3, 3));
    EXPECT_GE(colours.size(), 4u) << path;
}

TEST_F(Screenshot, CollapsedAndExpandedWindowsAreKeptAsPictures) {
    knownGameFolder();
    Process& gridmate = start();
    HWND window = waitForMainWindow(gridmate);
    ASSERT_TRUE(window);
    expectPicture(saveArtefact(window, "main_window_collapsed"), window);

    click(controlOf(window, IDC_cmdDetail));
    EXPECT_TRUE(pixelsMatchTwips(window, rectWidth(windowRect(window)), kExpanded));
    expectPicture(saveArtefact(window, "main_window_expanded"), window);
    closeAndWaitForExit(gridmate, window);
}

}  // namespace
}  // namespace gridmate::e2e
