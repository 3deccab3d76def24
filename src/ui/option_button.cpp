#include "ui/option_button.h"

#include "ui/window.h"

namespace gridmate::ui {

void OptionButton::setSelected(bool selected) {
    if (selected_ == selected) return;
    if (selected) {
        // The others go first, so that no observer ever sees two selected in a group.
        for (Control* control : window().controls()) {
            if (control == this || control->kind() != Kind::OptionButton) continue;
            if (control->container() != container()) continue;
            static_cast<OptionButton*>(control)->deselectQuietly();
        }
    }
    selected_ = selected;
    notify(Property::Value);
    if (selected_) run(onClick);
}

void OptionButton::deselectQuietly() {
    if (!selected_) return;
    selected_ = false;
    notify(Property::Value);
}

}  // namespace gridmate::ui
