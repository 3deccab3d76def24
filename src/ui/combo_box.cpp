#include "ui/combo_box.h"

namespace gridmate::ui {

void ComboBox::setStyle(ComboStyle style) {
    if (style_ == style) return;
    style_ = style;
    text_ = style_ == ComboStyle::Editable ? selectedItem() : std::string();
    notify(Property::Style);
}

std::string ComboBox::text() const {
    return style_ == ComboStyle::Editable ? text_ : selectedItem();
}

bool ComboBox::setText(std::string text) {
    if (style_ != ComboStyle::Editable) return false;
    if (text_ == text) return true;
    text_ = std::move(text);
    notify(Property::Text);
    if (selectedIndex() != -1 && selectedItem() != text_) dropSelectionQuietly();
    run(onChange);
    return true;
}

void ComboBox::selectionMoved() {
    if (style_ == ComboStyle::Editable) setTextQuietly(selectedItem());
}

void ComboBox::cleared() {
    if (style_ == ComboStyle::Editable) setTextQuietly({});
}

void ComboBox::setTextQuietly(std::string text) {
    if (text_ == text) return;
    text_ = std::move(text);
    notify(Property::Text);
}

}  // namespace gridmate::ui
