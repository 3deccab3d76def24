#include "ui/control.h"

#include "ui/frame.h"

namespace gridmate::ui {

Control::Control(ControlKey, Window& window, std::string name, int index, Frame* container)
    : window_(window), name_(std::move(name)), index_(index), container_(container) {}

bool Control::effectiveEnabled() const {
    return enabled_ && (container_ == nullptr || container_->effectiveEnabled());
}

bool Control::effectiveVisible() const {
    return visible_ && (container_ == nullptr || container_->effectiveVisible());
}

void Control::setEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    notify(Property::Enabled);
    notifyDescendants(Property::Enabled);
}

void Control::setVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    notify(Property::Visible);
    notifyDescendants(Property::Visible);
}

void Control::setToolTip(std::string text) {
    if (toolTip_ == text) return;
    toolTip_ = std::move(text);
    notify(Property::ToolTip);
}

void Control::setGeometry(const Rect& geometry) {
    if (geometry_ == geometry) return;
    geometry_ = geometry;
    notify(Property::Geometry);
}

void Control::setPosition(int left, int top) {
    setGeometry({left, top, geometry_.width, geometry_.height});
}

void Control::setSize(int width, int height) {
    setGeometry({geometry_.left, geometry_.top, width, height});
}

void Control::setTabIndex(std::optional<int> tabIndex) {
    if (tabIndex_ == tabIndex) return;
    tabIndex_ = tabIndex;
    notify(Property::TabIndex);
}

void Control::gotFocus() { run(onGotFocus); }

void Control::mouseUp(MouseButton button, int shift) {
    if (!onMouseUp) return;
    MouseHandler handler = onMouseUp;
    handler(button, shift);
}

void Control::notify(Property property) {
    if (!onModelChanged) return;
    Observer observer = onModelChanged;
    observer(*this, property);
}

void Control::run(const Handler& handler) {
    if (!handler) return;
    Handler copy = handler;
    copy();
}

void CaptionedControl::setCaption(std::string caption) {
    if (caption_ == caption) return;
    caption_ = std::move(caption);
    notify(Property::Caption);
}

}  // namespace gridmate::ui
