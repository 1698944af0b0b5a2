// The desktop backend: what a window paints from the cells, which control each press,
// release and key reaches, timers and run-time errors on the event loop, and one mixer
// channel for each sample player.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <utility>

#include "platform/desktop/desktop_platform.h"
#include "platform/desktop/form_painter.h"
#include "platform/desktop/form_window.h"
#include "platform/desktop/twips.h"
#include "platform/runtime_error.h"

using namespace kelo;
namespace fs = std::filesystem;
using Log = std::vector<std::string>;

namespace {

const fs::path kScratch = fs::temp_directory_path() / ("kelo-desktop-" + std::to_string(getpid()));

QRect rectOf(const Control& c) { return pixelRect(absoluteLeft(c), absoluteTop(c), c.Width, c.Height); }
QPoint centreOf(const Control& c) { return rectOf(c).center(); }

// A few controls of every kind in one frame and around it, with the events they received.
struct TestForm : Form {
    explicit TestForm(Platform& p) : Form(p) {
        Width = Height = 3000;
        put(panel, "panel", 0, 0, 3000, 600).BackColor = 0xFF0000;  // blue
        put(under, "under", 150, 150, 600, 300).BackColor = 0x00FF00;
        put(cell, "cell", 150, 750, 600, 300);
        put(other, "other", 1500, 750, 600, 300).BorderStyle = 1;
        put(cover, "cover", 150, 150, 600, 300).Transparent = true;
        put(button, "button", 150, 1200, 900, 450).Caption = "OK";
        put(text, "text", 1500, 1200, 1200, 300);
        put(frame, "frame", 1500, 1800, 1200, 900).BackColor = 0x00FFFF;
        put(inFrame, "inFrame", 150, 150, 450, 300).BackColor = 0xFF00FF;
        put(wide, "wide", 600, 600, 1200, 600).BackColor = 0;  // runs past the frame's corner
        inFrame.Container = wide.Container = &frame;
        add(timer, "timer"), timer.SetInterval(10);
        for (Control* c : std::initializer_list<Control*>{&cell, &other, &button}) {
            on(*c).MouseDown = [this, c](int, const MouseArgs& a) {
                log.push_back(std::string("down ") + c->Name), down = a;
            };
            on(*c).MouseUp = [this, c](int, const MouseArgs& a) {
                log.push_back(std::string("up ") + c->Name), up = a;
            };
            on(*c).Click = [this, c](int) { log.push_back(std::string("click ") + c->Name); };
        }
    }
    template <class C>
    C& put(C& c, const char* name, float left, float top, float width, float height) {
        return add(c, name), c.place(left, top, width, height), c;
    }

    Shape panel;
    Label under, cell, other, cover, inFrame, wide;
    CommandButton button;
    TextBox text;
    Frame frame;
    Timer timer;
    Log log;
    MouseArgs down, up;  // of the last press and release
};

// The form shown on the desktop; errors it reports fail the test unless the test expects them.
class Desktop : public ::testing::Test {
protected:
    Desktop() {
        desktop.gate().reportError = [this](const std::string& text) { errors.push_back(text); };
        desktop.run([&] { desktop.display().show(form); });
        window = desktop.display().windowOf(form);
    }
    void TearDown() override { EXPECT_EQ(errors, Log{}); }
    void press(const Control& c) { QTest::mousePress(window, Qt::LeftButton, {}, centreOf(c)); }
    void release(const Control& c) { QTest::mouseRelease(window, Qt::LeftButton, {}, centreOf(c)); }
    int exec() {
        QObject guard;
        bool hung = false;
        QTimer::singleShot(5000, &guard, [&] { hung = true, QCoreApplication::exit(99); });
        const int code = desktop.exec();
        EXPECT_FALSE(hung) << "the event loop did not end";
        return code;
    }

