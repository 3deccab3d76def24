// A combo box: a drop-down list (pick an item only), or editable (pick an item or type a
// text). Selection rules are those of ListControl.
//
// Editable style: picking an item (or -1) sets the text to that item (or empty) without
// running onChange; the pick runs onClick. Typing, or setText from code, runs onChange
// when the text changes, and leaves no item selected unless the selected item still
// reads exactly as the new text (that loss of selection runs no click). clear() also
// empties the text, running nothing.
#pragma once

#include <string>

#include "ui/list_control.h"

namespace gridmate::ui {

enum class ComboStyle { DropDownList, Editable };

class ComboBox : public ListControl {
public:
    using ListControl::ListControl;
    Kind kind() const override { return Kind::ComboBox; }

    ComboStyle style() const { return style_; }
    void setStyle(ComboStyle style);

    // The editable text, or for a drop-down list the selected item (empty for none).
    std::string text() const;
    // Refused (returns false) by a drop-down list, whose text is its selection.
    bool setText(std::string text);

    Handler onChange;

protected:
    void selectionMoved() override;
    void cleared() override;

private:
    void setTextQuietly(std::string text);

    ComboStyle style_ = ComboStyle::DropDownList;
    std::string text_;
};

}  // namespace gridmate::ui
