#include "ui/check_box.h"

namespace gridmate::ui {

bool CheckBox::setValue(int value) {
    if (value != 0 && value != 1) return false;
    if (value_ == value) return true;
    value_ = value;
    notify(Property::Value);
    run(onClick);
    return true;
}

}  // namespace gridmate::ui
