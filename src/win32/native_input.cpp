// HWND -> model: the user's input reaches the model through its setters, which run the
// same handlers as a change made by code. Afterwards the control shows the model's
// state again, whatever the handlers made of the input.
#include <windows.h>

#include <commctrl.h>

#include "win32/native_window.h"
#include "win32/window_text.h"

namespace gridmate::win32 {

namespace {

int shiftState() {
    int shift = ui::ShiftNone;
    if (GetKeyState(VK_SHIFT) < 0) shift |= ui::ShiftKey;
    if (GetKeyState(VK_CONTROL) < 0) shift |= ui::CtrlKey;
    if (GetKeyState(VK_MENU) < 0) shift |= ui::AltKey;
    return shift;
}

}  // namespace

// IDOK and IDCANCEL come from the dialog manager (Enter, Escape) without a control:
// the main window has neither button, and Escape must not close it.
LRESULT NativeWindow::onCommand(WPARAM wParam, LPARAM lParam) {
    auto from = reinterpret_cast<HWND>(lParam);
    if (!from || !acceptingInput()) return 0;
    NativeControl* native = find(from);
    if (!native) return 0;
    ui::Control& control = *native->model;
    // The platform gives no input to a disabled or hidden control; a message sent to
    // one by another program does not count as input either.
    if (!control.acceptsInput()) {
        resync(from);
        return 0;
    }
    WORD code = HIWORD(wParam);
    switch (control.kind()) {
        case ui::Kind::Button:
            if (code == BN_CLICKED) static_cast<ui::Button&>(control).click();
            break;
        case ui::Kind::CheckBox:
            if (code == BN_CLICKED) static_cast<ui::CheckBox&>(control).toggle();
            break;
        case ui::Kind::OptionButton:
            if (code == BN_CLICKED) static_cast<ui::OptionButton&>(control).select();
            break;
        case ui::Kind::ComboBox: {
            auto& combo = static_cast<ui::ComboBox&>(control);
            if (code == CBN_SELCHANGE)
                combo.setSelectedIndex(static_cast<int>(SendMessageA(from, CB_GETCURSEL, 0, 0)));
            else if (code == CBN_EDITCHANGE)
                combo.setText(windowText(from));
            else if (code == CBN_SETFOCUS)
                combo.gotFocus();
            if (code != CBN_SELCHANGE) return 0;  // typing: the caret stays where it is
            break;
        }
        case ui::Kind::ListBox: {
            auto& list = static_cast<ui::ListBox&>(control);
            if (code == LBN_SELCHANGE)
                list.setSelectedIndex(static_cast<int>(SendMessageA(from, LB_GETCURSEL, 0, 0)));
            else if (code == LBN_SETFOCUS)
                list.gotFocus();
            break;
        }
        case ui::Kind::TextBox: {
            auto& box = static_cast<ui::TextBox&>(control);
            if (code == EN_CHANGE)
                box.setText(windowText(from));
            else if (code == EN_SETFOCUS)
                box.gotFocus();
            return 0;  // a handler's own change of the text has been mirrored already
        }
        default: break;
    }
    resync(from);
    return 0;
}

// Arrows and page steps move by the model's small and large changes; a dragged thumb
// counts where it is let go.
void NativeWindow::onScroll(WPARAM wParam, LPARAM lParam) {
    auto from = reinterpret_cast<HWND>(lParam);
    if (!from || !acceptingInput()) return;
    NativeControl* native = find(from);
    if (!native || native->model->kind() != ui::Kind::ScrollBar) return;
    auto& bar = static_cast<ui::ScrollBar&>(*native->model);
    if (!bar.acceptsInput()) {
        resync(from);
        return;
    }
    switch (LOWORD(wParam)) {
        case SB_LINELEFT: bar.stepBy(-1, false); break;
        case SB_LINERIGHT: bar.stepBy(1, false); break;
        case SB_PAGELEFT: bar.stepBy(-1, true); break;
        case SB_PAGERIGHT: bar.stepBy(1, true); break;
        case SB_LEFT: bar.setValue(bar.minimum()); break;
        case SB_RIGHT: bar.setValue(bar.maximum()); break;
        case SB_THUMBPOSITION: bar.setValue(static_cast<short>(HIWORD(wParam))); break;
        default: return;  // the thumb on its way, and the end of a scroll
    }
    resync(from);
}

// Shows the model's state again in a control the user has just changed: a handler may
// have refused or replaced the change, and a control the model ignored must not keep
// what the user did to it. Nothing is left to do when the window closed meanwhile.
void NativeWindow::resync(HWND control) {
    if (!hwnd_) return;
    NativeControl* native = find(control);
    if (!native) return;
    Guard mirroring(mirroring_);
    mirrorText(*native);
    mirrorValue(*native);
}

// A mouse button released over one of the window's buttons, from the message loop: the
// button's own handling first (a left release is its click), then the release is
// reported, unless the click closed the window. The loop, not a subclass of every button,
// sees it: under Wine a subclassed window pays a server round trip on every message.
bool NativeWindow::dispatchMouseUp(MSG& message) {
    ui::MouseButton which;
    switch (message.message) {
        case WM_LBUTTONUP: which = ui::MouseButton::Left; break;
        case WM_RBUTTONUP: which = ui::MouseButton::Right; break;
        case WM_MBUTTONUP: which = ui::MouseButton::Middle; break;
        default: return false;
    }
    NativeControl* native = find(message.hwnd);
    if (!native || native->model->kind() != ui::Kind::Button) return false;
    HWND button = message.hwnd;
    DispatchMessageA(&message);
    if (IsWindow(button)) onMouseUp(button, which);
    return true;
}

void NativeWindow::onMouseUp(HWND button, ui::MouseButton which) {
    if (!acceptingInput()) return;
    NativeControl* native = find(button);
    if (!native || !native->model->acceptsInput()) return;
    native->model->mouseUp(which, shiftState());
}

// A text box shows the background the model asks for: the window colour where it is
// meant to be typed in, the button face where it only shows text. A disabled edit asks
// with WM_CTLCOLORSTATIC, so both messages are answered.
LRESULT NativeWindow::onControlColor(UINT message, HDC dc, HWND control) {
    NativeControl* native = find(control);
    if (native && native->model->kind() == ui::Kind::TextBox &&
        (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORSTATIC)) {
        const auto& box = static_cast<const ui::TextBox&>(*native->model);
        int background =
            box.backColor() == ui::SystemColor::ButtonFace ? COLOR_BTNFACE : COLOR_WINDOW;
        SetBkColor(dc, GetSysColor(background));
        SetTextColor(dc, GetSysColor(box.effectiveEnabled() ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(background));
    }
    return DefWindowProcA(hwnd_, message, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(control));
}

}  // namespace gridmate::win32
