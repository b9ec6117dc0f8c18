// Qt's own texts, and its font and file dialogs as the program opens them, in
// Spanish. This program runs under the C locale (its test definition sets
// LC_ALL=C), where Qt writes the file list's sizes and dates in English unless
// the program steps in.
#include "platform/qt_dialog_texts.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QKeySequence>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QStandardPaths>
#include <QStyledItemDelegate>
#include <QTemporaryDir>
#include <QThread>
#include <QTreeView>

#include "app/clipped_texts.h"
#include "app/translations.h"

namespace glifora {
namespace {

using ::testing::IsEmpty;

TEST(QtDialogTexts, QtTextsLocaleAndShortcutsAreSpanish) {
    ASSERT_TRUE(InstallSpanish());
    EXPECT_TRUE(InstallSpanish());  // a second call neither fails nor stacks catalogues
    // The file dialog's and the standard buttons' own texts (its dates and
    // numbers: FileSizesAndDatesReadSpanishAndShowWhole).
    EXPECT_NE(QCoreApplication::translate("QFileDialog", "Look in:"), "Look in:");
    EXPECT_NE(QCoreApplication::translate("QFileDialog", "File &name:"), "File &name:");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancelar");
    EXPECT_EQ(QLocale().language(), QLocale::Spanish);
    // Shortcut texts as the menus draw them (the window's own: frm_main_test).
    EXPECT_EQ(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S).toString(QKeySequence::NativeText),
              "Ctrl+Mayús+S");
}

QListView* StyleList(QFontDialog& dialog) {
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    return qobject_cast<QListView*>(grid->itemAtPosition(2, 2)->widget());
}

TEST(QtDialogTexts, FontStylesReadSpanishAndPickTheFontQtPicks) {
    EXPECT_EQ(SpanishFontStyle("Bold Oblique"), "Negrita oblicua");
    EXPECT_EQ(SpanishFontStyle("Condensed Bold Italic"), "Condensada negrita cursiva");
    EXPECT_EQ(SpanishFontStyle("ExtraLight"), "Extrafina");
    EXPECT_EQ(SpanishFontStyle("Semi Bold"), "Seminegrita");
    EXPECT_EQ(SpanishFontStyle("Display Bold"), "Display negrita");
    EXPECT_EQ(SpanishFontStyles({"Book", "Regular", "Normal"}),
              (QStringList{"Normal (Book)", "Normal (Regular)", "Normal"}));

    ASSERT_TRUE(InstallSpanish());
    for (const char* family : {"DejaVu Sans", "DejaVu Serif", "Liberation Sans"}) {
        QFontDialog qt(QFont(family, 12)), ours(QFont(family, 12));
        PrepareFontDialog(ours);
        QListView* qtList = StyleList(qt);
        QListView* ourList = StyleList(ours);
        const auto* shown = ours.findChild<QLineEdit*>("fontStyleShown");
        ASSERT_NE(shown, nullptr);
        ASSERT_EQ(ourList->model()->rowCount(), qtList->model()->rowCount()) << family;
        ASSERT_GT(ourList->model()->rowCount(), 2) << family;
        for (int row = 0; row < qtList->model()->rowCount(); ++row) {
            qtList->setCurrentIndex(qtList->model()->index(row, 0));
            ourList->setCurrentIndex(ourList->model()->index(row, 0));
            qt.accept();
            ours.accept();
            const QString style = ourList->model()->index(row, 0).data().toString();
            EXPECT_EQ(ours.selectedFont(), qt.selectedFont()) << family << style.toStdString();
            const QString spanish = SpanishFontStyle(style);
            EXPECT_EQ(shown->text(), spanish);
            const auto* delegate = qobject_cast<const QStyledItemDelegate*>(
                ourList->itemDelegateForIndex(ourList->model()->index(row, 0)));
            EXPECT_EQ(delegate->displayText(style, QLocale()), spanish);
        }
        // Every Spanish name whole in the list, the family with the longest.
        ours.show();
        QApplication::processEvents();
        EXPECT_THAT(test::ClippedTexts(&ours), IsEmpty()) << family;
    }
}

TEST(QtDialogTexts, TheFontDialogOpensOnTheStyleAskedFor) {
    // Qt alone selects "Oblique" for the first two, the first style listed.
    for (auto [family, italic, bold, style] : {std::tuple{"DejaVu Sans Mono", false, false, "Book"},
                                               {"DejaVu Sans", false, false, "Book"},
                                               {"DejaVu Serif", true, false, "Italic"},
                                               {"DejaVu Sans", true, true, "Bold Oblique"},
                                               {"Liberation Mono", false, false, "Regular"}}) {
        QFont wanted(family, 10);
        wanted.setItalic(italic);
        wanted.setBold(bold);
        QFontDialog dialog(wanted);
        PrepareFontDialog(dialog);
        SelectClosestStyle(dialog, wanted);
        EXPECT_EQ(StyleList(dialog)->currentIndex().data().toString(), style) << family;
        dialog.accept();
        EXPECT_EQ(dialog.selectedFont().italic(), italic) << family;
        EXPECT_EQ(dialog.selectedFont().pointSize(), 10) << family;
    }
}

// Waits for Qt's file model to list `rows` entries of the shown folder.
bool WaitForRows(QTreeView* tree, int rows) {
    QElapsedTimer clock;
    clock.start();
    while (tree->model()->rowCount(tree->rootIndex()) < rows && clock.elapsed() < 10000) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
    return tree->model()->rowCount(tree->rootIndex()) == rows;
}

TEST(QtDialogTexts, FileSizesAndDatesReadSpanishAndShowWhole) {
    ASSERT_EQ(QLocale::system().name(), "C");
    ASSERT_TRUE(InstallSpanish());
    QStandardPaths::setTestModeEnabled(true);  // Qt keeps the dialog's state among the settings
    QTemporaryDir dir;
    QFile picture(dir.filePath("dibujo.bmp"));
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    picture.write(QByteArray(12345, 'x'));
    picture.flush();  // before the time is set, or writing it out sets it again
    ASSERT_TRUE(picture.setFileTime(QDateTime(QDate(2026, 3, 5), QTime(14, 7)),
                                    QFileDevice::FileModificationTime));
    picture.close();
    ASSERT_TRUE(QDir(dir.path()).mkdir("carpeta"));

    QFileDialog dialog(nullptr, "Abrir", dir.path());
    dialog.setViewMode(QFileDialog::Detail);
    PrepareFileDialog(dialog);
    dialog.show();
    auto* tree = dialog.findChild<QTreeView*>("treeView");
    ASSERT_NE(tree, nullptr);
    ASSERT_TRUE(WaitForRows(tree, 2));
    const QAbstractItemModel* model = tree->model();
    for (int row = 0; row < 2; ++row) {
        const QModelIndex name = model->index(row, 0, tree->rootIndex());
        const std::string size = name.siblingAtColumn(1).data().toString().toStdString();
        const std::string date = name.siblingAtColumn(3).data().toString().toStdString();
        if (name.data().toString() == "carpeta") {
            EXPECT_EQ(size, "");
            EXPECT_EQ(name.siblingAtColumn(2).data().toString(), "Carpeta");
        } else {
            EXPECT_EQ(size, "12,06 KiB");
            EXPECT_EQ(date, "5/3/26 14:07");
        }
    }
    EXPECT_THAT(test::ClippedTexts(&dialog), IsEmpty());
}

}  // namespace
}  // namespace glifora
