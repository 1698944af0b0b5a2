// The desktop backend's windows: what they draw from the cells, and which
// control each mouse press, release and key reaches.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "desktop_test_form.h"
#include "platform/desktop/desktop_platform.h"
#include "platform/desktop/form_painter.h"
#include "platform/desktop/form_window.h"
#include "platform/desktop/twips.h"

using namespace kelo;
using kelo::support::DesktopTestForm;

namespace {

QPoint centreOf(const Control& c) {
    return pixelRect(absoluteLeft(c), absoluteTop(c), c.Width, c.Height).center();
}

QColor at(const QImage& image, const Control& c) { return image.pixelColor(centreOf(c)); }

class DesktopWindow : public ::testing::Test {
protected:
    DesktopWindow() {
        desktop.gate().reportError = [this](const std::string& text) { errors.push_back(text); };
        desktop.run([&] { desktop.display().show(form); });
        window = desktop.display().windowOf(form);
    }
    void TearDown() override { EXPECT_TRUE(errors.empty()) << errors.front(); }

    void press(const Control& c) { QTest::mousePress(window, Qt::LeftButton, {}, centreOf(c)); }
    void release(const Control& c) { QTest::mouseRelease(window, Qt::LeftButton, {}, centreOf(c)); }

    DesktopPlatform desktop;
    DesktopTestForm form{desktop.platform()};
    FormWindow* window = nullptr;
    std::vector<std::string> errors;
};

using Log = std::vector<std::string>;

}  // namespace

TEST_F(DesktopWindow, PaintsColoursBlueInTheHighByteAndFramesWithTheirChildren) {
    QImage image = renderForm(form);
    ASSERT_EQ(image.size(), QSize(200, 200));
    EXPECT_EQ(at(image, form.panel), QColor(0, 0, 255)) << "&HFF0000 is blue";
    EXPECT_EQ(at(image, form.cell), QColor(255, 0, 0)) << "&H0000FF is red";
    EXPECT_EQ(at(image, form.under), QColor(0, 255, 0)) << "a transparent label shows what lies beneath";
    EXPECT_EQ(at(image, form.inFrame), QColor(255, 0, 255)) << "a child sits relative to its frame";
    // The frame clips its children: the wide label stops at the frame's edge.
    QRect frame = pixelRect(form.frame.Left, form.frame.Top, form.frame.Width, form.frame.Height);
    EXPECT_EQ(image.pixelColor(frame.right() - 1, frame.bottom() - 1), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(frame.right() + 2, frame.bottom() - 1), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(frame.right() - 1, frame.bottom() + 2), QColor(255, 255, 255));

    form.frame.Visible = false;
    form.cell.Visible = false;
    image = renderForm(form);
    EXPECT_EQ(at(image, form.inFrame), QColor(255, 255, 255)) << "a hidden frame hides its children";
    EXPECT_EQ(at(image, form.cell), QColor(255, 255, 255));
}

TEST_F(DesktopWindow, PaintsDisabledTextGreyedAndTheHeldBorder) {
    form.other.Caption = "WWWW";
    form.other.Font = {"MS Sans Serif", 13.5f, true, false};
    auto darkest = [&](const QImage& image) {
        QRect r = pixelRect(form.other.Left, form.other.Top, form.other.Width, form.other.Height);
        r.adjust(2, 2, -2, -2);
        int best = 255;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) best = std::min(best, qGray(image.pixel(x, y)));
        return best;
    };
    EXPECT_LT(darkest(renderForm(form)), 40);
    form.other.Enabled = false;
    int grey = darkest(renderForm(form));
    EXPECT_GT(grey, 90);
    EXPECT_LT(grey, 180);

    form.other.Caption = "";
    form.other.BorderStyle = 1;
    QImage image = renderForm(form);
    QRect r = pixelRect(form.other.Left, form.other.Top, form.other.Width, form.other.Height);
    EXPECT_LT(qGray(image.pixel(r.left(), r.center().y())), 100);
    EXPECT_EQ(image.pixelColor(r.center()), QColor(255, 255, 255));
}

