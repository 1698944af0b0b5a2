#include "platform/headless/headless_platform.h"

#include "platform/form.h"

namespace kelo {

TimeOfDay VirtualClock::timeOfDay() {
    int64_t s = baseSeconds_ + (frozen_ ? 0 : now_ / 1000);
    s %= 86400;
    return {static_cast<int>(s / 3600), static_cast<int>(s / 60 % 60), static_cast<int>(s % 60)};
}

void VirtualClock::setTimeOfDay(int hour, int minute, int second) {
    baseSeconds_ = hour * 3600 + minute * 60 + second - (frozen_ ? 0 : now_ / 1000);
    while (baseSeconds_ < 0) baseSeconds_ += 86400;
}

float ScriptedRandom::next() {
    ++drawn;
    if (!queued_.empty()) {
        float v = queued_.front();
        queued_.pop_front();
        return v;
    }
    return fallback_.next();
}

void RecordingSound::command(const MediaPlayer& player, std::string_view command) {
    events.push_back({player.Name, player.Index, std::string(command), clock_.monotonicMs()});
    if (command == "Open") opened.push_back(player.FileName);
}

std::optional<std::string> ScriptedDialogs::choose(const DialogRequest& request) {
    requests.push_back(request);
    while (!answers_.empty()) {
        std::optional<std::string> a = std::move(answers_.front());
        answers_.pop_front();
        if (!a || !request.save) return a;
        *a = request.withExtension(std::move(*a));
        if (!(request.flags & kOverwritePrompt) || !files || !files->exists(*a)) return a;
        overwriteAsked.push_back(*a);
        const bool replace = replies_.empty() || replies_.front();
        if (!replies_.empty()) replies_.pop_front();
        if (replace) return a;
    }
    return std::nullopt;  // no script left: the user cancels
}

void FakeDisplay::focus(Form& form, Control& control) { form.ActiveControl = &control; }

HeadlessPlatform::HeadlessPlatform(std::filesystem::path workingFolder)
    : files(std::move(workingFolder)), platform{clock, random, timers, sound, dialogs, files, display} {
    dialogs.files = &files;
}

void HeadlessPlatform::advance(int64_t ms) {
    int64_t target = clock.monotonicMs() + ms;
    while (true) {
        auto due = timers.nextDue();
        if (!due || *due > target) break;
        clock.setNow(*due);
        timers.fireDue(*due);
    }
    clock.setNow(target);
}

}  // namespace kelo
