#pragma once
// What the program needs of the machine it runs on. The desktop backend and the
// headless test backend each provide one set; behaviour code sees only these.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/controls.h"

namespace kelo {

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual TimeOfDay timeOfDay() = 0;
    virtual int64_t monotonicMs() = 0;
};

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seed(double secondsSinceMidnight) = 0;
    virtual float next() = 0;  // uniform in [0, 1)
};

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    virtual void command(const MediaPlayer& player, std::string_view command) = 0;
    // False when the sample file there is present but cannot be decoded.
    virtual bool playable(std::string_view dataPath) = 0;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen file's native path, or nothing when the user cancels. A save answers
    // one file, with the filter's extension added before the overwrite prompt asks
    // about it: so no existing file is replaced unasked.
    virtual std::optional<std::string> choose(const DialogRequest& request) = 0;
};

// A native path, as a file dialog answers, is absolute: it starts with a slash,
// which a data path never does, and every byte after it is taken as it stands.
inline bool isNativePath(std::string_view path) { return path.starts_with('/'); }

// A file read whole, or why it was not.
struct FileRead {
    enum class Outcome : uint8_t { Read, Missing, Unreadable, TooLarge };
    Outcome outcome = Outcome::Missing;
    std::string content;  // when Read
    bool ok() const { return outcome == Outcome::Read; }
};

// Files by data path ("Kelo 2020\Dati\User.txt", "C:\Programmi\Kelo 2020\..."),
// turned into native paths here only, or by the native path a dialog answered. Only regular files are read, written or
// moved: a pipe would hold the program for good, a device could feed it forever.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual bool exists(std::string_view dataPath) = 0;
    // Never takes in more than `limit` + 1 bytes: a longer file is TooLarge; a folder,
    // a pipe or a device is Unreadable.
    virtual FileRead read(std::string_view dataPath, size_t limit) = 0;
    // Writes a temporary file of this save's own beside the target, flushes it to
    // disk, renames it over the target and flushes the folder, so that neither a
    // failure, a power cut nor another save at the same time loses or tears the
    // file; false on failure (the old file is then untouched).
    virtual bool writeAtomically(std::string_view dataPath, std::string_view content) = 0;
    // Moves a file aside to the first of dataPath + suffix, + suffix + ".2", ".3", ...
    // that is free, never over an older copy; the data path it now has, or nothing.
    virtual std::optional<std::string> moveAside(std::string_view dataPath, std::string_view suffix) = 0;
    virtual std::string nativePath(std::string_view dataPath) = 0;
};

struct Form;

struct ScreenSize {
    float width = 15360;  // twips
    float height = 11520;
};

class Display {
public:
    virtual ~Display() = default;
    virtual ScreenSize screen() = 0;
    virtual void show(Form& form) = 0;
    virtual void unload(Form& form) = 0;
    virtual void focus(Form& form, Control& control) = 0;
    virtual void message(const std::string& title, const std::string& text) = 0;
    // False when the picture file there is present but cannot be decoded.
    virtual bool showable(std::string_view dataPath) = 0;
};

class TimerScheduler;

struct Platform {
    Clock& clock;
    RandomSource& random;
    TimerScheduler& timers;
    SoundOutput& sound;
    FileDialogs& dialogs;
    FileSystem& files;
    Display& display;
};

}  // namespace kelo