TEST_F(DesktopWindow, HitsTheTopmostControlThatTakesTheMouse) {
    FormLayout layout(form);
    auto hit = [&](const Control& c) {
        return layout.hitTest(absoluteLeft(c) + c.Width / 2, absoluteTop(c) + c.Height / 2);
    };
    EXPECT_EQ(hit(form.under), &form.cover) << "the label on top takes it, transparent or not";
    form.cover.Enabled = false;
    EXPECT_EQ(hit(form.under), &form.under) << "a disabled label lets it through";
    EXPECT_EQ(hit(form.inFrame), &form.inFrame);
    EXPECT_EQ(layout.hitTest(form.frame.Left + 1100, form.frame.Top + 100), &form.frame)
        << "the frame's own surface";
    EXPECT_EQ(layout.hitTest(form.frame.Left + form.frame.Width + 100, form.frame.Top + form.frame.Height - 100),
              nullptr)
        << "a child past its frame's edge is cut off";
    EXPECT_EQ(layout.hitTest(2800, 100), nullptr) << "shapes take no mouse";

    form.frame.Visible = false;
    EXPECT_EQ(hit(form.inFrame), nullptr) << "the children of a hidden frame are not there";
    form.frame.Visible = true;
    form.frame.Enabled = false;
    EXPECT_EQ(hit(form.inFrame), nullptr);
}

TEST_F(DesktopWindow, PressAndReleaseOnOneControlIsAClickOfTheLeftButtonWithTwipsRelativeToIt) {
    const QPoint p = centreOf(form.cell) + QPoint(3, 0);
    for (auto [button, number, log] : {std::tuple{Qt::LeftButton, 1, Log{"down cell", "up cell", "click cell"}},
                                       std::tuple{Qt::RightButton, 2, Log{"down cell", "up cell"}}}) {
        form.log.clear();
        form.args.clear();
        QTest::mousePress(window, button, Qt::ShiftModifier, p);
        QTest::mouseRelease(window, button, Qt::ShiftModifier, p);
        EXPECT_EQ(form.log, log);
        ASSERT_EQ(form.args.size(), 2u);
        EXPECT_FLOAT_EQ(form.args[0].X, (p.x() + 0.5f) * 15 - form.cell.Left);
        EXPECT_FLOAT_EQ(form.args[0].Y, (p.y() + 0.5f) * 15 - form.cell.Top);
        EXPECT_EQ(form.args[1].Button, number);
        EXPECT_EQ(form.args[0].Shift, 1);
    }
}

TEST_F(DesktopWindow, TheReleaseGoesToThePressedControlWhereverThePointerIs) {
    press(form.cell);
    QTest::mouseMove(window, centreOf(form.other));
    release(form.other);
    EXPECT_EQ(form.log, (Log{"down cell", "up cell"})) << "no click, nothing for the control under the pointer";

    // The press moved the cell away, or disabled it: its release still belongs to it,
    // and nothing else gets one.
    for (bool disable : {false, true}) {
        form.log.clear();
        form.cell.Left = 150;
        form.cell.Enabled = true;
        form.on(form.cell).MouseDown = [this, disable](int, const MouseArgs&) {
            form.log.push_back("down cell");
            if (disable) form.cell.Enabled = false;
            else form.cell.Left = 1500;
        };
        press(form.cell);
        QTest::mouseRelease(window, Qt::LeftButton, {}, pixelRect(150, 750, 600, 300).center());
        EXPECT_EQ(form.log, (Log{"down cell", "up cell"})) << disable;
    }
}

TEST_F(DesktopWindow, ADialogOpenedByThePressEndsThePressAtOnce) {
    form.on(form.cell).MouseDown = [this](int, const MouseArgs&) {
        form.log.push_back("down cell");
        desktop.gate().modal([] {});  // the dialog took the release
    };
    press(form.cell);
    EXPECT_EQ(form.log, (Log{"down cell", "up cell"}));
    release(form.cell);
    EXPECT_EQ(form.log, (Log{"down cell", "up cell"})) << "the late release is not delivered twice";
}

