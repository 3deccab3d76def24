#include "ui/button.h"

namespace gridmate::ui {

void Button::setPicture(Picture picture) {
    if (picture_ == picture) return;
    picture_ = std::move(picture);
    notify(Property::Picture);
}

void Button::setGraphical(bool graphical) {
    if (graphical_ == graphical) return;
    graphical_ = graphical;
    notify(Property::Style);
}

}  // namespace gridmate::ui
