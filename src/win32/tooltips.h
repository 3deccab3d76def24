// The tooltips of one window: a single tooltip control with one tool per control that
// has a text. The window's message loop hands it the mouse messages (relay): letting
// each tool subclass its control instead would cost every message the control gets a
// look-up of the subclass data, a round trip to the server under Wine (20 us, which
// made filling a list of 1,700 rows take seconds).
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <unordered_set>

namespace gridmate::win32 {

class Tooltips {
public:
    Tooltips() = default;
    ~Tooltips();
    Tooltips(const Tooltips&) = delete;
    Tooltips& operator=(const Tooltips&) = delete;

    // Creates the tooltip control, owned by `owner` (and destroyed with it).
    void create(HWND owner);
    HWND handle() const { return window_; }

    // Shows `text` over `control`; an empty text removes the control's tip.
    void set(HWND control, const std::string& text);
    // The control's current tip, empty when it has none.
    std::string text(HWND control) const;
    void forget(HWND control);
    // Passes a mouse message meant for one of the tools to the tooltip control, which
    // shows and hides the tips from them; other messages are ignored.
    void relay(const MSG& message) const;

private:
    TOOLINFOA toolFor(HWND control) const;

    HWND window_ = nullptr;
    std::unordered_set<HWND> tools_;
};

}  // namespace gridmate::win32
