#pragma once
// The controls the program keeps its state in: plain data with no toolkit in it.
// A backend paints them and feeds events back through the handlers in `Events`.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/runtime_error.h"

namespace kelo {

using Colour = uint32_t;  // &HBBGGRR, blue in the high byte

class TimerScheduler;
class SoundOutput;
class FileDialogs;
struct Frame;

// A member declared with its name notes itself with the window being built, which checks,
// once it has registered its controls, that it left none out (platform/form.h).
void noteDeclared(const void* member, const char* name);

enum class Align : uint8_t { Left, Right, Center };

struct FontSpec {
    const char* Name = "MS Sans Serif";
    float Size = 8.25f;  // points
    bool Bold = false;
    bool Italic = false;
};

struct MouseArgs {
    int Button = 1;
    int Shift = 0;
    float X = 0;
    float Y = 0;
};

// Handlers shared by every element of one control array (index = design index,
// -1 for a single control).
struct Events {
    std::function<void(int)> Click;
    std::function<void(int, const MouseArgs&)> MouseDown;
    std::function<void(int, const MouseArgs&)> MouseUp;
};

struct Control {
    Control() = default;
    explicit Control(const char* name) : Name(name) { noteDeclared(this, name); }

    float Left = 0, Top = 0, Width = 0, Height = 0;  // twips, relative to Container
    bool Visible = true;
    bool Enabled = true;
    int16_t Index = -1;
    Frame* Container = nullptr;
    Events* On = nullptr;
    const char* Name = "";
    void place(float left, float top, float width, float height) {
        Left = left;
        Top = top;
        Width = width;
        Height = height;
    }
};

struct Label : Control {
    using Control::Control;
    std::string Caption;
    Colour BackColor = 0xFFFFFF;
    Colour ForeColor = 0x000000;
    bool Transparent = false;
    int16_t BorderStyle = 0;
    Align Alignment = Align::Left;
    bool WordWrap = false;
    FontSpec Font;
};

struct TextBox : Control {
    using Control::Control;
    std::string Text;
    Colour BackColor = 0xFFFFFF;
    Colour ForeColor = 0x000000;
    bool Border = false;
    Align Alignment = Align::Left;
    FontSpec Font;
};

struct CommandButton : Control {
    using Control::Control;
    std::string Caption;
    std::string Picture;  // data path of the picture, "" for none
    bool Graphical = false;
    Colour BackColor = 0xE0E0E0;
    FontSpec Font;
};

struct Image : Control {
    using Control::Control;
    std::string Picture;  // data path, "" for none
    bool Stretch = true;
};

struct Shape : Control {
    using Control::Control;
    Colour BackColor = 0xFFFFFF;
    bool Opaque = true;
    bool Outline = false;
    Colour BorderColor = 0x000000;
};

struct Frame : Control {
    using Control::Control;
    Colour BackColor = 0xFFFFFF;
    std::string Caption;
    bool Border = false;
};

// Fixed in place: the scheduler that adopted it keeps its address, so a timer is
// neither copied nor moved, and leaves the scheduler when destroyed.
class Timer {
public:
    Timer() = default;
    explicit Timer(const char* name) : Name(name) { noteDeclared(this, name); }
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;
    ~Timer();

    int Interval() const { return interval_; }
    void SetInterval(int ms);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);

    std::function<void()> OnTick;
    const char* Name = "";
    int16_t Index = -1;

    // Scheduler bookkeeping.
    TimerScheduler* scheduler = nullptr;
    int64_t due = 0;
    uint64_t order = 0;

private:
    int interval_ = 0;
    bool enabled_ = false;
};

// A multimedia sample player: a file name and four commands; nothing is read back.
class MediaPlayer {
public:
    MediaPlayer() = default;
    explicit MediaPlayer(const char* name) : Name(name) { noteDeclared(this, name); }
    std::string FileName;
    void Command(std::string_view command);
    const char* Name = "";
    int16_t Index = -1;
    SoundOutput* sound = nullptr;
};

inline constexpr int kOverwritePrompt = 2;  // a dialog flag: ask before an existing file is replaced

struct DialogRequest {
    std::string filter;
    std::string initDir;   // data path
    std::string fileName;  // proposed data path or an earlier answer's native path, "" for none
    int flags = 0;         // kOverwritePrompt or 0
    bool save = false;

    // `name` with the extension of the filter's first pattern, unless it ends in it
    // already: the open dialog, filtered on it, would never list the file again.
    std::string withExtension(std::string name) const;
};

class CommonDialog {
public:
    CommonDialog() = default;
    explicit CommonDialog(const char* name) : Name(name) { noteDeclared(this, name); }
    std::string Filter;
    std::string InitDir;
    std::string FileName;
    std::string FileTitle;
    int Flags = 0;
    // Both return false when the user cancels; then FileName and FileTitle stay as they were.
    bool ShowOpen();
    bool ShowSave();
    FileDialogs* dialogs = nullptr;
    const char* Name = "";
    int16_t Index = -1;

private:
    bool show(bool save);
};

struct IndexRun {
    int first, last;
};

// A control array: design indices with gaps; an index outside them is the run-time error.
template <class T>
class ControlArray {
public:
    ControlArray(const char* name, int first, int last) : ControlArray(name, {{first, last}}) {}
    // The items present, in ascending runs; between runs lie the design's gaps.
    ControlArray(const char* name, std::initializer_list<IndexRun> runs)
        : name_(name),
          lo_(runs.begin()->first),
          items_(static_cast<size_t>((runs.end() - 1)->last - lo_ + 1)),
          present_(items_.size(), 0) {
        for (auto [first, last] : runs)
            for (int i = first; i <= last; ++i) present_.at(static_cast<size_t>(i - lo_)) = 1;
        for (size_t k = 0; k < items_.size(); ++k) {
            items_[k].Name = name;
            items_[k].Index = static_cast<int16_t>(lo_ + static_cast<int>(k));
        }
        noteDeclared(this, name);
    }
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    T& operator[](int i) {
        if (!has(i)) raise(ErrorCode::NoSuchElement, std::string(name_) + "(" + std::to_string(i) + ")");
        return items_[static_cast<size_t>(i - lo_)];
    }
    const T& operator[](int i) const { return const_cast<ControlArray&>(*this)[i]; }
    bool has(int i) const {
        return i >= lo_ && i < lo_ + static_cast<int>(items_.size()) && present_[static_cast<size_t>(i - lo_)];
    }
    size_t size() const { return static_cast<size_t>(std::count(present_.begin(), present_.end(), 1)); }
    int lbound() const { return lo_; }
    int ubound() const { return lo_ + static_cast<int>(items_.size()) - 1; }
    const char* name() const { return name_; }

    template <class F>
    void forEach(F&& f) {
        for (size_t k = 0; k < items_.size(); ++k)
            if (present_[k]) f(items_[k]);
    }

    Events On;

private:
    const char* name_;
    int lo_;
    std::vector<T> items_;
    std::vector<uint8_t> present_;
};

// Visible on screen: the control and every frame that holds it.
bool shownOnScreen(const Control& c);
// Accepts the mouse: shown and enabled, as is every frame that holds it.
bool acceptsInput(const Control& c);
float absoluteLeft(const Control& c);
float absoluteTop(const Control& c);

}  // namespace kelo
