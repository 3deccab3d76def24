// Placing the controls of the program's small modal windows, whose layouts are given
// as client areas: the model measures a window by its outer size, so the frame of a
// fixed dialog (a 3-pixel border and a 19-pixel caption at 96 DPI) is added.
#pragma once

#include <string>

#include "ui/controls.h"

namespace gridmate::app {

constexpr int kDialogFrameWidth = 2 * 3 * 15;
constexpr int kDialogFrameHeight = (2 * 3 + 19) * 15;

inline void setClientSize(ui::Window& window, int width, int height) {
    window.setSize(width + kDialogFrameWidth, height + kDialogFrameHeight);
}

template <class T>
T& placeControl(ui::Window& window, const char* name, int index, ui::Rect at,
                const std::string& toolTip = "") {
    T& control = window.add<T>(name, nullptr, index);
    control.setGeometry(at);
    if (!toolTip.empty()) control.setToolTip(toolTip);
    return control;
}

template <class T>
T& placeCaptionedControl(ui::Window& window, const char* name, int index, ui::Rect at,
                         const std::string& caption, const std::string& toolTip = "") {
    T& control = placeControl<T>(window, name, index, at, toolTip);
    control.setCaption(caption);
    return control;
}

}  // namespace gridmate::app
