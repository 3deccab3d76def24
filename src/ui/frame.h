// A container: its children's positions are relative to it, and its enabled and visible
// flags hold for every control inside it (see Control::effectiveEnabled).
#pragma once

#include <vector>

#include "ui/control.h"

namespace gridmate::ui {

class Frame : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;
    Kind kind() const override { return Kind::Frame; }

    // The controls directly inside this frame, in the order they were added.
    const std::vector<Control*>& children() const { return children_; }

    // A frame without border shows neither a line nor its caption (a plain panel).
    bool bordered() const { return bordered_; }
    void setBordered(bool bordered);

protected:
    void notifyDescendants(Property property) override;

private:
    friend class Window;
    void adopt(Control& child) { children_.push_back(&child); }

    std::vector<Control*> children_;
    bool bordered_ = true;
};

}  // namespace gridmate::ui
