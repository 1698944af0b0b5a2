// The real program on the real desktop backend, over the data tree of the build
// folder: splash with its picture, the main window after the
// greeting, a melody revealed and played, the engine panel, and the way out
// through the exit question; a melody saved and loaded back through the file
// dialogs; and the main window fitted to a 16:9 screen.
// Leaves screenshots in artefacts/ of the build folder.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>

#include "app/program.h"
#include "model/colours.h"
#include "platform/desktop/desktop_platform.h"
#include "platform/desktop/form_window.h"
#include "platform/desktop/twips.h"
#include "support/headless_program.h"

using namespace kelo;

namespace {

// Mean absolute difference of the colour channels, 0 (same) to 255.
double meanDifference(const QImage& a, const QImage& b) {
    QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            sum += std::abs(qRed(p[col]) - qRed(q[col])) + std::abs(qGreen(p[col]) - qGreen(q[col])) +
                   std::abs(qBlue(p[col]) - qBlue(q[col]));
    }
    return sum / (3.0 * x.width() * x.height());
}

int pixelsNear(const QImage& image, const QRect& area, QColor colour, int tolerance) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) <= tolerance && std::abs(c.green() - colour.green()) <= tolerance &&
                std::abs(c.blue() - colour.blue()) <= tolerance)
                ++n;
        }
    return n;
}

void clickOn(FormWindow* w, const Control& c) {
    QTest::mouseClick(w, Qt::LeftButton, {}, pixelRect(absoluteLeft(c), absoluteTop(c), c.Width, c.Height).center());
}

// Answers the next file dialog as a user would: finds it among the top-level
// widgets once it is up, notes its folder and the name it proposes as
// "folder|name", types `path` unless it is empty and presses Enter. A question
// the dialog asks then is answered No, noted as "|asked"; a dialog still open
// after that is cancelled, noted as "|stayed open".
void answerFileDialog(const QString& path, QString* seen) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, path, seen] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            if (!dialog || !dialog->isVisible()) continue;
            poll->deleteLater();
            poll->stop();
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            *seen = dialog->directory().absolutePath() + QLatin1Char('|') + name->text();
            if (!path.isEmpty()) name->setText(path);
            QTimer question;  // a timer does not fire again while its own handler runs
            QObject::connect(&question, &QTimer::timeout, [seen] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    *seen += QStringLiteral("|asked");
                    QTest::keyClick(box, Qt::Key_Escape);
                }
            });
            question.start(20);
            QTest::keyClick(name, Qt::Key_Return);
            if (dialog->isVisible()) {
                *seen += QStringLiteral("|stayed open");
                dialog->reject();
            }
            return;
        }
    });
    poll->start(20);
}

QImage screenshot(FormWindow& w) {
    QApplication::processEvents();
    return w.grab().toImage();
}

namespace fs = std::filesystem;

// Each run works in a folder of its own whose data tree shares the pictures and
// sounds of the build's tree but has its own copy of the user's files: what a run
// saves never reaches the tree that ./run.sh starts from, nor another run.
class OwnUserFiles : public ::testing::Environment {
public:
    static inline fs::path build;

    void SetUp() override {
        build = fs::current_path();
        work_ = fs::temp_directory_path() / ("kelo-e2e-" + std::to_string(::getpid()));
        fs::remove_all(work_);
        const fs::path tree = build / "Kelo 2020", own = work_ / "Kelo 2020";
        fs::create_directories(own);
        for (const char* shared : {"Grafica", "Suoni", "Kelo"})
            if (fs::exists(tree / shared)) fs::create_directory_symlink(tree / shared, own / shared);
        if (fs::exists(tree / "Dati")) fs::copy(tree / "Dati", own / "Dati", fs::copy_options::recursive);
        for (const char* mine : {"Impostazioni", "Melodie"}) fs::create_directories(own / mine);
        fs::current_path(work_);
    }
    void TearDown() override {
        fs::current_path(build);
        std::error_code ignored;
        fs::remove_all(work_, ignored);
    }

private:
    fs::path work_;
};
const auto* const kOwnUserFiles = ::testing::AddGlobalTestEnvironment(new OwnUserFiles);

void keep(const QImage& image, const char* name) {
    const fs::path folder = OwnUserFiles::build / "artefacts";
    fs::create_directories(folder);
    ASSERT_TRUE(image.save(QString::fromStdString((folder / name).string()))) << name;
}

const QString kSplashFile = QStringLiteral("Kelo 2020/Grafica/Splash Kelo.jpg");

