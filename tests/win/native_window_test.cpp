// The native view over a small model window: what the model holds is what the controls
// show, the user's input runs the model's handlers exactly once, and the window's
// placement, keyboard and closing behave as on a classic form.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/controls.h"
#include "win32/dpi.h"
#include "win32/native_window.h"
#include "win32/twips.h"
#include "win32/window_text.h"

using namespace gridmate;
using win32::NativeWindow;
using win32::twipsToPixels;

namespace {

class NativeWindowTest : public ::testing::Test {
protected:
    NativeWindowTest() {
        model.setCaption("View test");
        model.setSize(6000, 4500);
        txtName = &add<ui::TextBox>("txtName", nullptr, {60, 0, 1800, 315});
        txtName->setToolTip("the name");
        cmdGo = &add<ui::Button>("cmdGo", nullptr, {60, 400, 1200, 375});
        cmdGo->setCaption("&Go");
        chkFlag = &add<ui::CheckBox>("chkFlag", nullptr, {60, 900, 1500, 300});
        chkFlag->setCaption("Flag");
        optA = &add<ui::OptionButton>("optA", nullptr, {60, 1300, 900, 255});
        optB = &add<ui::OptionButton>("optB", nullptr, {1000, 1300, 900, 255});
        cboList = &add<ui::ComboBox>("cboList", nullptr, {60, 2000, 1800, 315});
        for (const char* item : {"red", "green", "blue"}) cboList->addItem(item);
        cboList->setSelectedIndex(1);
        hscLevel = &add<ui::ScrollBar>("hscLevel", nullptr, {60, 2500, 1800, 255});
        hscLevel->setRange(0, 10);
        hscLevel->setSteps(1, 3);
        lblInfo = &add<ui::Label>("lblInfo", nullptr, {60, 2900, 1800, 255});
        lblInfo->setCaption("Info & more");
        fraOptions = &add<ui::Frame>("fraOptions", nullptr, {2000, 100, 3000, 2000});
        fraOptions->setCaption("Options");
        chkInside = &add<ui::CheckBox>("chkInside", fraOptions, {120, 240, 2000, 300});
        chkInside->setCaption("&FullScreen");
        txtInside = &add<ui::TextBox>("txtInside", fraOptions, {120, 700, 2000, 315});
        cmdExit = &add<ui::Button>("cmdExit", nullptr, {60, 3400, 1800, 375});
        cmdExit->setCaption("E&xit");
        model.onClosing = [this] { ++runs["closing"]; };
    }

    ~NativeWindowTest() override {
        view.reset();
        BYTE keys[256] = {};
        SetKeyboardState(keys);
    }

    template <class T>
    T& add(const char* name, ui::Frame* in, ui::Rect at) {
        T& control = model.add<T>(name, in);
        control.setGeometry(at);
        counted(control, name);
        return control;
    }

    void counted(ui::Control&, const std::string&) {}
    void counted(ui::Button& c, const std::string& n) { c.onClick = [this, n] { ++runs[n]; }; }
    void counted(ui::CheckBox& c, const std::string& n) { c.onClick = [this, n] { ++runs[n]; }; }
    void counted(ui::OptionButton& c, const std::string& n) {
        c.onClick = [this, n] { ++runs[n]; };
    }
    void counted(ui::ComboBox& c, const std::string& n) { c.onClick = [this, n] { ++runs[n]; }; }
    void counted(ui::TextBox& c, const std::string& n) { c.onChange = [this, n] { ++runs[n]; }; }
    void counted(ui::ScrollBar& c, const std::string& n) { c.onChange = [this, n] { ++runs[n]; }; }

    NativeWindow& build() {
        NativeWindow::Options options;
        options.windowClass = "GridmateViewTest";
        options.onDestroyed = [this] { ++runs["destroyed"]; };
        view = std::make_unique<NativeWindow>(model, options);
        runs.clear();
        return *view;
    }

