#include "win32/native_window.h"

#include <commctrl.h>

#include "win32/dpi.h"
#include "win32/twips.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace gridmate::win32 {

namespace {

// Fixed single border with a caption and a minimise box: the user cannot resize or
// maximise the window; the program sets its size.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kDialogStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
// Keyboard navigation descends into the frames.
constexpr DWORD kWindowExStyle = WS_EX_CONTROLPARENT;

HINSTANCE instance() { return GetModuleHandleA(nullptr); }

}  // namespace

void NativeWindow::registerClasses(const char* windowClass) {
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof(existing);
    if (!GetClassInfoExA(instance(), windowClass, &existing)) {
        WNDCLASSEXA main{};
        main.cbSize = sizeof(main);
        main.lpfnWndProc = windowProc;
        main.hInstance = instance();
        main.hIcon = LoadIconA(instance(), MAKEINTRESOURCEA(1));
        main.hIconSm = static_cast<HICON>(LoadImageA(instance(), MAKEINTRESOURCEA(1), IMAGE_ICON,
                                                     GetSystemMetrics(SM_CXSMICON),
                                                     GetSystemMetrics(SM_CYSMICON), 0));
        main.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
        main.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        main.lpszClassName = windowClass;
        RegisterClassExA(&main);
    }
    if (!GetClassInfoExA(instance(), kFrameClass, &existing)) {
        WNDCLASSEXA frame{};
        frame.cbSize = sizeof(frame);
        frame.lpfnWndProc = frameProc;
        frame.hInstance = instance();
        frame.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
        frame.lpszClassName = kFrameClass;
        RegisterClassExA(&frame);
    }
}

NativeWindow::NativeWindow(ui::Window& model, Options options)
    : model_(model), options_(std::move(options)) {
    INITCOMMONCONTROLSEX common{sizeof(common), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&common);
    registerClasses(options_.windowClass);
    createWindow();
}

NativeWindow::~NativeWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
    model_.onModelChanged = nullptr;
    model_.observeControls(nullptr);
}

void NativeWindow::createWindow() {
    // Until the window exists its monitor is unknown; the screen's DPI is the best guess,
    // corrected below once the system has placed the window.
    dpi_ = screenDpi();
    int width = twipsToPixels(model_.width(), dpi_);
    int height = twipsToPixels(model_.height(), dpi_);
    hwnd_ = CreateWindowExA(kWindowExStyle | (options_.dialog ? WS_EX_DLGMODALFRAME : 0),
                            options_.windowClass, model_.caption().c_str(),
                            options_.dialog ? kDialogStyle : kWindowStyle, CW_USEDEFAULT, 0,
                            width, height, options_.owner, nullptr, instance(), this);
    if (!hwnd_) return;
    dpi_ = windowDpi(hwnd_);
    rebuildFont();
    tooltips_.create(hwnd_);
    createControls();
    placeWindow();
    created_ = true;

    // A window placed by the system tells the model where it is, so that closing can
    // store the position; edges the model gave stay exactly as given.
    RECT placed = normalWindowRect();
    {
        Guard reporting(reportingToModel_);
        int screen = screenDpi();
        if (!model_.left()) model_.setLeft(pixelsToTwips(placed.left, screen));
        if (!model_.top()) model_.setTop(pixelsToTwips(placed.top, screen));
    }
    subscribe();
    if (model_.visible()) mirrorWindowVisible();
}

void NativeWindow::subscribe() {
    model_.observeControls([this](ui::Control& control, ui::Property property) {
        mirror(control, property);
    });
    model_.onModelChanged = [this](ui::Window&, ui::Property property) {
        mirrorWindow(property);
    };
}

HWND NativeWindow::controlHandle(const ui::Control& control) const {
    auto it = byModel_.find(&control);
    return it == byModel_.end() ? nullptr : controls_[it->second].hwnd;
}

NativeWindow::NativeControl* NativeWindow::find(HWND hwnd) {
    auto it = byHandle_.find(hwnd);
    return it == byHandle_.end() ? nullptr : &controls_[it->second];
}

NativeWindow::NativeControl* NativeWindow::find(const ui::Control& control) {
    auto it = byModel_.find(&control);
    return it == byModel_.end() ? nullptr : &controls_[it->second];
}

bool NativeWindow::translateDialogMessage(MSG& message) {
    tooltips_.relay(message);
    if (dispatchMouseUp(message)) return true;
    return hwnd_ && IsDialogMessageA(hwnd_, &message);
}

