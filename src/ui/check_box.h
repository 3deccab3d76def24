// A check box: value 0 (unchecked) or 1 (checked). A change of the value, by code or by
// the user, runs onClick.
#pragma once

#include "ui/control.h"

namespace gridmate::ui {

class CheckBox : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;
    Kind kind() const override { return Kind::CheckBox; }

    int value() const { return value_; }
    bool checked() const { return value_ == 1; }
    // Refuses (returns false, changes nothing) any value but 0 and 1.
    bool setValue(int value);
    void setChecked(bool checked) { setValue(checked ? 1 : 0); }
    // The user's click on the box.
    void toggle() { setValue(1 - value_); }

    Handler onClick;

private:
    int value_ = 0;
};

}  // namespace gridmate::ui