    HWND h(const ui::Control& control) const { return view->controlHandle(control); }
    LRESULT send(const ui::Control& control, UINT message, WPARAM w = 0, LPARAM l = 0) {
        return SendMessageA(h(control), message, w, l);
    }
    // A control's notification as its parent receives it.
    void notify(const ui::Control& control, WORD code) {
        SendMessageA(GetParent(h(control)), WM_COMMAND,
                     MAKEWPARAM(GetDlgCtrlID(h(control)), code),
                     reinterpret_cast<LPARAM>(h(control)));
    }
    void scroll(WORD request, int position = 0) {
        SendMessageA(view->handle(), WM_HSCROLL, MAKEWPARAM(request, position),
                     reinterpret_cast<LPARAM>(h(*hscLevel)));
    }
    // The control's rectangle in its parent's client coordinates.
    win32::PixelRect placed(HWND control) const {
        RECT rect;
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
        return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
    }
    bool checkedOnScreen(const ui::Control& control) {
        return send(control, BM_GETCHECK) == BST_CHECKED;
    }
    void holdKeys(std::initializer_list<int> virtualKeys) {
        BYTE keys[256] = {};
        for (int key : virtualKeys) keys[key] = 0x80;
        SetKeyboardState(keys);
    }
    bool dialogKey(UINT message, WPARAM key) {
        MSG msg{};
        msg.hwnd = GetFocus();
        msg.message = message;
        msg.wParam = key;
        msg.lParam = message == WM_SYSCHAR ? (1 << 29) : 0;
        return view->translateDialogMessage(msg);
    }

    ui::Window model{"Test"};
    ui::TextBox* txtName;
    ui::Button* cmdGo;
    ui::CheckBox* chkFlag;
    ui::OptionButton* optA;
    ui::OptionButton* optB;
    ui::ComboBox* cboList;
    ui::ScrollBar* hscLevel;
    ui::Label* lblInfo;
    ui::Frame* fraOptions;
    ui::CheckBox* chkInside;
    ui::TextBox* txtInside;
    ui::Button* cmdExit;
    std::map<std::string, int> runs;
    std::unique_ptr<NativeWindow> view;
};

TEST_F(NativeWindowTest, ControlsShowTheModelAndFollowItsChanges) {
    txtName->setText("Jim");
    chkFlag->setChecked(true);
    build();
    EXPECT_EQ(win32::windowText(view->handle()), "View test");
    EXPECT_EQ(win32::windowText(h(*txtName)), "Jim");
    EXPECT_EQ(win32::windowText(h(*lblInfo)), "Info & more");
    EXPECT_EQ(win32::windowText(h(*cmdExit)), "E&xit");
    EXPECT_TRUE(checkedOnScreen(*chkFlag));
    EXPECT_EQ(send(*cboList, CB_GETCOUNT), 3);
    EXPECT_EQ(send(*cboList, CB_GETCURSEL), 1);
    EXPECT_EQ(view->tooltips().text(h(*txtName)), "the name");

    txtName->setText("Jimmy");
    chkFlag->setChecked(false);
    optB->select();
    cboList->addItem("black", 0);
    hscLevel->setValue(7);
    lblInfo->setCaption("done");
    model.setCaption("Renamed");
    txtName->setToolTip("");
    cmdGo->setToolTip("go now");
    EXPECT_EQ(win32::windowText(h(*txtName)), "Jimmy");
    EXPECT_FALSE(checkedOnScreen(*chkFlag));
    EXPECT_TRUE(checkedOnScreen(*optB));
    EXPECT_FALSE(checkedOnScreen(*optA));
    std::vector<char> item(16, '\0');
    send(*cboList, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(item.data()));
    EXPECT_STREQ(item.data(), "black");
    EXPECT_EQ(send(*cboList, CB_GETCURSEL), 2);  // "green" moved down with the insert
    EXPECT_EQ(GetScrollPos(h(*hscLevel), SB_CTL), 7);
    EXPECT_EQ(win32::windowText(h(*lblInfo)), "done");
    EXPECT_EQ(win32::windowText(view->handle()), "Renamed");
    EXPECT_EQ(view->tooltips().text(h(*txtName)), "");
    EXPECT_EQ(view->tooltips().text(h(*cmdGo)), "go now");
}

// Lists change item by item; the native list must hold the model's items after every
// change, whether an item went at the end, in the middle or away.
TEST_F(NativeWindowTest, NativeListsFollowEveryItemChange) {
    ui::ListBox& lstRows = add<ui::ListBox>("lstRows", nullptr, {0, 0, 1500, 1500});
    build();
    auto shown = [&](const ui::Control& control, UINT countMessage, UINT textMessage) {
        std::vector<std::string> items;
        for (LRESULT i = 0, n = send(control, countMessage); i < n; ++i) {
            std::vector<char> text(64, '\0');
            send(control, textMessage, WPARAM(i), reinterpret_cast<LPARAM>(text.data()));
            items.emplace_back(text.data());
        }
        return items;
    };
    auto check = [&](const char* step) {
        SCOPED_TRACE(step);
        EXPECT_EQ(shown(*cboList, CB_GETCOUNT, CB_GETLBTEXT), cboList->items());
        EXPECT_EQ(send(*cboList, CB_GETCURSEL), cboList->selectedIndex());
        EXPECT_EQ(shown(lstRows, LB_GETCOUNT, LB_GETTEXT), lstRows.items());
    };
    cboList->clear();
    for (const char* item : {"a", "b", "b", "c", "b"}) {
        cboList->addItem(item);
        lstRows.addItem(item);
    }
    check("filled one by one");
    cboList->setSelectedIndex(3);
    cboList->addItem("b", 2);
    lstRows.addItem("x", 0);
    check("inserted");
    cboList->removeItem(1);
    lstRows.removeItem(5);
    lstRows.removeItem(2);
    check("removed");
    lstRows.clear();
    lstRows.addItem("b");
    cboList->removeItem(0);
    check("cleared and refilled");
}

// A list with a font of its own shows its rows in aligned columns, even where the face
// it names is missing (Wine has no Terminal).
TEST_F(NativeWindowTest, AListWithAFontOfItsOwnHasCharactersOfOneWidth) {
    ui::ListBox& lstRows = add<ui::ListBox>("lstRows", nullptr, {0, 0, 1500, 1500});
    lstRows.setFontName("Terminal");
    build();
    HDC dc = GetDC(h(lstRows));
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(send(lstRows, WM_GETFONT)));
    SIZE narrow{}, wide{};
    GetTextExtentPoint32A(dc, "iiiiiiii", 8, &narrow);
    GetTextExtentPoint32A(dc, "WWWWWWWW", 8, &wide);
    SelectObject(dc, old);
    ReleaseDC(h(lstRows), dc);
    EXPECT_GT(narrow.cx, 0);
    EXPECT_EQ(narrow.cx, wide.cx);
}

