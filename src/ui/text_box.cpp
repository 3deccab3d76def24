#include "ui/text_box.h"

#include <algorithm>

namespace gridmate::ui {

void TextBox::setText(std::string text) {
    if (text_ == text) return;
    text_ = std::move(text);
    selectionStart_ = 0;
    selectionLength_ = 0;
    notify(Property::Text);
    run(onChange);
}

void TextBox::select(int start, int length) {
    const int size = static_cast<int>(text_.size());
    start = std::clamp(start, 0, size);
    length = std::clamp(length, 0, size - start);
    if (start == selectionStart_ && length == selectionLength_) return;
    selectionStart_ = start;
    selectionLength_ = length;
    notify(Property::TextSelection);
}

void TextBox::setBackColor(SystemColor color) {
    if (backColor_ == color) return;
    backColor_ = color;
    notify(Property::BackColor);
}

}  // namespace gridmate::ui