LRESULT CALLBACK NativeWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam,
                                         LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* self = static_cast<NativeWindow*>(create->lpCreateParams);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->hwnd_ = hwnd;
    }
    auto* self = reinterpret_cast<NativeWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    ++self->dispatching_;
    LRESULT result = self->onMessage(message, wParam, lParam);
    // Whatever the message changed in the lists is drawn once, now it is done.
    if (--self->dispatching_ == 0 && self->redrawHeld_) self->releaseRedraw();
    return result;
}

LRESULT NativeWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND hwnd = hwnd_;
    switch (message) {
        case kReleaseRedraw:
            releasePosted_ = false;
            releaseRedraw();
            return 0;
        case WM_COMMAND: return onCommand(wParam, lParam);
        case WM_HSCROLL:
            onScroll(wParam, lParam);
            return 0;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
            return onControlColor(message, reinterpret_cast<HDC>(wParam),
                                  reinterpret_cast<HWND>(lParam));
        case WM_CLOSE:
            onClose();
            return 0;
        case WM_QUERYENDSESSION: return TRUE;
        case WM_ENDSESSION:
            // Windows ends the program once this returns (log off, shut down): the window
            // closes now, as by its close box, so that its closing sequence runs.
            if (wParam) onClose();
            return 0;
        case WM_MOVE:
            onMoved();
            break;
        case WM_SIZE:
            onSized(wParam);
            break;
        case WM_DPICHANGED:
            onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_SYSCOLORCHANGE: {
            // The pictures carry the button face they were loaded with.
            Guard mirroring(mirroring_);
            for (NativeControl& native : controls_) mirrorPicture(native);
            break;
        }
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(hwnd, focus)) lastFocus_ = focus;
            }
            break;
        case WM_SETFOCUS:
            restoreFocus();
            return 0;
        case WM_DESTROY:
            onDestroyed();
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
            hwnd_ = nullptr;
            byHandle_.clear();
            break;
        default: break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// The close box, Alt+F4, a posted WM_CLOSE and the end of the session all close the
// model, which runs the window's closing operation once; the model's Closed state then
// destroys the HWND.
void NativeWindow::onClose() {
    if (!model_.closed()) model_.close();
    if (hwnd_) DestroyWindow(hwnd_);
}

void NativeWindow::onDestroyed() {
    model_.onModelChanged = nullptr;
    model_.observeControls(nullptr);
    if (options_.onDestroyed) options_.onDestroyed();
}

void NativeWindow::onMoved() {
    if (!created_ || movingFromModel_ || IsIconic(hwnd_)) return;
    RECT rect;
    GetWindowRect(hwnd_, &rect);
    int screen = screenDpi();
    Guard reporting(reportingToModel_);
    model_.setLeft(pixelsToTwips(rect.left, screen));
    model_.setTop(pixelsToTwips(rect.top, screen));
}

void NativeWindow::onSized(WPARAM kind) {
    if (!created_) return;
    ui::WindowState state = kind == SIZE_MINIMIZED   ? ui::WindowState::Minimized
                            : kind == SIZE_MAXIMIZED ? ui::WindowState::Maximized
                                                     : ui::WindowState::Normal;
    if (kind != SIZE_MINIMIZED && kind != SIZE_MAXIMIZED && kind != SIZE_RESTORED) return;
    Guard reporting(reportingToModel_);
    model_.setState(state);
}

void NativeWindow::onDpiChanged(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    rebuildFont();
    Guard mirroring(mirroring_);
    for (NativeControl& native : controls_) {
        applyFont(native);
        placeControl(native);
        mirrorPicture(native);
    }
    Guard moving(movingFromModel_);
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top,
                 twipsToPixels(model_.width(), dpi_), twipsToPixels(model_.height(), dpi_),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// The control that had the focus when the window was last left gets it back; the first
// in tab order otherwise.
void NativeWindow::restoreFocus() {
    HWND target = lastFocus_;
    if (!target || !IsWindow(target) || !IsWindowVisible(target) || !IsWindowEnabled(target))
        target = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    if (target && target != hwnd_) SetFocus(target);
}

// A control that is hidden or disabled while it has the focus passes it on, as the
// keyboard would otherwise talk to a control the user cannot see.
void NativeWindow::moveFocusOutOf(HWND hidden) {
    HWND focus = GetFocus();
    if (!focus || (focus != hidden && !IsChild(hidden, focus))) return;
    HWND next = GetNextDlgTabItem(hwnd_, hidden, FALSE);
    if (next && next != hidden && !IsChild(hidden, next)) {
        SetFocus(next);
    } else {
        SetFocus(hwnd_);
    }
}

int runMessageLoop(NativeWindow& window) {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (window.translateDialogMessage(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace gridmate::win32
