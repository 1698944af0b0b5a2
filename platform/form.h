#pragma once
// A top-level window: its own geometry plus the registry of its controls in
// painting order (back to front), which backends use to draw and hit-test.
#include <deque>
#include <initializer_list>
#include <type_traits>
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
    explicit Form(Platform& platform);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form();

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
    // Every member the window declared with a name, once: controls back to front, then the
    // timers, sample players and dialogs. A member left out or listed twice is the run-time
    // error, so a new control forgotten here fails every test at once.
    template <class... Member>
    void registerControls(Member&... members) {
        zOrder_.reserve(zOrder_.size() + (painted(members) + ...));
        (enlist(members), ...);
        checkDeclared({address(members)...});
    }

    // For a form that names its controls here rather than where it declares them.
    template <class C>
    void add(C& c, const char* name) {
        c.Name = name;
        enlist(c);
    }

private:
    void enlist(Label& c) { zOrder_.push_back({ControlKind::Label, &c}); }
    void enlist(TextBox& c) { zOrder_.push_back({ControlKind::TextBox, &c}); }
    void enlist(CommandButton& c) { zOrder_.push_back({ControlKind::CommandButton, &c}); }
    void enlist(Image& c) { zOrder_.push_back({ControlKind::Image, &c}); }
    void enlist(Shape& c) { zOrder_.push_back({ControlKind::Shape, &c}); }
    void enlist(Frame& c) { zOrder_.push_back({ControlKind::Frame, &c}); }
    void enlist(Timer& t) {
        sys.timers.adopt(t);
        timers_.push_back(&t);
    }
    void enlist(MediaPlayer& m) { m.sound = &sys.sound; }
    void enlist(CommonDialog& d) { d.dialogs = &sys.dialogs; }
    template <class T>
    void enlist(ControlArray<T>& a) {
        a.forEach([&](T& e) {
            if constexpr (std::is_base_of_v<Control, T>) e.On = &a.On;
            enlist(e);
        });
    }

    // Entries a member adds to the painting order, reserved in one go: a window is built at
    // every start and in nearly every test.
    static size_t painted(const Control&) { return 1; }
    template <class T>
    static size_t painted(const ControlArray<T>& a) {
        return std::is_base_of_v<Control, T> ? a.size() : 0;
    }
    static size_t painted(const Timer&) { return 0; }
    static size_t painted(const MediaPlayer&) { return 0; }
    static size_t painted(const CommonDialog&) { return 0; }

    // The address a member noted when it was declared.
    template <class M>
    static const void* address(const M& m) {
        if constexpr (std::is_base_of_v<Control, M>)
            return static_cast<const Control*>(&m);
        else
            return &m;
    }
    void checkDeclared(std::initializer_list<const void*> registered);

    std::vector<ControlRef> zOrder_;
    std::vector<Timer*> timers_;
    std::deque<Events> singleEvents_;
};

}  // namespace kelo
