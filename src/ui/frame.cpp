#include "ui/frame.h"

namespace gridmate::ui {

void Frame::setBordered(bool bordered) {
    if (bordered_ == bordered) return;
    bordered_ = bordered;
    notify(Property::Style);
}

// A frame's enabled or visible flag changes what every control inside it shows, so each
// of them is told, down to the innermost frame. The list is copied because an observer
// may add controls.
void Frame::notifyDescendants(Property property) {
    const std::vector<Control*> children = children_;
    for (Control* child : children) {
        child->notify(property);
        child->notifyDescendants(property);
    }
}

}  // namespace gridmate::ui