// The window's message loop hands the mouse to the tooltips; a tip shows for the
// control under the mouse and for no other.
TEST_F(NativeWindowTest, TheMouseOverAControlShowsItsTip) {
    model.show();
    build();
    HWND tips = view->tooltips().handle();
    SendMessageA(tips, TTM_SETDELAYTIME, TTDT_INITIAL, 0);
    auto hover = [&](HWND control) {
        RECT rect;
        GetWindowRect(control, &rect);
        SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        MSG move{};
        move.hwnd = control;
        move.message = WM_MOUSEMOVE;
        move.lParam = MAKELPARAM((rect.right - rect.left) / 2, (rect.bottom - rect.top) / 2);
        GetCursorPos(&move.pt);
        view->translateDialogMessage(move);
        for (int i = 0; i < 20; ++i) {  // the tip waits for a timer
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
            Sleep(10);
        }
        TOOLINFOA tool{};
        tool.cbSize = sizeof(tool);
        return SendMessageA(tips, TTM_GETCURRENTTOOLA, 0, reinterpret_cast<LPARAM>(&tool))
                   ? reinterpret_cast<HWND>(tool.uId)
                   : nullptr;
    };
    EXPECT_EQ(hover(h(*txtName)), h(*txtName));
    EXPECT_EQ(hover(h(*lblInfo)), nullptr);  // no tip of its own
}

TEST_F(NativeWindowTest, ChangesMadeByCodeRunTheirHandlerOnlyOnce) {
    build();
    txtName->setText("abc");
    cboList->setSelectedIndex(2);
    chkFlag->setChecked(true);
    hscLevel->setValue(4);
    EXPECT_EQ(runs["txtName"], 1);
    EXPECT_EQ(runs["cboList"], 1);
    EXPECT_EQ(runs["chkFlag"], 1);
    EXPECT_EQ(runs["hscLevel"], 1);
}

TEST_F(NativeWindowTest, TypingKeepsTheCaretWhileCodeSetsTheSelection) {
    build();
    txtName->setText("abc");
    DWORD start = 9, end = 9;
    send(*txtName, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 0u);

    send(*txtName, EM_SETSEL, 3, 3);
    send(*txtName, WM_CHAR, 'd');
    send(*txtName, WM_CHAR, 'e');
    EXPECT_EQ(txtName->text(), "abcde");
    EXPECT_EQ(runs["txtName"], 3);
    send(*txtName, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 5u);

    txtName->select(1, 2);
    send(*txtName, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 1u);
    EXPECT_EQ(end, 3u);
}

