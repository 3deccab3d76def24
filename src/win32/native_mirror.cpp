// Model -> HWND: every change the model reports is copied into the native control.
// The notifications the control sends back meanwhile (EN_CHANGE after WM_SETTEXT, ...)
// are ignored, as `mirroring_` is set, so a change never returns to the model as input.
#include <windows.h>

#include <commctrl.h>

#include "win32/native_window.h"
#include "win32/window_text.h"
#include "win32/pictures.h"

namespace gridmate::win32 {

namespace {

// Setting the text a control already shows would move its caret, so it is skipped.
void showText(HWND hwnd, const std::string& text) {
    if (windowText(hwnd) != text) SetWindowTextA(hwnd, text.c_str());
}

// The model counts bytes of the ANSI text, an edit control counts characters.
int characters(const std::string& text, int bytes) {
    if (bytes <= 0) return 0;
    return MultiByteToWideChar(CP_ACP, 0, text.data(), bytes, nullptr, 0);
}

const ui::CaptionedControl* captioned(const ui::Control& control) {
    switch (control.kind()) {
        case ui::Kind::Label:
        case ui::Kind::Button:
        case ui::Kind::CheckBox:
        case ui::Kind::OptionButton:
        case ui::Kind::Frame: return static_cast<const ui::CaptionedControl*>(&control);
        default: return nullptr;
    }
}

void redrawAll(HWND hwnd) {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace

void NativeWindow::mirror(ui::Control& control, ui::Property property) {
    if (!hwnd_) return;
    Guard mirroring(mirroring_);
    NativeControl* native = find(control);
    if (!native) {
        // A control added after the window was built; one in a frame out of sight is made
        // when the frame comes into sight.
        if (!insidePendingFrame(control)) createControl(control);
        return;
    }
    HWND hwnd = native->hwnd;
    switch (property) {
        case ui::Property::Caption:
            if (const ui::CaptionedControl* withCaption = captioned(control))
                showText(hwnd, withCaption->caption());
            if (control.kind() == ui::Kind::Frame) redrawAll(hwnd);
            break;
        case ui::Property::Text: mirrorText(*native); break;
        case ui::Property::TextSelection: mirrorSelection(*native); break;
        case ui::Property::Value:
        case ui::Property::SelectedIndex:
        case ui::Property::Range: mirrorValue(*native); break;
        case ui::Property::Items: mirrorItems(*native); break;
        case ui::Property::Enabled:
            // The effective state: a control inside a disabled frame looks disabled too.
            EnableWindow(hwnd, control.effectiveEnabled());
            if (!control.effectiveEnabled()) moveFocusOutOf(hwnd);
            if (control.kind() == ui::Kind::Frame) redrawAll(hwnd);
            break;
        case ui::Property::Visible:
            // The frame around it hides it by itself; only its own flag is needed here.
            ShowWindow(hwnd, control.visible() ? SW_SHOWNA : SW_HIDE);
            if (!control.visible()) moveFocusOutOf(hwnd);
            if (control.kind() == ui::Kind::Frame) createControlsComingIntoSight();
            break;
        case ui::Property::ToolTip: tooltips_.set(hwnd, control.toolTip()); break;
        case ui::Property::Geometry: placeControl(*native); break;
        case ui::Property::Picture: mirrorPicture(*native); break;
        case ui::Property::BackColor: InvalidateRect(hwnd, nullptr, TRUE); break;
        case ui::Property::Font: applyFont(*native); break;
        case ui::Property::Style: mirrorStyle(*native); break;
        case ui::Property::TabIndex:  // the tab order is the creation order
        case ui::Property::WindowState:
        case ui::Property::Closed: break;
    }
}

void NativeWindow::mirrorAll(NativeControl& native) {
    Guard mirroring(mirroring_);
    ui::Control& control = *native.model;
    applyFont(native);
    if (const ui::CaptionedControl* withCaption = captioned(control))
        showText(native.hwnd, withCaption->caption());
    mirrorItems(native);
    mirrorText(native);
    mirrorValue(native);
    mirrorPicture(native);
    placeControl(native);
    EnableWindow(native.hwnd, control.effectiveEnabled());
    tooltips_.set(native.hwnd, control.toolTip());
    ShowWindow(native.hwnd, control.visible() ? SW_SHOWNA : SW_HIDE);
}

void NativeWindow::mirrorText(NativeControl& native) {
    if (native.model->kind() == ui::Kind::TextBox) {
        const auto& box = static_cast<const ui::TextBox&>(*native.model);
        // Typing reports a text the control already shows; its caret stays put.
        if (windowText(native.hwnd) == box.text()) return;
        SetWindowTextA(native.hwnd, box.text().c_str());
        mirrorSelection(native);
    } else if (native.model->kind() == ui::Kind::ComboBox) {
        const auto& combo = static_cast<const ui::ComboBox&>(*native.model);
        if (combo.style() == ui::ComboStyle::Editable) showText(native.hwnd, combo.text());
    }
}

void NativeWindow::mirrorSelection(NativeControl& native) {
    if (native.model->kind() != ui::Kind::TextBox) return;
    const auto& box = static_cast<const ui::TextBox&>(*native.model);
    int start = characters(box.text(), box.selectionStart());
    int end = characters(box.text(), box.selectionStart() + box.selectionLength());
    SendMessageA(native.hwnd, EM_SETSEL, static_cast<WPARAM>(start), end);
}

// The model reports every added or removed item. Refilling the whole native list each
// time would make a list filled item by item cost the square of its length (a second
// for 1,000 track sets under Wine), so the one change the model made is applied; a list
// that missed a change (or was cleared) is filled anew. A visible list is drawn once
// at the end (see holdRedraw).
void NativeWindow::mirrorItems(NativeControl& native) {
    HWND hwnd = native.hwnd;
    UINT remove, insert, reset;
    if (native.model->kind() == ui::Kind::ComboBox) {
        remove = CB_DELETESTRING, insert = CB_INSERTSTRING, reset = CB_RESETCONTENT;
    } else if (native.model->kind() == ui::Kind::ListBox) {
        remove = LB_DELETESTRING, insert = LB_INSERTSTRING, reset = LB_RESETCONTENT;
    } else {
        return;
    }
    const auto& list = static_cast<const ui::ListControl&>(*native.model);
    const std::vector<std::string>& items = list.items();
    const ui::ListControl::ItemChange& change = list.lastItemChange();
    holdRedraw(native);
    using Kind = ui::ListControl::ItemChange::Kind;
    bool next = native.itemChangeShown && change.number == *native.itemChangeShown + 1;
    auto index = static_cast<size_t>(change.index);
    if (next && change.kind == Kind::Inserted) {
        SendMessageA(hwnd, insert, index, reinterpret_cast<LPARAM>(items[index].c_str()));
    } else if (next && change.kind == Kind::Removed) {
        SendMessageA(hwnd, remove, index, 0);
    } else {
        SendMessageA(hwnd, reset, 0, 0);
        for (size_t i = 0; i < items.size(); ++i)
            SendMessageA(hwnd, insert, i, reinterpret_cast<LPARAM>(items[i].c_str()));
    }
    native.itemChangeShown = change.number;
    mirrorValue(native);
}

// A visible list redraws itself and its scroll bar after every item it gets: 2 ms each
// under Wine, seconds for the editor's list of a big database. While the model changes
// it, it is told not to draw; it draws once when the window procedure is done with the
// message that caused the change, or, for a change made outside it, when the posted
// message arrives. Its items are up to date all along; only the drawing waits.
void NativeWindow::holdRedraw(NativeControl& native) {
    if (native.redrawHeld || !IsWindowVisible(native.hwnd)) return;
    SendMessageA(native.hwnd, WM_SETREDRAW, FALSE, 0);
    native.redrawHeld = redrawHeld_ = true;
    if (dispatching_ == 0 && !releasePosted_)
        releasePosted_ = PostMessageA(hwnd_, kReleaseRedraw, 0, 0) != 0;
}

void NativeWindow::releaseRedraw() {
    redrawHeld_ = false;
    for (NativeControl& native : controls_) {
        if (!native.redrawHeld) continue;
        native.redrawHeld = false;
        SendMessageA(native.hwnd, WM_SETREDRAW, TRUE, 0);
        // Turning drawing back on may show a window the model hid meanwhile.
        ShowWindow(native.hwnd, native.model->visible() ? SW_SHOWNA : SW_HIDE);
        RedrawWindow(native.hwnd, nullptr, nullptr,
                     RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
}

void NativeWindow::mirrorValue(NativeControl& native) {
    HWND hwnd = native.hwnd;
    switch (native.model->kind()) {
        case ui::Kind::CheckBox: {
            bool checked = static_cast<const ui::CheckBox&>(*native.model).checked();
            SendMessageA(hwnd, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
            break;
        }
        case ui::Kind::OptionButton: {
            bool selected = static_cast<const ui::OptionButton&>(*native.model).selected();
            SendMessageA(hwnd, BM_SETCHECK, selected ? BST_CHECKED : BST_UNCHECKED, 0);
            break;
        }
        case ui::Kind::ScrollBar: {
            const auto& bar = static_cast<const ui::ScrollBar&>(*native.model);
            SCROLLINFO info{};
            info.cbSize = sizeof(info);
            info.fMask = SIF_RANGE | SIF_POS;
            info.nMin = bar.minimum();
            info.nMax = bar.maximum();
            info.nPos = bar.value();
            SetScrollInfo(hwnd, SB_CTL, &info, TRUE);
            break;
        }
        case ui::Kind::ComboBox: {
            const auto& combo = static_cast<const ui::ComboBox&>(*native.model);
            // Selecting again would also rewrite an editable combo's text.
            if (SendMessageA(hwnd, CB_GETCURSEL, 0, 0) != combo.selectedIndex())
                SendMessageA(hwnd, CB_SETCURSEL, static_cast<WPARAM>(combo.selectedIndex()), 0);
            if (combo.style() == ui::ComboStyle::Editable) showText(hwnd, combo.text());
            break;
        }
        case ui::Kind::ListBox: {
            int index = static_cast<const ui::ListBox&>(*native.model).selectedIndex();
            SendMessageA(hwnd, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
            break;
        }
        default: break;
    }
}

// The bitmap shown stays owned here; the one it replaces is freed after the control
// has let go of it.
void NativeWindow::mirrorPicture(NativeControl& native) {
    const ui::Picture* picture = nullptr;
    UINT message = 0;
    if (native.model->kind() == ui::Kind::Button) {
        const auto& button = static_cast<const ui::Button&>(*native.model);
        if (!button.graphical()) return;
        picture = &button.picture();
        message = BM_SETIMAGE;
    } else if (native.model->kind() == ui::Kind::PictureBox) {
        picture = &static_cast<const ui::PictureBox&>(*native.model).picture();
        message = STM_SETIMAGE;
    } else {
        return;
    }
    BitmapHandle bitmap = loadPicture(*picture, dpi_);
    SendMessageA(native.hwnd, message, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap.get()));
    native.picture = std::move(bitmap);
    InvalidateRect(native.hwnd, nullptr, TRUE);
}

void NativeWindow::mirrorStyle(NativeControl& native) {
    HWND hwnd = native.hwnd;
    switch (native.model->kind()) {
        case ui::Kind::Frame: redrawAll(hwnd); break;
        case ui::Kind::ComboBox: {
            bool editable =
                static_cast<const ui::ComboBox&>(*native.model).style() == ui::ComboStyle::Editable;
            auto type = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE)) & 3u;
            if (editable != (type == CBS_DROPDOWN)) recreate(native);
            break;
        }
        case ui::Kind::Button: {
            bool graphical = static_cast<const ui::Button&>(*native.model).graphical();
            auto style = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE));
            style = graphical ? style | BS_BITMAP : style & ~static_cast<DWORD>(BS_BITMAP);
            SetWindowLongPtrA(hwnd, GWL_STYLE, static_cast<LONG_PTR>(style));
            if (!graphical) {
                SendMessageA(hwnd, BM_SETIMAGE, IMAGE_BITMAP, 0);
                native.picture.reset();
            }
            mirrorPicture(native);
            InvalidateRect(hwnd, nullptr, TRUE);
            break;
        }
        default: break;
    }
}

void NativeWindow::mirrorWindow(ui::Property property) {
    if (!hwnd_) return;
    Guard mirroring(mirroring_);
    switch (property) {
        case ui::Property::Caption: showText(hwnd_, model_.caption()); break;
        case ui::Property::Geometry:
            if (!reportingToModel_) placeWindow();
            createControlsComingIntoSight();
            break;
        case ui::Property::Visible: mirrorWindowVisible(); break;
        case ui::Property::WindowState:
            if (!reportingToModel_) mirrorWindowState();
            break;
        case ui::Property::Closed: DestroyWindow(hwnd_); break;
        default: break;
    }
}

void NativeWindow::mirrorWindowVisible() {
    if (!model_.visible()) {
        ShowWindow(hwnd_, SW_HIDE);
        return;
    }
    ShowWindow(hwnd_, model_.state() == ui::WindowState::Minimized   ? SW_SHOWMINIMIZED
                      : model_.state() == ui::WindowState::Maximized ? SW_SHOWMAXIMIZED
                                                                     : SW_SHOWNORMAL);
    UpdateWindow(hwnd_);
}

void NativeWindow::mirrorWindowState() {
    if (!IsWindowVisible(hwnd_)) return;
    switch (model_.state()) {
        case ui::WindowState::Minimized: ShowWindow(hwnd_, SW_MINIMIZE); break;
        case ui::WindowState::Maximized: ShowWindow(hwnd_, SW_MAXIMIZE); break;
        case ui::WindowState::Normal: ShowWindow(hwnd_, SW_RESTORE); break;
    }
}

}  // namespace gridmate::win32
