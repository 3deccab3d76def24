// A text box: its text and selection, and the background colour that shows whether it
// is meant to be typed in. A change of the text, by code or typing, runs onChange.
#pragma once

#include <string>

#include "ui/control.h"

namespace gridmate::ui {

class TextBox : public Control {
public:
    using Control::Control;
    Kind kind() const override { return Kind::TextBox; }

    const std::string& text() const { return text_; }
    // A new text resets the selection to its start (told as part of Property::Text).
    void setText(std::string text);

    // The selection code asks for, in bytes, kept inside the text: a start beyond the
    // end moves to the end, a length beyond the end stops there. Typing does not report
    // the caret back, so this is not where the user's caret is.
    int selectionStart() const { return selectionStart_; }
    int selectionLength() const { return selectionLength_; }
    void select(int start, int length);
    void selectAll() { select(0, static_cast<int>(text_.size())); }

    SystemColor backColor() const { return backColor_; }
    void setBackColor(SystemColor color);

    Handler onChange;

private:
    std::string text_;
    int selectionStart_ = 0;
    int selectionLength_ = 0;
    SystemColor backColor_ = SystemColor::WindowBackground;
};

}  // namespace gridmate::ui
