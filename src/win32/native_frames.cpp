// Frames: child windows that host their controls, so that hiding or disabling a frame
// does the same to everything inside it. A bordered frame is a group box with its
// caption; a borderless one (a panel) is invisible itself and lets the controls behind
// it show through and take the mouse.
#include "win32/native_window.h"

namespace gridmate::win32 {

LRESULT CALLBACK NativeWindow::frameProc(HWND hwnd, UINT message, WPARAM wParam,
                                        LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<NativeWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self || !self->hwnd_) return DefWindowProcA(hwnd, message, wParam, lParam);

    switch (message) {
        // The controls inside report to their parent; the top-level window handles them
        // all, wherever they sit.
        case WM_COMMAND:
        case WM_HSCROLL:
        case WM_NOTIFY:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
            return SendMessageA(self->hwnd_, message, wParam, lParam);
        case WM_NCHITTEST: return self->frameHitTest(hwnd, lParam);
        case WM_ERASEBKGND: {
            NativeControl* native = self->find(hwnd);
            if (native && static_cast<const ui::Frame&>(*native->model).bordered()) {
                RECT all;
                GetClientRect(hwnd, &all);
                FillRect(reinterpret_cast<HDC>(wParam), &all, GetSysColorBrush(COLOR_BTNFACE));
            }
            return 1;
        }
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(hwnd, &paint);
            if (NativeControl* native = self->find(hwnd))
                self->paintFrame(hwnd, static_cast<const ui::Frame&>(*native->model), dc);
            EndPaint(hwnd, &paint);
            return 0;
        }
        case WM_NCDESTROY: SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0); break;
        default: break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// The line runs through the middle of the caption's height; the caption interrupts it
// near the left edge, grey while the frame is disabled.
void NativeWindow::paintFrame(HWND hwnd, const ui::Frame& frame, HDC dc) {
    if (!frame.bordered()) return;
    RECT all;
    GetClientRect(hwnd, &all);
    HGDIOBJ oldFont = SelectObject(dc, font_.get());
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);

    RECT box = all;
    box.top += metrics.tmHeight / 2;
    DrawEdge(dc, &box, EDGE_ETCHED, BF_RECT);

    if (!frame.caption().empty()) {
        int inset = MulDiv(7, dpi_, 96);
        int gap = MulDiv(2, dpi_, 96);
        RECT text{all.left + inset + gap, all.top, all.right - inset, all.top + metrics.tmHeight};
        DrawTextA(dc, frame.caption().c_str(), -1, &text, DT_SINGLELINE | DT_CALCRECT);
        RECT behind{text.left - gap, text.top, text.right + gap, text.bottom};
        FillRect(dc, &behind, GetSysColorBrush(COLOR_BTNFACE));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(frame.effectiveEnabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
        DrawTextA(dc, frame.caption().c_str(), -1, &text, DT_SINGLELINE);
    }
    SelectObject(dc, oldFont);
}

// A panel answers the mouse only where no other control of its container lies, so that
// a control behind it (created later, so lower in the z-order) still gets the clicks and
// the panel's own tooltip shows over its empty parts.
LRESULT NativeWindow::frameHitTest(HWND hwnd, LPARAM lParam) {
    NativeControl* native = find(hwnd);
    if (!native || static_cast<const ui::Frame&>(*native->model).bordered()) return HTCLIENT;
    POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    HWND parent = GetParent(hwnd);
    for (HWND sibling = GetWindow(parent, GW_CHILD); sibling;
         sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        if (sibling == hwnd || !IsWindowVisible(sibling)) continue;
        // Two overlapping panels would pass the mouse to each other and on to the window.
        if (NativeControl* other = find(sibling);
            other && other->model->kind() == ui::Kind::Frame &&
            !static_cast<const ui::Frame&>(*other->model).bordered())
            continue;
        RECT rect;
        GetWindowRect(sibling, &rect);
        if (PtInRect(&rect, point)) return HTTRANSPARENT;
    }
    return HTCLIENT;
}

}  // namespace gridmate::win32
