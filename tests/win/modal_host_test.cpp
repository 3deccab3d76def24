// A modal window shown through the native view: the owner is disabled while it shows,
// its controls carry the IDs of their window, and showModal returns once the model
// hides or closes it, with the owner enabled again.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include "ui/controls.h"
#include "win32/control_ids.h"
#include "win32/modal_host_win32.h"
#include "win32/native_window.h"

using namespace gridmate;

namespace {

std::function<void()> pending;

void CALLBACK runPending(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    if (pending) pending();
}

// The action runs from inside the modal loop, as the user's input would.
void whileModal(std::function<void()> action) {
    pending = std::move(action);
    SetTimer(nullptr, 0, 10, runPending);
}

class ModalHostTest : public ::testing::Test {
protected:
    ModalHostTest() {
        main.setCaption("Owner");
        main.setSize(3000, 2000);
        ownerView = std::make_unique<win32::NativeWindow>(main, win32::NativeWindow::Options{});
        main.show();
        dialog.setCaption("Gridmate save");
        dialog.setSize(4995, 1815);
        name = &dialog.add<ui::ComboBox>("cboName");
        name->setStyle(ui::ComboStyle::Editable);
        name->setGeometry({300, 720, 3075, 315});
        ok = &dialog.add<ui::Button>("OKButton");
        ok->setCaption("OK");
        ok->setGeometry({3600, 120, 1215, 315});
        ok->onClick = [this] { dialog.hide(); };
    }
    ~ModalHostTest() override { pending = nullptr; }

    ui::Window main{"Pitboard"};
    std::unique_ptr<win32::NativeWindow> ownerView;
    ui::Window dialog{"dlgSave"};
    ui::ComboBox* name = nullptr;
    ui::Button* ok = nullptr;
};

TEST_F(ModalHostTest, RunsUntilTheModelHidesTheWindowWithTheOwnerDisabledMeanwhile) {
    win32::Win32ModalHost host(ownerView->handle());
    bool ownerWasEnabled = true;
    HWND okButton = nullptr;
    whileModal([&] {
        ownerWasEnabled = IsWindowEnabled(ownerView->handle());
        HWND shown = FindWindowA(win32::kDialogClass, "Gridmate save");
        okButton = shown ? GetDlgItem(shown, IDC_dlgSave_OKButton) : nullptr;
        if (okButton) SendMessageA(okButton, BM_CLICK, 0, 0);  // as the user clicks
        else dialog.hide();
    });
    host.showModal(dialog);
    EXPECT_FALSE(ownerWasEnabled);
    EXPECT_NE(okButton, nullptr);
    EXPECT_FALSE(dialog.visible());
    EXPECT_TRUE(IsWindowEnabled(ownerView->handle()));
    EXPECT_EQ(FindWindowA(win32::kDialogClass, "Gridmate save"), nullptr);
}

TEST_F(ModalHostTest, TheCloseBoxEndsTheModalLoopToo) {
    win32::Win32ModalHost host(ownerView->handle());
    whileModal([&] {
        HWND shown = FindWindowA(win32::kDialogClass, "Gridmate save");
        if (shown) PostMessageA(shown, WM_CLOSE, 0, 0);
        else dialog.close();
    });
    host.showModal(dialog);
    EXPECT_TRUE(dialog.closed());
    EXPECT_TRUE(IsWindowEnabled(ownerView->handle()));
}

TEST_F(ModalHostTest, AClickSentFromAnotherThreadEndsTheLoopWithoutFurtherInput) {
    win32::Win32ModalHost host(ownerView->handle());
    std::atomic<bool> returned{false};
    std::thread user([&] {
        HWND shown = nullptr;
        for (int i = 0; i < 500; ++i) {
            shown = FindWindowA(win32::kDialogClass, "Gridmate save");
            if (shown && IsWindowVisible(shown)) break;  // the controls exist once it shows
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        if (shown) SendMessageA(GetDlgItem(shown, IDC_dlgSave_OKButton), BM_CLICK, 0, 0);
        // A loop that does not notice the hidden window would wait here for input; the
        // close message lets the test end, but as a close rather than the OK.
        for (int i = 0; i < 300 && !returned; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (!returned && shown) PostMessageA(shown, WM_CLOSE, 0, 0);
    });
    host.showModal(dialog);
    returned = true;
    user.join();
    EXPECT_FALSE(dialog.closed());
    EXPECT_FALSE(dialog.visible());
}

}  // namespace
