// The file dialogs' filter, in the form Qt takes it.
#include <gtest/gtest.h>

#include "platform/desktop/qt_file_dialogs.h"

using namespace kelo;

TEST(QtFileDialogs, TurnsTheProgramsFilterIntoQtsForm) {
    EXPECT_EQ(QtFileDialogs::qtFilter("File di testo (*.txt)|*.txt"), QStringLiteral("File di testo (*.txt)"));
    EXPECT_EQ(QtFileDialogs::qtFilter("Testo|*.txt|Tutti (*.*)|*.*"), QStringLiteral("Testo (*.txt);;Tutti (*.*)"));
    EXPECT_EQ(QtFileDialogs::qtFilter("Immagini|*.jpg;*.png"), QStringLiteral("Immagini (*.jpg *.png)"));
}
