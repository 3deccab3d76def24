// Records, in order, what the control model tells its observers and which handlers run,
// as short lines such as "chkJoin Value" or "click chkJoin".
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "ui/controls.h"

namespace gridmate::test {

inline const char* propertyName(ui::Property property) {
    static const char* const names[] = {
        "Caption", "Text",  "TextSelection", "Value",   "Items",    "SelectedIndex",
        "Range",   "Enabled", "Visible",     "ToolTip", "Geometry", "Picture",
        "BackColor", "TabIndex", "Font",     "Style",   "WindowState", "Closed"};
    return names[static_cast<int>(property)];
}

struct EventLog {
    std::vector<std::string> lines;

    // Observes every control of `window`, present and future, and the window itself.
    void observe(ui::Window& window) {
        window.observeControls([this](ui::Control& control, ui::Property property) {
            lines.push_back(label(control) + " " + propertyName(property));
        });
        window.onModelChanged = [this](ui::Window& w, ui::Property property) {
            lines.push_back(w.name() + " " + propertyName(property));
        };
    }

    // A handler that only records that it ran.
    std::function<void()> handler(const std::string& line) {
        return [this, line] { lines.push_back(line); };
    }

    void add(std::string line) { lines.push_back(std::move(line)); }

    std::vector<std::string> take() { return std::exchange(lines, {}); }

    static std::string label(const ui::Control& control) {
        if (control.index() < 0) return control.name();
        return control.name() + "(" + std::to_string(control.index()) + ")";
    }
};

using Lines = std::vector<std::string>;

// A window whose every change and handler lands in `log`.
struct UiModelTest : ::testing::Test {
    ui::Window window{"Pitboard"};
    EventLog log;
    UiModelTest() { log.observe(window); }
};

}  // namespace gridmate::test
