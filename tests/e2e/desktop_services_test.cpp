// The file dialogs' filter, in the form Qt takes it, and their language.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QLocale>
#include <QPushButton>

#include "platform/desktop/desktop_platform.h"
#include "platform/desktop/qt_file_dialogs.h"

using namespace kelo;

TEST(QtFileDialogs, TurnsTheProgramsFilterIntoQtsForm) {
    EXPECT_EQ(QtFileDialogs::qtFilter("File di testo (*.txt)|*.txt"), QStringLiteral("File di testo (*.txt)"));
    EXPECT_EQ(QtFileDialogs::qtFilter("Testo|*.txt|Tutti (*.*)|*.*"), QStringLiteral("Testo (*.txt);;Tutti (*.*)"));
    EXPECT_EQ(QtFileDialogs::qtFilter("Immagini|*.jpg;*.png"), QStringLiteral("Immagini (*.jpg *.png)"));
}

// The dialogs are the platform's and speak the user's language, as they did where
// the old program ran. CTest runs this as the machine is set up and under Italian.
TEST(QtFileDialogs, SpeakTheUsersLanguage) {
    const QLocale::Language language = QLocale::system().language();
    if (language != QLocale::Italian && language != QLocale::English && language != QLocale::C) GTEST_SKIP();
    DesktopPlatform desktop;
    const QDialogButtonBox box(QDialogButtonBox::Save | QDialogButtonBox::Cancel);  // as the save dialog shows them
    EXPECT_EQ(
        (box.button(QDialogButtonBox::Save)->text() + "|" + box.button(QDialogButtonBox::Cancel)->text()).toStdString(),
        language == QLocale::Italian ? "Salva|Annulla" : "Save|Cancel");
}
