// A command button: a caption, or a picture when it is graphical. It has no value, so
// every click runs its handler.
#pragma once

#include "ui/control.h"

namespace gridmate::ui {

class Button : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;
    Kind kind() const override { return Kind::Button; }

    const Picture& picture() const { return picture_; }
    void setPicture(Picture picture);

    // A graphical button shows its picture (or nothing) in place of the caption.
    bool graphical() const { return graphical_; }
    void setGraphical(bool graphical);

    // The user's click, or code pressing the button: runs onClick.
    void click() { run(onClick); }

    Handler onClick;

private:
    Picture picture_;
    bool graphical_ = false;
};

}  // namespace gridmate::ui
