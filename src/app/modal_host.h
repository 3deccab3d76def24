// How a window of the model is shown modally. The native view implements it (create
// the window's controls, disable the owner, run a nested message loop); tests implement
// it with a script that works the dialog's controls as a user would.
#pragma once

#include "ui/window.h"

namespace gridmate::app {

class ModalHost {
public:
    virtual ~ModalHost() = default;
    // Shows `window` (window.show()) over the main window and returns once the window
    // has been hidden (window.hide()) or closed (window.close(), also the close box),
    // leaving it hidden. The caller reads the window's controls afterwards and then
    // destroys it.
    virtual void showModal(ui::Window& window) = 0;
};

}  // namespace gridmate::app
