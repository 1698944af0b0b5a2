#include "platform/controls.h"

#include <cctype>

#include "platform/services.h"
#include "platform/timer_scheduler.h"

namespace kelo {

Timer::~Timer() {
    if (scheduler) scheduler->disarm(*this);
}

void Timer::SetInterval(int ms) {
    if (ms == interval_) return;
    interval_ = ms;
    if (enabled_ && scheduler) scheduler->arm(*this);  // a new interval restarts the count
}

void Timer::SetEnabled(bool on) {
    if (on == enabled_) return;  // enabling a running timer does not restart it
    enabled_ = on;
    if (!scheduler) return;
    if (on)
        scheduler->arm(*this);
    else
        scheduler->disarm(*this);
}

void MediaPlayer::Command(std::string_view command) {
    if (sound) sound->command(*this, command);
}

namespace {

bool endsWithIgnoringCase(std::string_view text, std::string_view tail) {
    auto same = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    };
    return text.size() >= tail.size() && std::equal(tail.rbegin(), tail.rend(), text.rbegin(), same);
}

}  // namespace

std::string DialogRequest::withExtension(std::string name) const {
    // ".txt" of "File di testo (*.txt)|*.txt"; a pattern like "*.*" or "a*.txt" names none.
    const size_t start = filter.find('|');
    if (start == std::string::npos) return name;
    std::string_view pattern(filter);
    pattern = pattern.substr(start + 1, filter.find_first_of("|;", start + 1) - start - 1);
    while (pattern.starts_with(' ')) pattern.remove_prefix(1);
    while (pattern.ends_with(' ')) pattern.remove_suffix(1);
    if (!pattern.starts_with("*.") || pattern.find_first_of("*?", 1) != std::string_view::npos) return name;
    const std::string_view extension = pattern.substr(1);
    return endsWithIgnoringCase(name, extension) ? name : name + std::string(extension);
}

bool CommonDialog::ShowOpen() { return show(false); }
bool CommonDialog::ShowSave() { return show(true); }

bool CommonDialog::show(bool save) {
    if (!dialogs) return false;
    DialogRequest req{Filter, InitDir, FileName, Flags, save};  // an open dialog too shows the name of its last use
    auto chosen = dialogs->choose(req);
    if (!chosen) return false;
    FileName = *chosen;
    auto cut = FileName.find_last_of(isNativePath(FileName) ? "/" : "\\/");
    FileTitle = cut == std::string::npos ? FileName : FileName.substr(cut + 1);
    return true;
}

bool shownOnScreen(const Control& c) {
    for (const Control* p = &c; p; p = p->Container)
        if (!p->Visible) return false;
    return true;
}

bool acceptsInput(const Control& c) {
    for (const Control* p = &c; p; p = p->Container)
        if (!p->Visible || !p->Enabled) return false;
    return true;
}

float absoluteLeft(const Control& c) {
    float x = 0;
    for (const Control* p = &c; p; p = p->Container) x += p->Left;
    return x;
}

float absoluteTop(const Control& c) {
    float y = 0;
    for (const Control* p = &c; p; p = p->Container) y += p->Top;
    return y;
}

}  // namespace kelo
