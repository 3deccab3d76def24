// A second copy started while the first shows its window hands over to the first and
// ends without showing anything or touching the settings file.
#include "e2e/gridmate_case.h"

namespace gridmate::e2e {
namespace {

LRESULT CALLBACK plainWindowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    return DefWindowProcA(window, message, w, l);
}

// A window of the driver's own, put in front of the program's window.
class CoveringWindow {
public:
    CoveringWindow() {
        WNDCLASSA klass{};
        klass.lpfnWndProc = plainWindowProc;
        klass.hInstance = GetModuleHandleA(nullptr);
        klass.lpszClassName = "GridmateE2eCover";
        RegisterClassA(&klass);
        window_ = CreateWindowExA(0, klass.lpszClassName, "cover", WS_OVERLAPPEDWINDOW, 0, 0, 800,
                                  600, nullptr, nullptr, klass.hInstance, nullptr);
        ShowWindow(window_, SW_SHOWNORMAL);
        SetForegroundWindow(window_);
    }
    ~CoveringWindow() { DestroyWindow(window_); }
    CoveringWindow(const CoveringWindow&) = delete;
    CoveringWindow& operator=(const CoveringWindow&) = delete;
    HWND handle() const { return window_; }

private:
    HWND window_;
};

class SingleInstance : public GridmateCase {
protected:
    // Starts the second copy and checks that it ends at once, with exit code 0, never
    // showing its own window, and leaves the settings file as it was.
    void secondCopyHandsOver() {
        std::string before = settingsBytes();
        Process& second = start();
        bool windowSeen = false;
        auto code = waitForExitWithoutWindow(second, windowSeen);
        ASSERT_TRUE(code) << "the second copy still runs; it shows: "
                          << describeWindows(second.id());
        EXPECT_EQ(*code, 0u);
        EXPECT_FALSE(windowSeen);
        EXPECT_EQ(settingsBytes(), before);
    }
};

TEST_F(SingleInstance, SecondCopyRestoresTheMinimisedFirstAndEndsWithoutWriting) {
    knownGameFolder();
    Process& first = start();
    HWND window = waitForMainWindow(first);
    ASSERT_TRUE(window);
    RECT normal = windowRect(window);
    minimise(window);
    ASSERT_TRUE(waitUntil([&] { return IsIconic(window) != FALSE; }));

    ASSERT_NO_FATAL_FAILURE(secondCopyHandsOver());
    EXPECT_TRUE(waitUntil([&] { return !IsIconic(window); }));
    EXPECT_TRUE(waitUntil([&] { return GetForegroundWindow() == window; }));
    EXPECT_EQ(rectWidth(windowRect(window)), rectWidth(normal));
    closeAndWaitForExit(first, window);
}

TEST_F(SingleInstance, SecondCopyBringsTheFirstToTheFrontAndEnds) {
    knownGameFolder();
    Process& first = start();
    HWND window = waitForMainWindow(first);
    ASSERT_TRUE(window);
    CoveringWindow cover;
    ASSERT_TRUE(waitUntil([&] { return GetForegroundWindow() == cover.handle(); }));

    ASSERT_NO_FATAL_FAILURE(secondCopyHandsOver());
    EXPECT_TRUE(waitUntil([&] { return GetForegroundWindow() == window; }));
    EXPECT_FALSE(IsIconic(window));
    closeAndWaitForExit(first, window);
}

}  // namespace
}  // namespace gridmate::e2e
