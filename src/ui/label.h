// A caption the user cannot change; it has no value and raises no event of its own.
#pragma once

#include "ui/control.h"

namespace gridmate::ui {

class Label : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;
    Kind kind() const override { return Kind::Label; }
};

}  // namespace gridmate::ui