// The program started on the desktop, with the run-time errors it reported.
class ProgramOnTheDesktop : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QFileInfo::exists(kSplashFile)) << "run from the build folder that holds the data tree";
        // A program ended by an earlier test asked the application to quit, which stops
        // every event loop, a dialog's own included, until the application runs again.
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
        desktop.gate().reportError = [this](const std::string& text) { errors.push_back(text); };
        desktop.run([this] {
            program.emplace(desktop.platform());
            program->start();
        });
        ASSERT_TRUE(errors.empty()) << errors.front();
        ASSERT_TRUE(program);
    }

    // After the splash delay the main window comes, and after the greeting the splash is gone.
    FormWindow* greeted() {
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                FormWindow* w = desktop.display().windowOf(program->main);
                return w && w->isVisible();
            },
            5000));
        EXPECT_TRUE(QTest::qWaitFor([&] { return program->main.cmdIncisi.Enabled; }, 6000)) << "no greeting";
        EXPECT_TRUE(errors.empty());
        EXPECT_EQ(desktop.display().windowOf(program->splash), nullptr);
        return desktop.display().windowOf(program->main);
    }

    DesktopPlatform desktop;
    std::vector<std::string> errors;
    std::optional<Program> program;
};

// Started with --screen=1920x1080.
using ProgramOnAWideScreen = ProgramOnTheDesktop;

}  // namespace

TEST_F(ProgramOnTheDesktop, StartsOnTheSplashGreetsOnTheMainWindowAndEndsThroughTheExitQuestion) {
    // The splash is up at once, showing its picture over the whole window.
    FormWindow* splash = desktop.display().windowOf(program->splash);
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
    QImage shown = screenshot(*splash);
    keep(shown, "splash-window.png");
    QImage picture = QImage(kSplashFile).scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LT(meanDifference(shown, picture), 12.0) << "the splash does not show its picture";
    EXPECT_EQ(desktop.display().windowOf(program->main), nullptr) << "the main window came before the splash delay";

    FormWindow* main = greeted();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(program->main.ActiveControl, &program->main.cmdIncisi);
    EXPECT_EQ(main->editorOf(program->main.TxtTitolo)->text(), QStringLiteral("Buongiorno, signori!"))
        << "the title written by a timer tick is not on screen";
    QImage window = screenshot(*main);
    keep(window, "main-window.png");
    EXPECT_EQ(window.size(), QSize(1024, 768));
    // What the cells hold is on screen: the help text in its dark red, the panels behind the regions.
    const Label& help = program->main.lblAvvertimento;
    EXPECT_GT(pixelsNear(window, pixelRect(help.Left, help.Top, help.Width, help.Height), QColor(0xC0, 0, 0), 40), 200);
    EXPECT_GT(pixelsNear(window, window.rect(), qtColour(0xCFEAFE), 0), 50000);

    // Enter composes: the focused compose button is clicked, the banner covers the title.
    QTest::keyClick(main, Qt::Key_Return);
    EXPECT_FALSE(program->main.cmdIncisi.Enabled);
    EXPECT_TRUE(program->main.FraStoComponendo.Visible);
    EXPECT_FALSE(main->editorOf(program->main.TxtTitolo)->isVisible()) << "the title's editor shows through the banner";
    keep(screenshot(*main), "main-window-composing.png");

    // The melody comes onto the staff, gets a title and plays with its position light.
    frmKeloTrundo15& f = program->main;
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.cmdIncisi.Enabled; }, 5000)) << "the reveal did not end";
    EXPECT_FALSE(f.FraStoComponendo.Visible);
    EXPECT_EQ(f.ActiveControl, &f.cmdIncisi);
    EXPECT_NE(main->editorOf(f.TxtTitolo)->text(), QStringLiteral("Buongiorno, signori!"));
    for (int k = 1; k <= 32; ++k) EXPECT_TRUE(desktop.platform().files.exists(f.ImgNota[k].Picture)) << k;
    auto pianoSounding = [&] {
        for (int i = 1; i <= 10; ++i)
            if (desktop.sound().sounding(f.mmcPiano[i])) return true;
        return false;
    };
    // Steps count past 9, so they are compared as numbers, not as text.
    auto stepsPlayed = [&] { return std::stoi(f.lblStepAudio.Caption); };
    ASSERT_TRUE(QTest::qWaitFor([&] { return stepsPlayed() >= 3 && pianoSounding(); }, 2000)) << "silent";
    QImage playing = screenshot(*main);
    keep(playing, "main-window-playing.png");
    int light = 0;
    for (int k = 1; k <= 32; ++k)
        if (f.ShpIndicatore[k].BackColor == ColoreAcceso) light = k;
    ASSERT_GT(light, 0);
    const Shape& lit = f.ShpIndicatore[light];
    EXPECT_GT(pixelsNear(playing, pixelRect(lit.Left, lit.Top, lit.Width, lit.Height), qtColour(ColoreAcceso), 8), 50);

    // A click on the logo shows the engine panel.
    const Image& logo = program->main.ImgLogo;
    QTest::mouseClick(main, Qt::LeftButton, {}, pixelRect(logo.Left, logo.Top, logo.Width, logo.Height).center());
    EXPECT_TRUE(program->main.Frame3.Visible);
    keep(screenshot(*main), "main-window-engine-panel.png");
    QTest::mouseClick(main, Qt::LeftButton, {}, pixelRect(logo.Left, logo.Top, logo.Width, logo.Height).center());
    EXPECT_FALSE(program->main.Frame3.Visible);

    // "Esc" asks; Enter answers the focused "NO"; "SI" says goodbye and the program ends.
    clickOn(main, program->main.lblPuls[0]);
    ASSERT_TRUE(program->main.FraESci.Visible);
    keep(screenshot(*main), "exit-question.png");
    QTest::keyClick(main, Qt::Key_Return);
    EXPECT_FALSE(program->main.FraESci.Visible);
    clickOn(main, program->main.lblPuls[0]);
    clickOn(main, program->main.cmdEsci[0]);
    EXPECT_TRUE(QTest::qWaitFor([&] { return desktop.display().finished(); }, 4000)) << "the farewell did not end it";
    EXPECT_EQ(desktop.display().windowOf(program->main), nullptr);
    EXPECT_TRUE(errors.empty());
}

