#include "ui/list_control.h"

namespace gridmate::ui {

std::string ListControl::item(int index) const {
    if (index < 0 || index >= count()) return {};
    return items_[static_cast<size_t>(index)];
}

bool ListControl::setSelectedIndex(int index) {
    if (index < -1 || index >= count()) return false;
    if (index == selectedIndex_) return true;
    selectedIndex_ = index;
    notify(Property::SelectedIndex);
    selectionMoved();
    run(onClick);
    return true;
}

bool ListControl::addItem(std::string text, std::optional<int> position) {
    const int at = position.value_or(count());
    if (at < 0 || at > count()) return false;
    items_.insert(items_.begin() + at, std::move(text));
    itemsChanged(ItemChange::Kind::Inserted, at);
    if (selectedIndex_ >= at) moveSelectionQuietly(selectedIndex_ + 1);
    return true;
}

bool ListControl::removeItem(int index) {
    if (index < 0 || index >= count()) return false;
    items_.erase(items_.begin() + index);
    itemsChanged(ItemChange::Kind::Removed, index);
    if (selectedIndex_ == index)
        moveSelectionQuietly(-1);
    else if (selectedIndex_ > index)
        moveSelectionQuietly(selectedIndex_ - 1);
    return true;
}

void ListControl::clear() {
    const bool hadItems = !items_.empty();
    const bool hadSelection = selectedIndex_ != -1;
    items_.clear();
    selectedIndex_ = -1;
    if (hadItems) itemsChanged(ItemChange::Kind::Cleared, 0);
    if (hadSelection) notify(Property::SelectedIndex);
    cleared();
}

void ListControl::itemsChanged(ItemChange::Kind kind, int index) {
    lastItemChange_ = {kind, index, lastItemChange_.number + 1};
    notify(Property::Items);
}

void ListControl::dropSelectionQuietly() {
    if (selectedIndex_ == -1) return;
    selectedIndex_ = -1;
    notify(Property::SelectedIndex);
}

// The same item stays selected (or none is left): the user's choice did not change, so
// observers are told but no click runs.
void ListControl::moveSelectionQuietly(int index) {
    selectedIndex_ = index;
    notify(Property::SelectedIndex);
    selectionMoved();
}

}  // namespace gridmate::ui