    DesktopPlatform desktop;
    TestForm form{desktop.platform()};
    FormWindow* window = nullptr;
    Log errors;
};

TEST_F(Desktop, PaintsColoursBlueInTheHighByteFramesWithTheirChildrenBordersAndDisabledTextGrey) {
    const QImage image = renderForm(form);
    const QRect frame = rectOf(form.frame), box = rectOf(form.other);
    EXPECT_EQ(image.pixelColor(centreOf(form.panel)), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(centreOf(form.under)), QColor(0, 255, 0)) << "seen through the transparent label";
    EXPECT_EQ(image.pixelColor(centreOf(form.inFrame)), QColor(255, 0, 255)) << "placed relative to its frame";
    EXPECT_EQ(image.pixelColor(frame.right() - 1, frame.bottom() - 1), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(frame.right() + 2, frame.bottom() - 1), QColor(255, 255, 255)) << "clipped by its frame";
    EXPECT_LT(qGray(image.pixel(box.left(), box.center().y())), 100) << "a label's border";
    form.frame.Visible = false;
    EXPECT_EQ(renderForm(form).pixelColor(centreOf(form.inFrame)), QColor(255, 255, 255)) << "hidden with its frame";

    form.other.Caption = "WWWW";
    form.other.Font = {"MS Sans Serif", 13.5f, true, false};
    auto darkest = [&] {
        const QImage image = renderForm(form);
        int best = 255;
        for (int y = box.top() + 2; y < box.bottom() - 1; ++y)
            for (int x = box.left() + 2; x < box.right() - 1; ++x) best = std::min(best, qGray(image.pixel(x, y)));
        return best;
    };
    EXPECT_LT(darkest(), 40);
    form.other.Enabled = false;
    EXPECT_TRUE(darkest() > 90 && darkest() < 180) << darkest();
}

TEST_F(Desktop, HitsTheTopmostControlThatTakesTheMouse) {
    FormLayout layout(form);
    auto hit = [&](const Control& c) {
        return layout.hitTest(absoluteLeft(c) + c.Width / 2, absoluteTop(c) + c.Height / 2);
    };
    EXPECT_EQ(hit(form.under), &form.cover) << "the label on top, transparent or not";
    EXPECT_EQ(hit(form.inFrame), &form.inFrame);
    EXPECT_EQ(layout.hitTest(form.frame.Left + 1100, form.frame.Top + 100), &form.frame);
    EXPECT_EQ(layout.hitTest(form.frame.Left + 1300, form.frame.Top + 800), nullptr)
        << "a child is cut off at its frame's edge";
    EXPECT_EQ(layout.hitTest(2800, 100), nullptr) << "shapes take no mouse";
    form.cover.Enabled = false;
    EXPECT_EQ(hit(form.under), &form.under) << "a disabled label lets it through";
    form.frame.Visible = false;
    EXPECT_EQ(hit(form.inFrame), nullptr);
    form.frame.Visible = true, form.frame.Enabled = false;
    EXPECT_EQ(hit(form.inFrame), nullptr);
}

TEST_F(Desktop, AClickIsAPressAndALeftReleaseOnOneControlAndTheMouseIsInTwipsRelativeToIt) {
    const QPoint p = centreOf(form.cell) + QPoint(3, 0);
    QTest::mouseClick(window, Qt::LeftButton, {}, p);
    QTest::mousePress(window, Qt::RightButton, Qt::ShiftModifier, p);
    QTest::mouseRelease(window, Qt::RightButton, Qt::ShiftModifier, p);
    EXPECT_EQ(form.log, (Log{"down cell", "up cell", "click cell", "down cell", "up cell"}));
    EXPECT_EQ(QPointF(form.down.X, form.down.Y), QPointF((p.x() + 0.5) * 15 - 150, (p.y() + 0.5) * 15 - 750));
    EXPECT_EQ(std::tuple(form.down.Shift, form.up.Button), std::tuple(1, 2));
}

TEST_F(Desktop, TheReleaseGoesToThePressedControlWhereverThePointerIsAndADialogEndsThePress) {
    press(form.cell);
    QTest::mouseMove(window, centreOf(form.other));
    release(form.other);
    EXPECT_EQ(form.log, (Log{"down cell", "up cell"})) << "no click, nothing for the control under the pointer";
    form.log.clear();
    form.on(form.cell).MouseDown = [this](int, const MouseArgs&) {
        form.log.push_back("down cell"), desktop.gate().modal([] {});
    };
    press(form.cell);  // the dialog took the release
    EXPECT_EQ(form.log, (Log{"down cell", "up cell"}));
    release(form.cell);
    EXPECT_EQ(form.log, (Log{"down cell", "up cell"})) << "the late release is not delivered twice";
}

TEST_F(Desktop, ThePressedButtonLooksPressedWhileThePointerIsOnItAndTakesTheFocusForEnter) {
    auto look = [&] { return window->grab().toImage().pixelColor(rectOf(form.button).topLeft()); };
    const QColor raised = look();
    press(form.button);
    EXPECT_NE(look(), raised);
    QTest::mouseMove(window, centreOf(form.cell));
    EXPECT_EQ(look(), raised);
    QTest::mouseMove(window, centreOf(form.button));
    release(form.button);
    QTest::keyClick(window, Qt::Key_Return);
    QTest::keyClick(window, Qt::Key_Enter);
    EXPECT_EQ(form.log, (Log{"down button", "up button", "click button", "click button", "click button"}));
    // Disabled, it keeps the focus, as the compose button does during a reveal, and Enter does nothing.
    desktop.run([&] { form.button.Enabled = false; });
    QTest::keyClick(window, Qt::Key_Return);
    EXPECT_EQ(form.ActiveControl, &form.button);
    EXPECT_EQ(form.log.size(), 5u) << "Enter clicked a disabled button";
}

TEST_F(Desktop, TextBoxesAreEditableAndShowTheProgramsTextUnlessHiddenOrCovered) {
    QLineEdit* editor = window->editorOf(form.text);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->geometry(), rectOf(form.text));
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::mouseClick(editor, Qt::LeftButton);
    QTest::keyClicks(editor, QStringLiteral("Citt"));
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("à"));
    QApplication::sendEvent(editor, &accented);
    EXPECT_EQ(form.text.Text, "Città");
    EXPECT_EQ(form.ActiveControl, &form.text);

    desktop.run([&] { form.frame.place(1200, 900, 1800, 900); });
    EXPECT_FALSE(editor->isVisible()) << "under a frame";
    desktop.run([&] { form.frame.Visible = false, form.text.Visible = false; });
    EXPECT_FALSE(editor->isVisible());
    desktop.run([&] { form.text.Visible = true, form.text.Text = "Addio!"; });
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->text(), QStringLiteral("Addio!"));
}

