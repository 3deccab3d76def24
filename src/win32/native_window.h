// The native view of one model window: a top-level HWND of our own class with a real
// Windows control for every model control.
//
// The model is the only owner of state. Every change of the model is mirrored into the
// HWNDs (without the notifications the HWNDs send back reaching the model as input), and
// the user's input reaches the model only through its setters, so the same handlers run
// as when code makes the change.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

#include "ui/controls.h"
#include "win32/gdi_handles.h"
#include "win32/tooltips.h"

namespace gridmate::win32 {

// The class of the main window. The single-instance lookup finds a running copy by it
// (and by its caption).
inline constexpr char kMainWindowClass[] = "GridmateMain";
// The class of frames: containers that host their controls as child windows.
inline constexpr char kFrameClass[] = "GridmateFrame";
// The class of the program's modal windows (the save dialog, the track-set editor).
inline constexpr char kDialogClass[] = "GridmateDialog";

// The dialog ID of a control; nullopt leaves the view to number it.
using ControlIdLookup = std::function<std::optional<int>(const ui::Control&)>;

class NativeWindow {
public:
    struct Options {
        const char* windowClass = kMainWindowClass;
        ControlIdLookup controlId;
        // Runs once the HWND is destroyed (the main window ends the message loop here).
        std::function<void()> onDestroyed;
        // A dialog belongs to its owner (stays in front of it) and has no minimise box.
        HWND owner = nullptr;
        bool dialog = false;
    };

    // Creates the window and its controls from the model's current state. The window
    // appears when the model is (or becomes) visible.
    NativeWindow(ui::Window& model, Options options);
    ~NativeWindow();
    NativeWindow(const NativeWindow&) = delete;
    NativeWindow& operator=(const NativeWindow&) = delete;

    // Nullptr once the window is destroyed.
    HWND handle() const { return hwnd_; }
    HWND controlHandle(const ui::Control& control) const;
    int dpi() const { return dpi_; }
    const Tooltips& tooltips() const { return tooltips_; }

    // Tab, arrow keys and mnemonics for this window, the mouse for its tooltips, and a
    // mouse button released over one of its buttons; true when the message was used.
    bool translateDialogMessage(MSG& message);

private:
    struct NativeControl {
        ui::Control* model = nullptr;
        HWND hwnd = nullptr;
        int id = 0;
        BitmapHandle picture;
        FontHandle ownFont;  // a list box with a font of its own
        std::optional<unsigned long> itemChangeShown;  // the model's last item change shown
        bool redrawHeld = false;              // see holdRedraw
    };

    // Posted to draw the lists again after a change made outside the window procedure.
    static constexpr UINT kReleaseRedraw = WM_APP + 1;

    // Sets a flag for the lifetime of the guard (nested uses keep it set).
    class Guard {
    public:
        explicit Guard(int& depth) : depth_(depth) { ++depth_; }
        ~Guard() { --depth_; }
        Guard(const Guard&) = delete;
        Guard& operator=(const Guard&) = delete;

    private:
        int& depth_;
    };

    // native_window.cpp: the top-level window and its messages.
    static void registerClasses(const char* windowClass);
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void createWindow();
    void onClose();
    void onMoved();
    void onSized(WPARAM kind);
    void onDpiChanged(int dpi, const RECT& suggested);
    void onDestroyed();
    void restoreFocus();
    void moveFocusOutOf(HWND hidden);
    void subscribe();

    // native_controls.cpp: creating controls and laying them out.
    void createControls();
    void createControlsComingIntoSight();
    bool inSight(const ui::Frame& frame) const;
    bool insidePendingFrame(const ui::Control& control) const;
    NativeControl& createControl(ui::Control& control);
    HWND createHandle(ui::Control& control, int id);
    void recreate(NativeControl& native);
    void applyFont(NativeControl& native);
    void placeControl(NativeControl& native);
    void placeWindow();
    RECT normalWindowRect() const;
    void rebuildFont();

    // native_frames.cpp: the frame containers.
    static LRESULT CALLBACK frameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void paintFrame(HWND hwnd, const ui::Frame& frame, HDC dc);
    LRESULT frameHitTest(HWND hwnd, LPARAM lParam);

    // native_mirror.cpp: model -> HWND.
    void mirror(ui::Control& control, ui::Property property);
    void mirrorAll(NativeControl& native);
    void mirrorWindow(ui::Property property);
    void mirrorText(NativeControl& native);
    void mirrorSelection(NativeControl& native);
    void mirrorItems(NativeControl& native);
    void holdRedraw(NativeControl& native);
    void releaseRedraw();
    void mirrorValue(NativeControl& native);
    void mirrorPicture(NativeControl& native);
    void mirrorStyle(NativeControl& native);
    void mirrorWindowState();
    void mirrorWindowVisible();

    // native_input.cpp: HWND -> model.
    bool dispatchMouseUp(MSG& message);
    LRESULT onCommand(WPARAM wParam, LPARAM lParam);
    void onScroll(WPARAM wParam, LPARAM lParam);
    void onMouseUp(HWND button, ui::MouseButton which);
    LRESULT onControlColor(UINT message, HDC dc, HWND control);
    void resync(HWND control);
    bool acceptingInput() const { return mirroring_ == 0 && hwnd_ && !model_.closed(); }

    NativeControl* find(HWND hwnd);
    NativeControl* find(const ui::Control& control);
    HWND parentOf(const ui::Control& control) const;

    ui::Window& model_;
    Options options_;
    HWND hwnd_ = nullptr;
    int dpi_ = 96;
    FontHandle font_;
    Tooltips tooltips_;
    std::vector<NativeControl> controls_;  // creation order (within a container the tab order)
    // Frames out of sight (hidden, or beyond the window's width): their controls are made
    // when they come into sight, since creating native controls is the most of the start
    // under Wine, where a drop-down combo box costs milliseconds.
    std::vector<const ui::Frame*> pendingFrames_;
    std::unordered_map<HWND, size_t> byHandle_;
    std::unordered_map<const ui::Control*, size_t> byModel_;
    int nextAutomaticId_ = 20000;
    HWND lastFocus_ = nullptr;
    bool created_ = false;
    int mirroring_ = 0;           // inside a model -> HWND update
    int movingFromModel_ = 0;     // the model is placing the window
    int reportingToModel_ = 0;    // the window tells the model its position or state
    int dispatching_ = 0;         // inside the window procedure
    bool redrawHeld_ = false;     // some list waits to be drawn again
    bool releasePosted_ = false;
};

// The thread's message loop, with keyboard navigation in `window`, until WM_QUIT.
int runMessageLoop(NativeWindow& window);

}  // namespace gridmate::win32
