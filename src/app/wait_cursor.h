// The busy pointer for the length of an operation, and the normal one again however the
// operation ends.
#pragma once

#include "platform/platform.h"

namespace gridmate::app {

class WaitCursor {
public:
    WaitCursor() { platform::ui().setWaitCursor(true); }
    ~WaitCursor() { platform::ui().setWaitCursor(false); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace gridmate::app