TEST_F(Desktop, RefusesACloseRequestButTellsTheProgramFocusesAControlAndUnloadingTheLastWindowEndsTheLoop) {
    int asked = 0;
    form.CloseRequested = [&] { ++asked; };
    EXPECT_FALSE(window->close());
    EXPECT_EQ(asked, 1);
    desktop.run([&] { desktop.display().focus(form, form.button); });
    EXPECT_EQ(form.ActiveControl, &form.button);
    form.timer.OnTick = [&] { desktop.display().unload(form); };
    desktop.run([&] { form.timer.SetEnabled(true); });
    EXPECT_EQ(exec(), 0);
    EXPECT_EQ(desktop.display().windowOf(form), nullptr);
}

TEST_F(Desktop, ShowsOnlyPicturesItCanDecode) {
    fs::create_directories(kScratch);
    QImage(4, 4, QImage::Format_RGB32).save(QString::fromStdString((kScratch / "good.jpg").string()));
    std::ofstream(kScratch / "bad.jpg") << "no picture";
    EXPECT_TRUE(desktop.display().showable((kScratch / "good.jpg").string()));
    EXPECT_FALSE(desktop.display().showable((kScratch / "bad.jpg").string()));
    fs::remove_all(kScratch);
}

// The order of ticks is the scheduler's, tested on the virtual clock; here they come on the event loop.
TEST_F(Desktop, ARunTimeErrorInATickIsShownAndEndsTheProgramWithAFailure) {
    int ticks = 0;
    form.timer.OnTick = [&] { ++ticks, raise(ErrorCode::Overflow, "lblFreqInc(3)"); };
    desktop.run([&] { form.timer.SetEnabled(true); });
    EXPECT_EQ(exec(), 1);
    EXPECT_EQ(std::exchange(errors, {}), Log{RuntimeError(ErrorCode::Overflow, "lblFreqInc(3)").userMessage()});
    desktop.run([&] { ++ticks; });
    EXPECT_EQ(ticks, 1) << "nothing runs after the end";
}

