#include "ui/window.h"

#include <stdexcept>

namespace gridmate::ui {

Control* Window::find(std::string_view name, int index) const {
    for (const auto& control : controls_)
        if (control->name() == name && control->index() == index) return control.get();
    return nullptr;
}

std::vector<Control*> Window::controls() const {
    std::vector<Control*> all;
    all.reserve(controls_.size());
    for (const auto& control : controls_) all.push_back(control.get());
    return all;
}

void Window::observeControls(const Control::Observer& observer) {
    controlObserver_ = observer;
    for (const auto& control : controls_) control->onModelChanged = observer;
}

void Window::adopt(std::unique_ptr<Control> control) {
    if (control->container() != nullptr && &control->container()->window() != this)
        throw std::invalid_argument("a control's frame must belong to the same window");
    if (controlObserver_) control->onModelChanged = controlObserver_;
    if (Frame* container = control->container()) container->adopt(*control);
    controls_.push_back(std::move(control));
}

void Window::setCaption(std::string caption) {
    if (caption_ == caption) return;
    caption_ = std::move(caption);
    notify(Property::Caption);
}

void Window::setSize(int width, int height) {
    if (width_ == width && height_ == height) return;
    width_ = width;
    height_ = height;
    notify(Property::Geometry);
}

void Window::setLeft(int left) {
    if (left_ == left) return;
    left_ = left;
    notify(Property::Geometry);
}

void Window::setTop(int top) {
    if (top_ == top) return;
    top_ = top;
    notify(Property::Geometry);
}

void Window::setState(WindowState state) {
    if (state_ == state) return;
    state_ = state;
    notify(Property::WindowState);
}

void Window::setVisible(bool visible) {
    if (visible_ == visible || closed_) return;
    visible_ = visible;
    notify(Property::Visible);
}

void Window::close() {
    if (closed_) return;
    // Marked first, so that a close asked for again from inside onClosing is ignored.
    closed_ = true;
    if (onClosing) {
        std::function<void()> handler = onClosing;
        handler();
    }
    visible_ = false;
    notify(Property::Closed);
}

void Window::notify(Property property) {
    if (!onModelChanged) return;
    Observer observer = onModelChanged;
    observer(*this, property);
}

}  // namespace gridmate::ui
