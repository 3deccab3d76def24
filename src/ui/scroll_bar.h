// A horizontal scroll bar: a whole-number value between minimum and maximum. A change of
// the value runs onChange, whoever caused it: code, the user, or a new range that no
// longer holds the value (the value moves to the nearest end of the range).
#pragma once

#include "ui/control.h"

namespace gridmate::ui {

class ScrollBar : public Control {
public:
    using Control::Control;
    Kind kind() const override { return Kind::ScrollBar; }

    int value() const { return value_; }
    // A value outside the range is brought to its nearest end, as the platform's
    // scroll bar does.
    void setValue(int value);

    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    // A range whose minimum lies above its maximum is refused (false, no change).
    bool setMinimum(int minimum) { return setRange(minimum, maximum_); }
    bool setMaximum(int maximum) { return setRange(minimum_, maximum); }
    bool setRange(int minimum, int maximum);

    // Steps of the arrows and of a click beside the thumb (the native view uses them).
    int smallChange() const { return smallChange_; }
    int largeChange() const { return largeChange_; }
    void setSteps(int smallChange, int largeChange);

    // The user's arrow or page steps: the value moves by that many small or large
    // changes (negative: toward the minimum), within the range.
    void stepBy(int steps, bool large);

    Handler onChange;

private:
    int clamped(int value) const;

    int value_ = 0;
    int minimum_ = 0;
    int maximum_ = 32767;
    int smallChange_ = 1;
    int largeChange_ = 1;
};

}  // namespace gridmate::ui
