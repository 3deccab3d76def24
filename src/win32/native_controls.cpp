// Creating the native control of each kind, and placing controls and the window.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "win32/dpi.h"
#include "win32/native_window.h"
#include "win32/twips.h"

namespace gridmate::win32 {

namespace {

struct NativeClass {
    const char* name;
    DWORD style;
    DWORD exStyle;
};

// Check boxes and option buttons are not the "auto" kinds: the model owns their value,
// and a click only asks the model to change it. Captions wrap, as they do on the
// classic form controls; labels show their text literally (player names may hold "&").
NativeClass nativeClass(const ui::Control& control) {
    // Without WS_CLIPSIBLINGS: a control created after a borderless frame lies below it
    // in the z-order (the steering check box and the season panels) and must still draw
    // itself where the frame, which paints nothing, overlaps it.
    constexpr DWORD child = WS_CHILD;
    switch (control.kind()) {
        case ui::Kind::Label: return {"STATIC", child | SS_LEFT | SS_NOTIFY | SS_NOPREFIX, 0};
        case ui::Kind::TextBox:
            return {"EDIT", child | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ui::Kind::Button: {
            const auto& button = static_cast<const ui::Button&>(control);
            DWORD style = child | WS_TABSTOP | BS_PUSHBUTTON;
            return {"BUTTON", button.graphical() ? style | BS_BITMAP : style, 0};
        }
        case ui::Kind::CheckBox:
            return {"BUTTON", child | WS_TABSTOP | BS_CHECKBOX | BS_MULTILINE, 0};
        case ui::Kind::OptionButton:
            return {"BUTTON", child | WS_TABSTOP | BS_RADIOBUTTON | BS_MULTILINE, 0};
        case ui::Kind::ComboBox: {
            const auto& combo = static_cast<const ui::ComboBox&>(control);
            DWORD style = child | WS_TABSTOP | WS_VSCROLL;
            return {"COMBOBOX",
                    combo.style() == ui::ComboStyle::Editable
                        ? style | CBS_DROPDOWN | CBS_AUTOHSCROLL
                        : style | CBS_DROPDOWNLIST,
                    0};
        }
        case ui::Kind::ListBox:
            return {"LISTBOX",
                    child | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                    WS_EX_CLIENTEDGE};
        case ui::Kind::ScrollBar: return {"SCROLLBAR", child | WS_TABSTOP | SBS_HORZ, 0};
        case ui::Kind::Frame: return {kFrameClass, WS_CHILD, WS_EX_CONTROLPARENT};
        case ui::Kind::PictureBox: return {"STATIC", child | SS_BITMAP, 0};
    }
    return {"STATIC", child, 0};
}

// The list a drop-down shows holds this many items before it scrolls.
constexpr int kDropDownItems = 8;

}  // namespace

HWND NativeWindow::parentOf(const ui::Control& control) const {
    if (const ui::Frame* frame = control.container()) {
        if (HWND parent = controlHandle(*frame)) return parent;
    }
    return hwnd_;
}

// A frame is in sight when it is visible and, at the window's top level, begins within the
// window's width (the options column lies beyond the collapsed window).
bool NativeWindow::inSight(const ui::Frame& frame) const {
    return frame.visible() && (frame.container() || frame.geometry().left < model_.width());
}

bool NativeWindow::insidePendingFrame(const ui::Control& control) const {
    for (const ui::Frame* frame = control.container(); frame; frame = frame->container())
        if (std::find(pendingFrames_.begin(), pendingFrames_.end(), frame) != pendingFrames_.end())
            return true;
    return false;
}

// The controls in sight, in the model's order (a frame comes before its content); a frame
// out of sight is made, its content waits.
void NativeWindow::createControls() {
    for (ui::Control* control : model_.controls()) {
        if (byModel_.count(control) || insidePendingFrame(*control)) continue;
        createControl(*control);
        if (control->kind() == ui::Kind::Frame && !inSight(static_cast<ui::Frame&>(*control)))
            pendingFrames_.push_back(static_cast<ui::Frame*>(control));
    }
}

void NativeWindow::createControlsComingIntoSight() {
    auto inSightNow = [this](const ui::Frame* frame) { return inSight(*frame); };
    if (std::none_of(pendingFrames_.begin(), pendingFrames_.end(), inSightNow)) return;
    pendingFrames_.erase(std::remove_if(pendingFrames_.begin(), pendingFrames_.end(), inSightNow),
                         pendingFrames_.end());
    Guard mirroring(mirroring_);
    createControls();
}

NativeWindow::NativeControl& NativeWindow::createControl(ui::Control& control) {
    std::optional<int> id = options_.controlId ? options_.controlId(control) : std::nullopt;
    NativeControl native;
    native.model = &control;
    native.id = id ? *id : nextAutomaticId_++;
    native.hwnd = createHandle(control, native.id);
    controls_.push_back(std::move(native));
    size_t index = controls_.size() - 1;
    byHandle_[controls_[index].hwnd] = index;
    byModel_[&control] = index;
    mirrorAll(controls_[index]);
    return controls_[index];
}

HWND NativeWindow::createHandle(ui::Control& control, int id) {
    NativeClass cls = nativeClass(control);
    return CreateWindowExA(cls.exStyle, cls.name, "", cls.style, 0, 0, 0, 0, parentOf(control),
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), this);
}

// A combo box's style is fixed when it is created; a new style needs a new control, in
// the old one's place in the tab order.
void NativeWindow::recreate(NativeControl& native) {
    HWND old = native.hwnd;
    HWND before = GetWindow(old, GW_HWNDPREV);
    tooltips_.forget(old);
    byHandle_.erase(old);
    bool hadFocus = GetFocus() == old || IsChild(old, GetFocus());
    native.hwnd = createHandle(*native.model, native.id);
    native.itemChangeShown.reset();
    native.redrawHeld = false;
    SetWindowPos(native.hwnd, before ? before : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    DestroyWindow(old);
    byHandle_[native.hwnd] = byModel_[native.model];
    mirrorAll(native);
    if (hadFocus) SetFocus(native.hwnd);
}

void NativeWindow::rebuildFont() {
    LOGFONTA font{};
    font.lfHeight = -MulDiv(8, dpi_, 72);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(font.lfFaceName, "MS Shell Dlg", LF_FACESIZE);
    font_.reset(CreateFontIndirectA(&font));
}

void NativeWindow::applyFont(NativeControl& native) {
    HFONT font = font_.get();
    if (native.model->kind() == ui::Kind::ListBox) {
        const auto& list = static_cast<const ui::ListBox&>(*native.model);
        native.ownFont.reset();
        if (!list.fontName().empty()) {
            LOGFONTA own{};
            GetObjectA(font_.get(), sizeof(own), &own);
            lstrcpynA(own.lfFaceName, list.fontName().c_str(), LF_FACESIZE);
            // A list gets a font of its own for rows in aligned columns (the track-set
            // editor's Terminal); where that face is missing, as under Wine, the system
            // should pick another fixed-pitch one rather than the dialog font.
            own.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
            native.ownFont.reset(CreateFontIndirectA(&own));
            font = native.ownFont.get();
        }
    }
    SendMessageA(native.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

// Geometry is relative to the container: the client area of the window or the frame.
// A combo box's height is that of its closed field; the window it gets is taller by
// the list it drops down.
void NativeWindow::placeControl(NativeControl& native) {
    PixelRect at = toPixels(native.model->geometry(), dpi_);
    int height = at.height;
    if (native.model->kind() == ui::Kind::ComboBox) {
        auto itemHeight = static_cast<int>(SendMessageA(native.hwnd, CB_GETITEMHEIGHT, 0, 0));
        if (itemHeight > 0) height += kDropDownItems * itemHeight + 2;
    }
    MoveWindow(native.hwnd, at.left, at.top, at.width, height, TRUE);
}

// The window's normal (not minimised) outer rectangle in screen pixels.
RECT NativeWindow::normalWindowRect() const {
    RECT rect{};
    if (IsIconic(hwnd_)) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof(placement);
        GetWindowPlacement(hwnd_, &placement);
        rect = placement.rcNormalPosition;
    } else {
        GetWindowRect(hwnd_, &rect);
    }
    return rect;
}

// The model's size is the outer size; its left and top are screen positions, in the
// scale of the screen size the program reads (screenDpi).
void NativeWindow::placeWindow() {
    RECT current = normalWindowRect();
    int screen = screenDpi();
    int left = model_.left() ? twipsToPixels(*model_.left(), screen) : current.left;
    int top = model_.top() ? twipsToPixels(*model_.top(), screen) : current.top;
    int width = twipsToPixels(model_.width(), dpi_);
    int height = twipsToPixels(model_.height(), dpi_);
    Guard moving(movingFromModel_);
    if (IsIconic(hwnd_)) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof(placement);
        GetWindowPlacement(hwnd_, &placement);
        placement.rcNormalPosition = {left, top, left + width, top + height};
        SetWindowPlacement(hwnd_, &placement);
        return;
    }
    SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace gridmate::win32