// A quote in the title would split the proposed name in two in Qt's dialog.
TEST_F(ProgramOnTheDesktop, SavesAMelodyThroughTheFileDialogAndLoadsItBack) {
    FormWindow* main = greeted();
    ASSERT_NE(main, nullptr);
    frmKeloTrundo15& f = program->main;
    QTest::keyClick(main, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.cmdIncisi.Enabled && f.lblPulsante[3].Caption == "O"; }, 5000));
    clickOn(main, f.lblPulsante[3]);  // stop: the file buttons come back
    ASSERT_TRUE(f.lblPuls[1].Enabled);
    f.TxtTitolo.Text = "Ciao \"mondo\"";

    const QString melodies = QDir::current().absoluteFilePath(QStringLiteral("Kelo 2020/Melodie"));
    QString seen;
    answerFileDialog({}, &seen);
    clickOn(main, f.lblPuls[1]);
    EXPECT_EQ(seen, melodies + QStringLiteral("|Ciao mondo.txt"));
    ASSERT_TRUE(QFileInfo::exists(melodies + QStringLiteral("/Ciao mondo.txt")));
    // Typed without ".txt", and with a backslash, which here is part of the name.
    const QString profiles = QDir::current().absoluteFilePath(QStringLiteral("Kelo 2020/Impostazioni"));
    fs::create_directories("Kelo 2020/Impostazioni/sub");
    std::ofstream("Kelo 2020/Impostazioni/sub/profilo.txt") << "mine";
    answerFileDialog(QStringLiteral("sub\\profilo"), &seen);
    clickOn(main, f.lblPuls[3]);
    EXPECT_TRUE(QFileInfo::exists(QStringLiteral("Kelo 2020/Impostazioni/sub\\profilo.txt")));
    EXPECT_TRUE(kelo::support::readFile("Kelo 2020/Impostazioni/sub/profilo.txt") == "mine") << "written over";
    answerFileDialog({}, &seen);
    clickOn(main, f.lblPuls[4]);
    EXPECT_EQ(seen, profiles + QStringLiteral("|sub\\profilo.txt"));
    // Two names answer no one file: Qt would ask about neither as it is saved.
    std::ofstream("Kelo 2020/Impostazioni/victim.txt") << "mine";
    answerFileDialog(QStringLiteral("\"victim\" \"other\""), &seen);
    clickOn(main, f.lblPuls[3]);
    EXPECT_TRUE(seen.endsWith(QStringLiteral("|Nuova.txt|stayed open"))) << seen.toStdString();
    EXPECT_TRUE(kelo::support::readFile("Kelo 2020/Impostazioni/victim.txt") == "mine") << "replaced unasked";

    f.TxtTitolo.Text = "un'altra";
    answerFileDialog({}, &seen);  // the name of the dialog's last use
    clickOn(main, f.lblPuls[2]);
    EXPECT_EQ(seen, melodies + QStringLiteral("|Ciao mondo.txt"));
    EXPECT_FALSE(f.cmdIncisi.Enabled);
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.cmdIncisi.Enabled; }, 5000)) << "the loaded melody was not revealed";
    EXPECT_EQ(main->editorOf(f.TxtTitolo)->text(), QStringLiteral("Ciao \"mondo\""));
    EXPECT_EQ(f.lblPulsante[3].Caption, "O");
    keep(screenshot(*main), "main-window-melody-loaded.png");
    EXPECT_TRUE(errors.empty());
    desktop.run([&] { desktop.display().unload(program->main); });
}

TEST_F(ProgramOnAWideScreen, FillsTheScreenAndKeepsTheGreetingWholeInItsBox) {
    FormWindow* main = greeted();
    ASSERT_NE(main, nullptr);
    QImage window = screenshot(*main);
    keep(window, "main-window-1920x1080.png");
    EXPECT_EQ(window.size(), QSize(1920, 1080));
    const QLineEdit* title = main->editorOf(program->main.TxtTitolo);
    EXPECT_EQ(title->text(), QStringLiteral("Buongiorno, signori!"));
    EXPECT_LE(QFontMetrics(title->font()).height(), title->height()) << "the greeting is cut at its bottom";
    desktop.run([&] { desktop.display().unload(program->main); });
}
