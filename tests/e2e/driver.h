// Driving gridmate.exe from another process, as a user would: starting it, finding its
// windows and controls, clicking and selecting through window messages, and reading
// what the controls show.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "e2e/wait.h"

namespace gridmate::e2e {

// A started copy of the program. A copy still running when the object goes (a failed
// case) is ended, so that no window is left behind for the next case.
class Process {
public:
    // Starts `exe` with `folder` as its working folder; throws when it cannot start.
    Process(const std::string& exe, const std::string& folder);
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    DWORD id() const { return info_.dwProcessId; }
    bool running() const;
    // The exit code, once the process has ended within `timeout`.
    std::optional<DWORD> waitForExit(milliseconds timeout = kTimeout) const;

private:
    PROCESS_INFORMATION info_{};
};

// Top-level windows of a process, shown or not, front to back.
std::vector<HWND> topLevelWindows(DWORD processId);
// The first shown top-level window of the process with this caption and, unless
// `className` is empty, this class.
HWND findShownWindow(DWORD processId, const std::string& caption,
                     const std::string& className = "");

// Shown top-level windows of any process with exactly this caption.
std::vector<HWND> shownWindowsCaptioned(const std::string& caption);

std::string className(HWND window);
// The window's text (WM_GETTEXT): a caption, a button's or a box's text.
std::string text(HWND window);
// The first window with this ID among all descendants of `top`: controls inside frames
// and panels are children of their container, not of the top-level window.
HWND control(HWND top, int id);
// The same, limited to windows of one class.
HWND control(HWND top, int id, const std::string& className);
// The first descendant of `parent` of this class.
HWND descendantOfClass(HWND parent, const std::string& className);

bool isChecked(HWND button);
RECT windowRect(HWND window);
int rectWidth(const RECT& r);
int rectHeight(const RECT& r);

// Dots per inch of the window (its monitor's, where the system knows it), else of the
// screen.
int windowDpi(HWND window);
// A length the program states in twips, as it must appear in pixels at `dpi`.
int twipsToPixels(int twips, int dpi);

// Combo boxes. Item texts travel as UTF-16 between processes under Wine, whatever
// function asks, so they are read wide and converted to the ANSI code page.
int comboCount(HWND combo);
int comboSelection(HWND combo);
std::string comboItem(HWND combo, int index);
// A selection as the user makes it: the list moves, then the owner hears of it.
void selectComboItem(HWND combo, int index);
// The same, returning before the owner has dealt with it: for a choice that asks
// with a message box.
void selectComboItemLater(HWND combo, int index);

// List boxes, read and chosen as combo boxes are.
int listCount(HWND list);
int listSelection(HWND list);
std::string listItem(HWND list, int index);
void selectListItem(HWND list, int index);

// Scroll bars: a request (SB_LINERIGHT, SB_PAGELEFT, ...) as the control reports the
// user's click to its owner, followed by the end of the scroll.
void scroll(HWND bar, int request);
int scrollPosition(HWND bar);

// Edit boxes: the selected range, start and end.
std::pair<int, int> selection(HWND edit);

// A click whose handler has run when this returns.
void click(HWND button);
// A click that returns at once: for a click that opens a modal dialog, which would
// otherwise hold the sender until it closes.
void clickLater(HWND button);
// The release of the right mouse button over a button, posted: what the program does
// with it (a dialog, a question) comes a moment later. Hold the keys with HeldKeys.
void rightClickLater(HWND button);
// Typing into a single-line edit: its owner hears of the change as from the keyboard.
void typeText(HWND edit, const std::string& text);
// Typing key by key over the whole present text: the edit of a combo box tells its
// owner only of typed changes, not of WM_SETTEXT.
void typeKeys(HWND edit, const std::string& text);
void focus(HWND control);
// Asks the window to close, as its close box does.
void requestClose(HWND window);
void minimise(HWND window);

// Keys held down as the program's GetKeyState sees them (Ctrl, Shift), from creation
// until the object goes: the driver shares the program's input state meanwhile, so a
// posted mouse message is read with these keys down.
class HeldKeys {
public:
    HeldKeys(HWND window, std::initializer_list<int> virtualKeys);
    ~HeldKeys();
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

private:
    DWORD self_;
    DWORD target_;
    BYTE before_[256] = {};
};

// The picture a button shows (BM_GETIMAGE), null without one.
HANDLE buttonImage(HWND button);
// The tooltip text the program registered for `control`, read from the process's tooltip
// window; nullopt when it cannot be read across processes.
std::optional<std::string> toolTipText(HWND control);

// Puts text on the clipboard, as a copy in another program would.
bool setClipboardText(const std::string& text);

// The text of a path as Windows programs see it: a Unix path given on the command
// line (CTest passes build paths) becomes its Z: drive path under Wine.
std::string windowsPath(const std::string& path);

}  // namespace gridmate::e2e
