// Qt's own texts (file dialog, standard buttons, shortcuts, numbers) in Spanish.
#include "app/translations.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDate>
#include <QKeySequence>
#include <QLocale>

namespace glifora {
namespace {

TEST(Translations, QtTextsLocaleAndShortcutsAreSpanish) {
    ASSERT_TRUE(InstallSpanish());
    EXPECT_TRUE(InstallSpanish());  // a second call neither fails nor stacks catalogues
    // The file dialog's and the standard buttons' own texts.
    EXPECT_NE(QCoreApplication::translate("QFileDialog", "Look in:"), "Look in:");
    EXPECT_NE(QCoreApplication::translate("QFileDialog", "File &name:"), "File &name:");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancelar");
    // Dates and numbers, as the file dialog's details view shows them.
    EXPECT_EQ(QLocale().language(), QLocale::Spanish);
    EXPECT_EQ(QLocale().toString(1234.5, 'f', 1), "1234,5");
    EXPECT_EQ(QLocale().monthName(3), "marzo");
    // Shortcut texts as the menus draw them (the window's own: frm_main_keys_test).
    EXPECT_EQ(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S).toString(QKeySequence::NativeText),
              "Ctrl+Mayús+S");
}

}  // namespace
}  // namespace glifora
