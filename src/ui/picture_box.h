// A surface that holds one picture and raises no event (a hidden scratch surface).
#pragma once

#include "ui/control.h"

namespace gridmate::ui {

class PictureBox : public Control {
public:
    using Control::Control;
    Kind kind() const override { return Kind::PictureBox; }

    const Picture& picture() const { return picture_; }
    void setPicture(Picture picture) {
        if (picture_ == picture) return;
        picture_ = std::move(picture);
        notify(Property::Picture);
    }

private:
    Picture picture_;
};

}  // namespace gridmate::ui
