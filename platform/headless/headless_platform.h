#pragma once
// The test backend: a virtual clock that fires timers in time order, sound
// players that record every command, scripted file dialogs, an injectable
// random generator and time of day, and a display that only remembers.
#include <deque>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "platform/local_files.h"
#include "platform/seeded_random.h"
#include "platform/services.h"
#include "platform/timer_scheduler.h"

namespace kelo {

class VirtualClock : public Clock {
public:
    TimeOfDay timeOfDay() override;
    int64_t monotonicMs() override { return now_; }
    void setTimeOfDay(int hour, int minute, int second);
    // Keeps the time of day fixed while virtual time runs (draws then see one clock reading).
    void freezeTimeOfDay(bool frozen) { frozen_ = frozen; }
    void setNow(int64_t ms) { now_ = ms; }

private:
    int64_t now_ = 0;
    int64_t baseSeconds_ = int64_t{12} * 3600;  // time of day at virtual time 0
    bool frozen_ = false;
};

// Values given by the test first, then a fixed-seed generator.
class ScriptedRandom : public RandomSource {
public:
    void seed(double) override { ++seeds; }
    float next() override;
    void push(std::initializer_list<float> values) { queued_.insert(queued_.end(), values); }
    void reseedFallback(uint64_t seed) { fallback_.reseed(seed); }
    int seeds = 0;
    int drawn = 0;

private:
    std::deque<float> queued_;
    SeededRandom fallback_{12345};
};

struct SoundEvent {
    std::string player;
    int index;
    std::string command;
    int64_t timeMs;
    bool operator==(const SoundEvent&) const = default;
};

class RecordingSound : public SoundOutput {
public:
    explicit RecordingSound(Clock& clock) : clock_(clock) {}
    void command(const MediaPlayer& player, std::string_view command) override;
    bool playable(std::string_view dataPath) override { return !undecodable.contains(std::string(dataPath)); }
    std::vector<SoundEvent> events;
    std::set<std::string> undecodable;  // files the test makes unreadable
    // The file each element was opened with, as "Open" saw it.
    std::vector<std::string> opened;

private:
    Clock& clock_;
};

// Answers taken in turn, as a user types them: a save gets the filter's extension
// and, where an existing file is asked about, a No takes the next answer.
class ScriptedDialogs : public FileDialogs {
public:
    std::optional<std::string> choose(const DialogRequest& request) override;
    void answer(std::optional<std::string> path) { answers_.push_back(std::move(path)); }
    // The next overwrite question's reply; unscripted, the user replaces the file.
    void replyToOverwrite(bool replace) { replies_.push_back(replace); }
    std::vector<DialogRequest> requests;
    std::vector<std::string> overwriteAsked;  // the files the question named
    FileSystem* files = nullptr;              // where the files asked about are looked for

private:
    std::deque<std::optional<std::string>> answers_;
    std::deque<bool> replies_;
};

class FakeDisplay : public Display {
public:
    ScreenSize screen() override { return screenSize; }
    void show(Form& form) override { shown.push_back(&form); }
    void unload(Form& form) override { unloaded.push_back(&form); }
    void focus(Form& form, Control& control) override;
    void message(const std::string& title, const std::string& text) override {
        messages.push_back(title + ": " + text);
    }
    bool showable(std::string_view dataPath) override { return !undecodable.contains(std::string(dataPath)); }

    ScreenSize screenSize;
    std::vector<Form*> shown;
    std::vector<Form*> unloaded;
    std::vector<std::string> messages;
    std::set<std::string> undecodable;  // pictures the test makes unreadable
};

class HeadlessPlatform {
public:
    explicit HeadlessPlatform(std::filesystem::path workingFolder = {});

    VirtualClock clock;
    ScriptedRandom random;
    TimerScheduler timers{clock};
    RecordingSound sound{clock};
    ScriptedDialogs dialogs;
    LocalFileSystem files;
    FakeDisplay display;
    Platform platform;

    // Runs virtual time forward by `ms`, firing every tick that falls due on the way.
    void advance(int64_t ms);
    int64_t now() const { return const_cast<VirtualClock&>(clock).monotonicMs(); }
};

}  // namespace kelo
