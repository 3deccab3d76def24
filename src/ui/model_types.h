// Small value types shared by every control of the model: geometry, pictures, colours,
// mouse input, and the names of the properties an observer is told about.
#pragma once

#include <string>

namespace gridmate::ui {

// Position and size in twips (1440 per inch), relative to the container.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// What a picture button or picture box shows. The model only names the image; the native
// view loads it: an image embedded in the program, or icon 0 of a program file.
struct Picture {
    enum class Source { None, Resource, FileIcon };
    Source source = Source::None;
    std::string name;  // resource name ("floppy") or the program file's full path

    static Picture none() { return {}; }
    static Picture resource(std::string resourceName) {
        return {Source::Resource, std::move(resourceName)};
    }
    static Picture fileIcon(std::string programPath) {
        return {Source::FileIcon, std::move(programPath)};
    }
    bool empty() const { return source == Source::None; }
    friend bool operator==(const Picture&, const Picture&) = default;
};

// The two system colours a text box background takes (window background when it can
// be typed in, button face when it only shows text).
enum class SystemColor { WindowBackground, ButtonFace };

enum class MouseButton { Left = 1, Right = 2, Middle = 4 };

// Modifier keys held during a mouse event, as a bit set.
enum ShiftState : int { ShiftNone = 0, ShiftKey = 1, CtrlKey = 2, AltKey = 4 };

enum class Kind {
    Label, TextBox, Button, CheckBox, OptionButton, ComboBox, ListBox, ScrollBar, Frame,
    PictureBox
};

// Everything an observer of the model can be told has changed. The observer reads the
// new state from the control; the name only says which part to mirror.
enum class Property {
    Caption,        // label, button, check box, option button, frame, window
    Text,           // text box, editable combo box
    TextSelection,  // text box selection start and length
    Value,          // check box value, scroll bar value, option button selected
    Items,          // combo box and list box items
    SelectedIndex,  // combo box and list box
    Range,          // scroll bar minimum and maximum
    Enabled,
    Visible,
    ToolTip,
    Geometry,
    Picture,
    BackColor,
    TabIndex,
    Font,
    Style,          // frame border, combo box style, graphical button
    WindowState,  // window only
    Closed,       // window only
};

}  // namespace gridmate::ui
