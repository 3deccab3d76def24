#include "ui/scroll_bar.h"

#include <algorithm>
#include <limits>

namespace gridmate::ui {

int ScrollBar::clamped(int value) const {
    return std::clamp(value, minimum_, maximum_);
}

void ScrollBar::setValue(int value) {
    value = clamped(value);
    if (value_ == value) return;
    value_ = value;
    notify(Property::Value);
    run(onChange);
}

bool ScrollBar::setRange(int minimum, int maximum) {
    if (minimum > maximum) return false;
    if (minimum_ == minimum && maximum_ == maximum) return true;
    minimum_ = minimum;
    maximum_ = maximum;
    notify(Property::Range);
    // A range that no longer holds the value moves it, and that is a change like any.
    setValue(value_);
    return true;
}

void ScrollBar::setSteps(int smallChange, int largeChange) {
    smallChange_ = std::max(1, smallChange);
    largeChange_ = std::max(1, largeChange);
}

void ScrollBar::stepBy(int steps, bool large) {
    const long long target =
        value_ + static_cast<long long>(steps) * (large ? largeChange_ : smallChange_);
    setValue(static_cast<int>(std::clamp<long long>(target, std::numeric_limits<int>::min(),
                                                    std::numeric_limits<int>::max())));
}

}  // namespace gridmate::ui