TEST_F(NativeWindowTest, UserInputRunsTheModelsHandlersOnce) {
    build();
    send(*chkFlag, BM_CLICK);
    EXPECT_EQ(chkFlag->value(), 1);
    EXPECT_TRUE(checkedOnScreen(*chkFlag));
    send(*chkFlag, BM_CLICK);
    EXPECT_EQ(chkFlag->value(), 0);
    EXPECT_FALSE(checkedOnScreen(*chkFlag));
    EXPECT_EQ(runs["chkFlag"], 2);

    send(*optA, BM_CLICK);
    send(*optB, BM_CLICK);
    EXPECT_TRUE(optB->selected());
    EXPECT_FALSE(optA->selected());
    EXPECT_FALSE(checkedOnScreen(*optA));
    EXPECT_EQ(runs["optA"], 1);
    EXPECT_EQ(runs["optB"], 1);

    SetWindowTextA(h(*txtName), "typed");
    EXPECT_EQ(txtName->text(), "typed");
    EXPECT_EQ(runs["txtName"], 1);

    send(*cboList, CB_SETCURSEL, 2);
    notify(*cboList, CBN_SELCHANGE);
    EXPECT_EQ(cboList->selectedIndex(), 2);
    EXPECT_EQ(runs["cboList"], 1);

    send(*cmdGo, BM_CLICK);
    EXPECT_EQ(runs["cmdGo"], 1);
}

TEST_F(NativeWindowTest, ScrollBarInputMovesByTheModelsSteps) {
    build();
    scroll(SB_LINERIGHT);
    EXPECT_EQ(hscLevel->value(), 1);
    scroll(SB_PAGERIGHT);
    EXPECT_EQ(hscLevel->value(), 4);
    scroll(SB_THUMBTRACK, 8);  // still moving: nothing yet
    EXPECT_EQ(hscLevel->value(), 4);
    scroll(SB_THUMBPOSITION, 9);
    EXPECT_EQ(hscLevel->value(), 9);
    scroll(SB_PAGERIGHT);
    EXPECT_EQ(hscLevel->value(), 10);
    scroll(SB_LEFT);
    EXPECT_EQ(hscLevel->value(), 0);
    scroll(SB_LINELEFT);
    EXPECT_EQ(hscLevel->value(), 0);
    EXPECT_EQ(GetScrollPos(h(*hscLevel), SB_CTL), 0);
    EXPECT_EQ(runs["hscLevel"], 5);
}

TEST_F(NativeWindowTest, AControlShowsWhatTheHandlerMadeOfTheInput) {
    chkFlag->onClick = [this] { chkFlag->setChecked(false); };
    cboList->onClick = [this] { cboList->setSelectedIndex(0); };
    build();
    send(*chkFlag, BM_CLICK);
    EXPECT_EQ(chkFlag->value(), 0);
    EXPECT_FALSE(checkedOnScreen(*chkFlag));
    send(*cboList, CB_SETCURSEL, 2);
    notify(*cboList, CBN_SELCHANGE);
    EXPECT_EQ(cboList->selectedIndex(), 0);
    EXPECT_EQ(send(*cboList, CB_GETCURSEL), 0);
}

TEST_F(NativeWindowTest, AFrameDisablesAndHidesWhatItHolds) {
    txtInside->setEnabled(false);
    build();
    fraOptions->setEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(h(*chkInside)));
    send(*chkInside, BM_CLICK);
    EXPECT_EQ(chkInside->value(), 0);
    EXPECT_FALSE(checkedOnScreen(*chkInside));

    fraOptions->setEnabled(true);
    EXPECT_TRUE(IsWindowEnabled(h(*chkInside)));
    EXPECT_FALSE(IsWindowEnabled(h(*txtInside)));  // disabled on its own account

    fraOptions->setVisible(false);
    EXPECT_FALSE(IsWindowVisible(h(*chkInside)));
    fraOptions->setVisible(true);
    EXPECT_TRUE(IsWindowVisible(h(*chkInside)) || !IsWindowVisible(view->handle()));
    EXPECT_NE(GetWindowLongPtrA(h(*chkInside), GWL_STYLE) & WS_VISIBLE, 0);
    EXPECT_EQ(GetParent(h(*chkInside)), h(*fraOptions));
}

