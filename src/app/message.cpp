#include "app/message.h"

namespace gridmate::app {

platform::Answer tell(const std::string& text, platform::Icon icon, platform::Buttons buttons,
                      int defaultButton, const std::string& title) {
    platform::MessageBoxRequest box;
    box.text = text;
    box.title = title;
    box.icon = icon;
    box.buttons = buttons;
    box.defaultButton = defaultButton;
    return platform::ui().messageBox(box);
}

}  // namespace gridmate::app
