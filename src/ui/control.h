// The common part of every control: identity, container, geometry, enabled, visible,
// tooltip, and the hooks through which the window controller and the native view see it.
//
// Rules every control follows:
// - A setter that changes the state first stores it, then tells the observer
//   (`onModelChanged`), then runs the control's event handler, all before it returns.
//   Setting the value a control already has does nothing at all.
// - Handlers are copied before they run, so a handler may replace itself, and may set
//   this or any other control (which runs that control's handler, nested).
// - Code and the user change a control through the same setters. The native view
//   forwards only the input that the platform delivers, which it never delivers to a
//   control that is disabled or hidden (`acceptsInput`); code may set any control.
// - The observer hears of the user's own changes too. The native view writes into its
//   control only what differs from what it shows, so mirroring never raises an event.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "ui/model_types.h"

namespace gridmate::ui {

class Frame;
class Window;

// Only a Window creates controls, so every control has its window and container.
class ControlKey {
    friend class Window;
    ControlKey() = default;
};

class Control {
public:
    using Handler = std::function<void()>;
    using MouseHandler = std::function<void(MouseButton, int shift)>;
    using Observer = std::function<void(Control&, Property)>;

    Control(ControlKey, Window& window, std::string name, int index, Frame* container);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    virtual Kind kind() const = 0;

    const std::string& name() const { return name_; }
    // Position in a control array, or -1 for a control that is not part of one.
    int index() const { return index_; }
    Window& window() const { return window_; }
    // The frame holding this control; nullptr when the window holds it directly.
    Frame* container() const { return container_; }

    bool enabled() const { return enabled_; }
    bool visible() const { return visible_; }
    // The control's own flag and that of every frame around it: hiding a frame hides
    // its children, disabling it disables them.
    bool effectiveEnabled() const;
    bool effectiveVisible() const;
    bool acceptsInput() const { return effectiveEnabled() && effectiveVisible(); }
    void setEnabled(bool enabled);
    void setVisible(bool visible);

    const std::string& toolTip() const { return toolTip_; }
    void setToolTip(std::string text);

    const Rect& geometry() const { return geometry_; }
    void setGeometry(const Rect& geometry);
    void setPosition(int left, int top);
    void setSize(int width, int height);

    std::optional<int> tabIndex() const { return tabIndex_; }
    void setTabIndex(std::optional<int> tabIndex);

    // User input the native view reports; each runs its handler.
    void gotFocus();
    void mouseUp(MouseButton button, int shift);

    Handler onGotFocus;
    MouseHandler onMouseUp;
    // Told of every change of this control's state, whoever made it. The native view
    // subscribes here (or once for all controls through Window::observeControls).
    Observer onModelChanged;

protected:
    void notify(Property property);
    static void run(const Handler& handler);
    // Tells the children of a frame that their effective state follows a change.
    virtual void notifyDescendants(Property) {}

private:
    friend class Frame;

    Window& window_;
    std::string name_;
    int index_;
    Frame* container_;
    bool enabled_ = true;
    bool visible_ = true;
    std::string toolTip_;
    Rect geometry_;
    std::optional<int> tabIndex_;
};

// A control that shows a caption of its own.
class CaptionedControl : public Control {
public:
    using Control::Control;
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);

private:
    std::string caption_;
};

}  // namespace gridmate::ui