TEST_F(NativeWindowTest, GeometryIsInPixelsOfTheWindowsDpi) {
    build();
    int dpi = view->dpi();
    RECT outer;
    GetWindowRect(view->handle(), &outer);
    EXPECT_EQ(outer.right - outer.left, twipsToPixels(6000, dpi));
    EXPECT_EQ(outer.bottom - outer.top, twipsToPixels(4500, dpi));
    EXPECT_EQ(placed(h(*txtName)), win32::toPixels({60, 0, 1800, 315}, dpi));
    EXPECT_EQ(placed(h(*chkInside)), win32::toPixels({120, 240, 2000, 300}, dpi));

    cmdGo->setGeometry({300, 450, 900, 330});
    model.setWidth(7500);
    EXPECT_EQ(placed(h(*cmdGo)), win32::toPixels({300, 450, 900, 330}, dpi));
    GetWindowRect(view->handle(), &outer);
    EXPECT_EQ(outer.right - outer.left, twipsToPixels(7500, dpi));

    RECT suggested{10, 20, 900, 700};
    SendMessageA(view->handle(), 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(placed(h(*cmdGo)), win32::toPixels({300, 450, 900, 330}, 144));
    EXPECT_EQ(placed(h(*chkInside)), win32::toPixels({120, 240, 2000, 300}, 144));
    GetWindowRect(view->handle(), &outer);
    EXPECT_EQ(outer.left, 10);
    EXPECT_EQ(outer.right - outer.left, twipsToPixels(7500, 144));
}

TEST_F(NativeWindowTest, TheWindowsPositionIsSharedWithTheModel) {
    build();
    int dpi = win32::screenDpi();
    RECT rect;
    GetWindowRect(view->handle(), &rect);
    ASSERT_TRUE(model.left() && model.top());
    EXPECT_EQ(*model.left(), win32::pixelsToTwips(rect.left, dpi));
    EXPECT_EQ(*model.top(), win32::pixelsToTwips(rect.top, dpi));

    SetWindowPos(view->handle(), nullptr, 150, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(*model.left(), win32::pixelsToTwips(150, dpi));
    EXPECT_EQ(*model.top(), win32::pixelsToTwips(90, dpi));

    model.setLeft(3000);
    model.setTop(1500);
    GetWindowRect(view->handle(), &rect);
    EXPECT_EQ(rect.left, twipsToPixels(3000, dpi));
    EXPECT_EQ(rect.top, twipsToPixels(1500, dpi));
    EXPECT_EQ(*model.left(), 3000);
}

TEST_F(NativeWindowTest, ClosingTheWindowClosesTheModelFirst) {
    build();
    HWND window = view->handle();
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(runs["closing"], 1);
    EXPECT_TRUE(model.closed());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(view->handle(), nullptr);
    EXPECT_EQ(runs["destroyed"], 1);
}

TEST_F(NativeWindowTest, CodeClosingTheModelDestroysTheWindow) {
    cmdExit->onClick = [this] { model.close(); };
    build();
    HWND window = view->handle();
    send(*cmdExit, BM_CLICK);
    EXPECT_EQ(runs["closing"], 1);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(runs["destroyed"], 1);
}

TEST_F(NativeWindowTest, EscapeIsIgnoredAndMnemonicsClickTheirControls) {
    build();
    model.show();
    SetFocus(h(*txtName));
    ASSERT_EQ(GetFocus(), h(*txtName));

    EXPECT_TRUE(dialogKey(WM_KEYDOWN, VK_ESCAPE));
    EXPECT_FALSE(model.closed());
    EXPECT_TRUE(IsWindow(view->handle()));
    EXPECT_TRUE(dialogKey(WM_KEYDOWN, VK_RETURN));
    EXPECT_FALSE(model.closed());

    EXPECT_TRUE(dialogKey(WM_SYSCHAR, 'f'));  // inside the frame
    EXPECT_EQ(chkInside->value(), 1);
    fraOptions->setEnabled(false);
    dialogKey(WM_SYSCHAR, 'f');
    EXPECT_EQ(chkInside->value(), 1);
    EXPECT_TRUE(dialogKey(WM_SYSCHAR, 'x'));
    EXPECT_EQ(runs["cmdExit"], 1);
    EXPECT_EQ(runs["closing"], 0);
}

// Of a group of option buttons, only the selected one is a stop, as in any dialog.
TEST_F(NativeWindowTest, TabFollowsTheCreationOrderIntoFramesAndSkipsHiddenOnes) {
    optB->select();
    build();
    auto order = [this] {
        std::vector<HWND> stops;
        HWND first = GetNextDlgTabItem(view->handle(), nullptr, FALSE);
        for (HWND at = first; at && stops.size() < 20;) {
            stops.push_back(at);
            at = GetNextDlgTabItem(view->handle(), at, FALSE);
            if (at == first) break;
        }
        return stops;
    };
    EXPECT_EQ(order(), (std::vector<HWND>{h(*txtName), h(*cmdGo), h(*chkFlag), h(*optB),
                                          h(*cboList), h(*hscLevel), h(*chkInside),
                                          h(*txtInside), h(*cmdExit)}));
    fraOptions->setVisible(false);
    txtName->setEnabled(false);
    EXPECT_EQ(order(), (std::vector<HWND>{h(*cmdGo), h(*chkFlag), h(*optB), h(*cboList),
                                          h(*hscLevel), h(*cmdExit)}));
}

TEST_F(NativeWindowTest, ButtonReleasesReportTheButtonAndTheModifierKeys) {
    std::vector<std::pair<ui::MouseButton, int>> releases;
    cmdGo->onMouseUp = [&](ui::MouseButton button, int shift) {
        releases.emplace_back(button, shift);
    };
    build();
    holdKeys({VK_CONTROL});
    send(*cmdGo, WM_RBUTTONUP, 0, MAKELPARAM(3, 3));
    holdKeys({VK_SHIFT, VK_CONTROL, VK_MENU});
    send(*cmdGo, WM_RBUTTONUP, 0, MAKELPARAM(3, 3));
    holdKeys({});
    send(*cmdGo, WM_RBUTTONUP, 0, MAKELPARAM(3, 3));
    using ui::MouseButton;
    EXPECT_EQ(releases, (std::vector<std::pair<MouseButton, int>>{
                            {MouseButton::Right, ui::CtrlKey},
                            {MouseButton::Right, ui::ShiftKey | ui::CtrlKey | ui::AltKey},
                            {MouseButton::Right, ui::ShiftNone}}));
    EXPECT_EQ(runs["cmdGo"], 0);  // a right release is no click

    cmdGo->setEnabled(false);
    send(*cmdGo, WM_RBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(releases.size(), 3u);
}

TEST_F(NativeWindowTest, ANewComboStyleRebuildsTheControlInPlace) {
    build();
    HWND old = h(*cboList);
    int id = GetDlgCtrlID(old);
    cboList->setStyle(ui::ComboStyle::Editable);
    HWND now = h(*cboList);
    ASSERT_NE(now, old);
    EXPECT_FALSE(IsWindow(old));
    EXPECT_EQ(GetWindowLongPtrA(now, GWL_STYLE) & 3, CBS_DROPDOWN);
    EXPECT_EQ(GetDlgCtrlID(now), id);
    EXPECT_EQ(send(*cboList, CB_GETCOUNT), 3);
    EXPECT_EQ(win32::windowText(now), "green");
    EXPECT_EQ(GetNextDlgTabItem(view->handle(), h(*hscLevel), TRUE), now);

    HWND edit = FindWindowExA(now, nullptr, "Edit", nullptr);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, WM_CHAR, 'p', 0);
    EXPECT_EQ(cboList->text(), "p");
    EXPECT_EQ(cboList->selectedIndex(), -1);
    EXPECT_EQ(win32::windowText(now), "p");
}

TEST_F(NativeWindowTest, AProgramsSmallIconBecomesTheButtonsPicture) {
    cmdGo->setGraphical(true);
    build();
    auto shown = [this] {
        return reinterpret_cast<HBITMAP>(send(*cmdGo, BM_GETIMAGE, IMAGE_BITMAP));
    };
    EXPECT_EQ(shown(), nullptr);

    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    cmdGo->setPicture(ui::Picture::fileIcon(std::string(system) + "\\notepad.exe"));
    HBITMAP icon = shown();
    ASSERT_NE(icon, nullptr);
    BITMAP size{};
    GetObjectA(icon, sizeof(size), &size);
    EXPECT_EQ(size.bmWidth, twipsToPixels(240, view->dpi()));  // 16 pixels at 96 DPI
    EXPECT_EQ(size.bmHeight, size.bmWidth);

    cmdGo->setPicture(ui::Picture::fileIcon(std::string(system) + "\\no such program.exe"));
    EXPECT_EQ(shown(), nullptr);
    cmdGo->setPicture(ui::Picture::resource("no_such_picture"));
    EXPECT_EQ(shown(), nullptr);
}

}  // namespace
