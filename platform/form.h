#pragma once
// A top-level window: its own geometry plus the registry of its controls in
// painting order (back to front), which backends use to draw and hit-test.
#include <deque>
#include <vector>

#include "platform/controls.h"
#include "platform/services.h"
#include "platform/timer_scheduler.h"

namespace kelo {

enum class ControlKind : uint8_t { Label, TextBox, CommandButton, Image, Shape, Frame };

struct ControlRef {
    ControlKind kind;
    Control* control;
};

struct Form {
    explicit Form(Platform& platform) : sys(platform) {}
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form() = default;

    Platform& sys;
    const char* Name = "";
    float Left = 0, Top = 0, Width = 15360, Height = 11520;
    Colour BackColor = 0xFFFFFF;
    bool Loaded = false;
    Control* ActiveControl = nullptr;  // the control holding the focus
    // The desktop asks to close the window (it has no close box, but a window manager can ask).
    std::function<void()> CloseRequested;

    const std::vector<ControlRef>& zOrder() const { return zOrder_; }
    const std::vector<Timer*>& timers() const { return timers_; }

    // Handlers of a single control (arrays carry theirs in ControlArray::On).
    Events& on(Control& c);

protected:
    void add(Label& c, const char* name) { addControl(ControlKind::Label, c, name); }
    void add(TextBox& c, const char* name) { addControl(ControlKind::TextBox, c, name); }
    void add(CommandButton& c, const char* name) { addControl(ControlKind::CommandButton, c, name); }
    void add(Image& c, const char* name) { addControl(ControlKind::Image, c, name); }
    void add(Shape& c, const char* name) { addControl(ControlKind::Shape, c, name); }
    void add(Frame& c, const char* name) { addControl(ControlKind::Frame, c, name); }
    void add(Timer& t, const char* name) {
        t.Name = name;
        sys.timers.adopt(t);
        timers_.push_back(&t);
    }
    void add(MediaPlayer& m, const char* name) {
        m.Name = name;
        m.sound = &sys.sound;
    }
    void add(CommonDialog& d, const char* name) {
        d.Name = name;
        d.dialogs = &sys.dialogs;
    }

    template <class T>
    void addArray(ControlArray<T>& a) {
        a.forEach([&](T& e) { addElement(e, a); });
    }

private:
    template <class T>
    void addElement(T& e, ControlArray<T>& a) {
        if constexpr (std::is_base_of_v<Control, T>) {
            add(e, a.name());
            e.On = &a.On;
        } else {
            add(e, a.name());
        }
    }
    void addControl(ControlKind kind, Control& c, const char* name) {
        c.Name = name;
        zOrder_.push_back({kind, &c});
    }

    std::vector<ControlRef> zOrder_;
    std::vector<Timer*> timers_;
    std::deque<Events> singleEvents_;
};

}  // namespace kelo
