// Sample players on SDL2_mixer with SDL's dummy audio driver.
#include <gtest/gtest.h>

#include <QTest>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "platform/desktop/sdl_sound.h"
#include "platform/local_files.h"

using namespace kelo;
namespace fs = std::filesystem;

namespace {

// A mono 16-bit square wave at 44100 Hz (a little-endian machine writes the header as is).
void writeWav(const fs::path& path, int ms) {
    const uint32_t rate = 44100, n = rate * static_cast<uint32_t>(ms) / 1000;
    const uint32_t header[] = {0x46464952 /* RIFF */, 36 + 2 * n, 0x45564157 /* WAVE */, 0x20746D66 /* fmt */,
                               16, 0x00010001 /* PCM, mono */, rate, 2 * rate, 0x00100002 /* 2 bytes, 16 bits */,
                               0x61746164 /* data */, 2 * n};
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(header), sizeof header);
    for (uint32_t i = 0; i < n; ++i) {
        const int16_t v = i % 100 < 50 ? 3000 : -3000;
        out.write(reinterpret_cast<const char*>(&v), 2);
    }
}

class DesktopSound : public ::testing::Test {
protected:
    DesktopSound() {
        fs::create_directories(dir / "Suoni");
        writeWav(dir / "Suoni" / "01 si.wav", 1500);
        writeWav(dir / "Suoni" / "02 DO.wav", 1500);
        for (MediaPlayer* p : {&a, &b}) p->sound = &sound;
        a.FileName = "Suoni\\01 si.wav";
        b.FileName = "Suoni\\02 DO.wav";
    }
    ~DesktopSound() override { fs::remove_all(dir); }

    void play(MediaPlayer& p) {
        for (const char* c : {"Prev", "Open", "Play"}) p.Command(c);
    }
    // Closes the element and waits until its fade-out has ended (and any begun before).
    bool closedAndFaded(MediaPlayer& p) {
        p.Command("Close");
        return QTest::qWaitFor([&] { return !sound.sounding(p); }, 5000);
    }

    fs::path dir = fs::temp_directory_path() / ("kelo-sound-" + std::to_string(getpid()));
    LocalFileSystem files{dir};
    SdlSound sound{files};
    MediaPlayer a, b;
};

}  // namespace

TEST_F(DesktopSound, EveryElementSoundsOnItsOwnChannel) {
    ASSERT_TRUE(sound.audible()) << "the dummy driver opens";
    play(a);
    play(b);
    EXPECT_TRUE(sound.sounding(a));
    EXPECT_TRUE(sound.sounding(b));
    EXPECT_TRUE(closedAndFaded(a));
    EXPECT_TRUE(sound.sounding(b)) << "closing one element leaves the others alone";
}

TEST_F(DesktopSound, AfterACloseOnlyAnOpenSoundsAgainAndTheCloseFadeSparesIt) {
    for (bool reopen : {true, false}) {
        play(a);
        a.Command("Close");
        reopen ? play(a) : a.Command("Play");
        play(b);
        ASSERT_TRUE(closedAndFaded(b));
        EXPECT_EQ(sound.sounding(a), reopen) << (reopen ? "the fade must not cut the new note" : "no open, no play");
    }
}

TEST_F(DesktopSound, MissingOrUnreadableFilesAndElementsWithoutAFileAreSilentlyIgnored) {
    std::ofstream(dir / "Suoni" / "03 RE.wav") << "RIFF, but no sound";
    MediaPlayer none, broken, empty;
    none.sound = broken.sound = empty.sound = &sound;
    none.FileName = "Suoni\\99 nessuna.wav";
    broken.FileName = "Suoni\\03 RE.wav";
    for (MediaPlayer* p : {&none, &broken, &empty}) play(*p);
    empty.Command("Close");
    EXPECT_FALSE(sound.sounding(none) || sound.sounding(broken) || sound.sounding(empty));
    EXPECT_FALSE(sound.playable(broken.FileName));
    EXPECT_TRUE(sound.playable(a.FileName));
}

TEST_F(DesktopSound, PreloadedSamplesPlayEvenWhenTheFileHasGoneSince) {
    sound.preload({"Suoni"});
    sound.waitForPreload();
    fs::remove(dir / "Suoni" / "01 si.wav");
    play(a);
    EXPECT_TRUE(sound.sounding(a)) << "decoded in the background before it was needed";
}

TEST(DesktopSoundWithoutDevice, EveryCommandIsSilentlyIgnored) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    {
        LocalFileSystem files(fs::temp_directory_path());
        SdlSound sound(files);
        EXPECT_FALSE(sound.audible());
        MediaPlayer p;
        p.sound = &sound;
        p.FileName = "Suoni\\01 si.wav";
        for (const char* c : {"Close", "Prev", "Open", "Play", "Close"}) p.Command(c);
        EXPECT_FALSE(sound.sounding(p));
        sound.preload({"Suoni"});
    }
    setenv("SDL_AUDIODRIVER", "dummy", 1);
}