TEST_F(DesktopWindow, ThePressedButtonTakesTheFocusAndEnterClicksIt) {
    press(form.button);
    EXPECT_EQ(form.ActiveControl, &form.button);
    release(form.button);
    EXPECT_EQ(form.log, (Log{"down button", "up button", "click button"}));

    form.log.clear();
    QTest::keyClick(window, Qt::Key_Return);
    QTest::keyClick(window, Qt::Key_Enter);
    EXPECT_EQ(form.log, (Log{"click button", "click button"}));

    form.log.clear();
    form.button.Enabled = false;
    QTest::keyClick(window, Qt::Key_Return);
    EXPECT_TRUE(form.log.empty()) << "a disabled button is not clicked";
}

TEST_F(DesktopWindow, PaintsThePressedLookOnlyWhileThePointerIsOnTheButton) {
    auto look = [&] { return window->grab().toImage().pixelColor(pixelRect(150, 1200, 900, 450).topLeft()); };
    QColor raised = look();
    press(form.button);
    QColor sunk = look();
    EXPECT_NE(raised, sunk);
    QTest::mouseMove(window, centreOf(form.cell));
    EXPECT_EQ(look(), raised);
    release(form.cell);
}

TEST_F(DesktopWindow, TextBoxesAreEditableAndShowTheProgramsText) {
    QLineEdit* editor = window->editorOf(form.text);
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->geometry(), pixelRect(1500, 1200, 1200, 300));

    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_EQ(form.ActiveControl, nullptr) << "the window coming up gives no text box the focus";
    EXPECT_FALSE(editor->hasFocus());
    QTest::mouseClick(editor, Qt::LeftButton);
    QTest::keyClicks(editor, QStringLiteral("Citt"));
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("à"));
    QApplication::sendEvent(editor, &accented);
    EXPECT_EQ(form.text.Text, "Città");
    EXPECT_EQ(form.ActiveControl, &form.text);

    // The program writes the cell in a handler; the editor shows it when the handler returns.
    form.on(form.cell).Click = [this](int) { form.text.Text = "Addio!"; };
    press(form.cell);
    release(form.cell);
    EXPECT_EQ(editor->text(), QStringLiteral("Addio!"));

    // A frame shown over the text box hides the editor; the painter draws the box beneath it.
    desktop.run([&] { form.frame.place(1200, 900, 1800, 900); });
    EXPECT_FALSE(editor->isVisible());
    desktop.run([&] { form.text.Visible = false; form.frame.place(1500, 1800, 1200, 900); });
    EXPECT_FALSE(editor->isVisible());
    desktop.run([&] { form.text.Visible = true; });
    EXPECT_TRUE(editor->isVisible());
}

TEST_F(DesktopWindow, ACloseRequestIsRefusedAndPassedToTheProgram) {
    int asked = 0;
    form.CloseRequested = [&] { ++asked; };
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(asked, 1);
}

TEST_F(DesktopWindow, FocusGivesTheControlTheKeyboardAndUnloadingTheLastWindowEndsTheLoop) {
    desktop.run([&] { desktop.display().focus(form, form.button); });
    EXPECT_EQ(form.ActiveControl, &form.button);
    Timer bye;
    desktop.platform().timers.adopt(bye);
    bye.SetInterval(20);
    bye.OnTick = [&] { desktop.display().unload(form); };
    desktop.run([&] { bye.SetEnabled(true); });
    QTimer::singleShot(3000, [] { QCoreApplication::exit(99); });  // a hung loop fails instead
    EXPECT_EQ(desktop.exec(), 0);
    EXPECT_EQ(desktop.display().windowOf(form), nullptr);
}

TEST_F(DesktopWindow, ShowsOnlyPicturesItCanDecode) {
    const auto dir = std::filesystem::temp_directory_path() / ("kelo-pictures-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    QImage(4, 4, QImage::Format_RGB32).save(QString::fromStdString((dir / "good.jpg").string()));
    std::ofstream(dir / "bad.jpg") << "no picture";
    EXPECT_TRUE(desktop.display().showable((dir / "good.jpg").string()));
    EXPECT_FALSE(desktop.display().showable((dir / "bad.jpg").string()));
    std::filesystem::remove_all(dir);
}
