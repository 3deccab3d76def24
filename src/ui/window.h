// A window of the model: its own caption, placement and state, and the controls it owns.
// Controls are created only through `add`, live as long as the window, and keep their
// creation order, which is also the order the native view creates them in. A handler
// must not destroy the window whose control it serves; it closes it (close()) instead.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"
#include "ui/frame.h"

namespace gridmate::ui {

enum class WindowState { Normal, Minimized, Maximized };

class Window {
public:
    using Observer = std::function<void(Window&, Property)>;

    explicit Window(std::string name) : name_(std::move(name)) {}
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const std::string& name() const { return name_; }

    // Creates a control inside `container` (nullptr: the window itself). `index` is the
    // position in a control array, -1 for a single control.
    template <class T>
    T& add(std::string name, Frame* container = nullptr, int index = -1) {
        auto control = std::make_unique<T>(ControlKey{}, *this, std::move(name), index,
                                           container);
        T& added = *control;
        adopt(std::move(control));
        return added;
    }

    // The control with this name and array index, or nullptr.
    Control* find(std::string_view name, int index = -1) const;
    template <class T>
    T* find(std::string_view name, int index = -1) const {
        return dynamic_cast<T*>(find(name, index));
    }
    // Every control, in creation order.
    std::vector<Control*> controls() const;

    // Installs one observer on every control, present and future (the native view).
    void observeControls(const Control::Observer& observer);

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);

    // Outer size in twips.
    int width() const { return width_; }
    int height() const { return height_; }
    void setSize(int width, int height);
    void setWidth(int width) { setSize(width, height_); }
    void setHeight(int height) { setSize(width_, height); }

    // The outer left and top edges in twips; empty until code or the native view gives
    // one, which leaves the placement to the platform.
    std::optional<int> left() const { return left_; }
    std::optional<int> top() const { return top_; }
    void setLeft(int left);
    void setTop(int top);

    WindowState state() const { return state_; }
    void setState(WindowState state);

    bool visible() const { return visible_; }
    void show() { setVisible(true); }
    void hide() { setVisible(false); }

    // Closing, however it was asked for (code, close box, platform request): runs
    // `onClosing` once, then marks the window closed and hidden. Later calls do nothing.
    void close();
    bool closed() const { return closed_; }

    std::function<void()> onClosing;
    Observer onModelChanged;

private:
    void adopt(std::unique_ptr<Control> control);
    void setVisible(bool visible);
    void notify(Property property);

    std::string name_;
    std::vector<std::unique_ptr<Control>> controls_;
    Control::Observer controlObserver_;
    std::string caption_;
    int width_ = 0;
    int height_ = 0;
    std::optional<int> left_;
    std::optional<int> top_;
    WindowState state_ = WindowState::Normal;
    bool visible_ = false;
    bool closed_ = false;
};

}  // namespace gridmate::ui
