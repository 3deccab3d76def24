// An option button: selected or not, at most one selected per group. The group is every
// option button with the same container (one frame, or the window itself), as with
// classic form controls.
//
// Selecting a button that was not selected deselects the others of its group and then
// runs its onClick. A deselected button's onClick does not run, and neither does that of
// a button that was already selected. Deselecting from code runs nothing.
#pragma once

#include "ui/control.h"

namespace gridmate::ui {

class OptionButton : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;
    Kind kind() const override { return Kind::OptionButton; }

    bool selected() const { return selected_; }
    void setSelected(bool selected);
    // The user's click.
    void select() { setSelected(true); }

    Handler onClick;

private:
    void deselectQuietly();

    bool selected_ = false;
};

}  // namespace gridmate::ui
