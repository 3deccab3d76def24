// What combo boxes and list boxes share: a list of items (kept in the order added, never
// sorted) and a selected index, -1 for none.
//
// - A change of the selected index, by code or by the user, runs onClick; that includes
//   setting -1 on a list that had a selection. Setting the index the list already has
//   runs nothing.
// - An index outside -1 .. count-1 is refused: the setter returns false and nothing
//   changes, so a mistaken index never runs a handler.
// - Changing the items never runs onClick, as with classic form controls: clear() leaves
//   no item selected without a click, removing the selected item leaves none selected,
//   and adding or removing an item before the selected one moves the index with it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace gridmate::ui {

class ListControl : public Control {
public:
    using Control::Control;

    const std::vector<std::string>& items() const { return items_; }
    int count() const { return static_cast<int>(items_.size()); }
    // The item's text; empty for an index outside the list.
    std::string item(int index) const;

    int selectedIndex() const { return selectedIndex_; }
    // The selected item's text, empty when nothing is selected.
    std::string selectedItem() const { return item(selectedIndex_); }
    bool setSelectedIndex(int index);

    // Appends, or inserts before `position` (0 .. count). Refuses another position.
    bool addItem(std::string text, std::optional<int> position = std::nullopt);
    bool removeItem(int index);
    void clear();

    // The last change of the items, numbered, so that a view told of it can apply just
    // that change (one item in or out) instead of comparing whole lists.
    struct ItemChange {
        enum class Kind { Inserted, Removed, Cleared } kind = Kind::Cleared;
        int index = 0;
        unsigned long number = 0;  // counts every change of the items
    };
    const ItemChange& lastItemChange() const { return lastItemChange_; }

    Handler onClick;

protected:
    // Called after the selected index changed and observers heard of it, before onClick.
    virtual void selectionMoved() {}
    // Called at the end of clear().
    virtual void cleared() {}
    // Leaves no item selected without any hook or click (the observers are told).
    void dropSelectionQuietly();

private:
    void moveSelectionQuietly(int index);

    void itemsChanged(ItemChange::Kind kind, int index);

    std::vector<std::string> items_;
    int selectedIndex_ = -1;
    ItemChange lastItemChange_;
};

}  // namespace gridmate::ui
