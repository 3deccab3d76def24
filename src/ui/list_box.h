// A list box: the items always shown, one of them selected or none (ListControl).
#pragma once

#include <string>

#include "ui/list_control.h"

namespace gridmate::ui {

class ListBox : public ListControl {
public:
    using ListControl::ListControl;
    Kind kind() const override { return Kind::ListBox; }

    // A font by name (for rows that must line up in columns); empty for the default.
    const std::string& fontName() const { return fontName_; }
    void setFontName(std::string fontName) {
        if (fontName_ == fontName) return;
        fontName_ = std::move(fontName);
        notify(Property::Font);
    }

private:
    std::string fontName_;
};

}  // namespace gridmate::ui