TEST_F(Desktop, ARunTimeErrorAtStartEndsTheProgramBeforeTheLoop) {
    desktop.run([] { raise(ErrorCode::FileNotFound, "Kelo 2020\\Grafica\\Splash Kelo.jpg"); });
    EXPECT_EQ(exec(), 1);
    EXPECT_EQ(std::exchange(errors, {}).size(), 1u);
}

// 5 s of mono 16-bit silence at 44100 Hz, long enough to outlast a slow machine; a
// little-endian machine writes the header as is.
void writeWav(const fs::path& path) {
    const uint32_t header[] = {0x46464952 /* RIFF */,
                               36 + 441000,
                               0x45564157 /* WAVE */,
                               0x20746D66 /* fmt */,
                               16,
                               0x00010001 /* PCM, mono */,
                               44100,
                               88200,
                               0x00100002 /* 16 bits */,
                               0x61746164 /* data */,
                               441000};
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(header), sizeof header)
        << std::string(441000, '\0');
}

// Sample players on SDL2_mixer over two good samples and a broken one, with the dummy
// audio driver or none at all.
struct DesktopSound : ::testing::Test {
    DesktopSound() {
        fs::create_directories(kScratch / "Suoni");
        for (const char* name : {"01 si.wav", "02 DO.wav"}) writeWav(kScratch / "Suoni" / name);
        std::ofstream(kScratch / "Suoni" / "03 RE.wav") << "RIFF, but no sound";
        a.FileName = "Suoni\\01 si.wav", b.FileName = "Suoni\\02 DO.wav";
        a.sound = b.sound = &sound;
    }
    ~DesktopSound() override { fs::remove_all(kScratch); }
    static void play(MediaPlayer& p) {
        for (const char* c : {"Prev", "Open", "Play"}) p.Command(c);
    }
    LocalFileSystem files{kScratch};
    SdlSound sound{files};
    MediaPlayer a, b;
};

TEST_F(DesktopSound, EachElementHasItsOwnChannelOnlyAnOpenSoundsAfterACloseAndPreloadedSamplesNeedNoFile) {
    ASSERT_TRUE(sound.audible()) << "the dummy driver opens";
    sound.preload({"Suoni"});
    sound.waitForPreload();
    fs::remove(kScratch / "Suoni" / "01 si.wav");
    for (bool reopen : {true, false}) {
        play(a);
        a.Command("Close");
        reopen ? play(a) : a.Command("Play");
        play(b);
        b.Command("Close");
        ASSERT_TRUE(QTest::qWaitFor([&] { return !sound.sounding(b); }, 5000));
        EXPECT_EQ(sound.sounding(a), reopen)
            << (reopen ? "the close of another element, or a fade, cut it" : "no open, no play");
    }
    EXPECT_TRUE(sound.playable(a.FileName));
    EXPECT_FALSE(sound.playable("Suoni\\03 RE.wav"));
}

struct DesktopSoundWithoutDevice : DesktopSound {
    static void SetUpTestSuite() { setenv("SDL_AUDIODRIVER", "no-such-driver", 1); }
    static void TearDownTestSuite() { setenv("SDL_AUDIODRIVER", "dummy", 1); }
};

TEST_F(DesktopSoundWithoutDevice, IgnoresEveryCommandAndBlamesNoFile) {
    EXPECT_FALSE(sound.audible());
    for (const char* c : {"Close", "Prev", "Open", "Play", "Close"}) a.Command(c);
    EXPECT_FALSE(sound.sounding(a));
    EXPECT_TRUE(sound.playable("Suoni\\03 RE.wav"));
    sound.preload({"Suoni"});
}

}  // namespace
