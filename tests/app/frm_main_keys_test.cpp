// The main window's traps and keys: a read-only text box, commands run with
// no picture loaded, helpers that cannot start, and the usual shortcuts.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFontMetrics>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolBar>

#include "app/frm_main.h"
#include "filters/frm_efect_config.h"
#include "scripted_dialogs.h"
#include "test_helpers.h"

namespace glifora {
namespace {

class WindowKeys : public test::InTempDir {
  protected:
    test::ScriptedDialogs dialogs;
    frmMain w{dialogs};

    QAction* Tool(const char* key) { return w.Toolbar1->findChild<QAction*>(key); }
    void LoadAndPlay() {
        ASSERT_TRUE(w.LoadPictureFile(Bmp("p.bmp", Raster(60, 40, 0))));
        w.Play();
    }
};

TEST_F(WindowKeys, TheTextBoxTakesNoTypingButCopiesBySelection) {
    LoadAndPlay();
    const QString shown = w.txtAscii->toPlainText();
    w.txtAscii->setFocus();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
    QApplication::sendEvent(w.txtAscii, &press);
    EXPECT_EQ(w.txtAscii->toPlainText(), shown);
    EXPECT_TRUE(w.txtAscii->isReadOnly());
    EXPECT_TRUE(w.txtAscii->textInteractionFlags() & Qt::TextSelectableByMouse);
    w.txtAscii->selectAll();
    w.txtAscii->copy();
    EXPECT_FALSE(QApplication::clipboard()->text().isEmpty());
}

TEST_F(WindowKeys, WithNoPicturePlayAlwaysSaysWhyAfterAnyImageCommand) {
    // Every entry of the image menus, then "Aplicar" if the strength dialog
    // opened, then every toolbar command: Play must still ask for a picture.
    QList<QAction*> entries;
    for (QMenu* menu : w.Menu("mnuImagen")->findChildren<QMenu*>())
        for (QAction* a : menu->actions())
            if (!a->menu() && !a->isSeparator()) entries << a;
    ASSERT_GT(entries.size(), 10);
    for (QAction* entry : entries) {
        entry->trigger();
        if (w.EfectConfig()->isVisible()) w.EfectConfig()->cmdApply->click();
        for (QAction* tool : w.Toolbar1->actions()) {
            const int asked = dialogs.Count("ask");
            dialogs.answers.push_back(false);
            tool->trigger();
            if (tool == Tool("Play")) {
                EXPECT_EQ(dialogs.Count("ask"), asked + 1) << entry->objectName().toStdString();
            }
            dialogs.answers.clear();
        }
        EXPECT_FALSE(w.Picture().HasPicture()) << entry->objectName().toStdString();
    }
}

TEST_F(WindowKeys, HelpersThatCannotStartAreNamedInAMessage) {
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", dir.path().toLocal8Bit());  // no program can be found
    w.Action("mnuCharMap")->trigger();
    w.Action("mnuMailAutor")->trigger();
    qputenv("PATH", path);
    ASSERT_EQ(dialogs.Count("message"), 2);
    std::string texts;
    for (const auto& call : dialogs.calls)
        if (call.kind == "message") texts += call.text;
    for (const char* name : {"gucharmap", "gnome-characters", "kcharselect", "correo"})
        EXPECT_NE(texts.find(name), std::string::npos) << name;
}

TEST_F(WindowKeys, UsualKeysAndEscapeLeavesThePreview) {
    EXPECT_EQ(Tool("CargarImagen")->shortcut(), QKeySequence(QKeySequence::Open));
    EXPECT_EQ(Tool("Guardar")->shortcut(), QKeySequence(QKeySequence::Save));
    EXPECT_EQ(Tool("Play")->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(Tool("VistaPrevia")->shortcut(), QKeySequence(Qt::Key_F11));
    EXPECT_EQ(w.Action("mnuClipboard")->shortcut(), QKeySequence(QKeySequence::Copy));
    EXPECT_EQ(w.Action("mnuUndoPicture")->shortcut().toString(QKeySequence::NativeText), "Ctrl+Z");
    EXPECT_TRUE(Tool("Guardar")->toolTip().endsWith("(Ctrl+S)"));
    LoadAndPlay();
    Tool("VistaPrevia")->trigger();
    ASSERT_NE(w.Preview(), nullptr);
    EXPECT_TRUE(w.Preview()->isVisible());
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(w.Preview()->txtAscii, &escape);
    EXPECT_FALSE(w.Preview()->isVisible());
}

TEST_F(WindowKeys, TheBorderNoteFitsOnOneLineAndTicksShowOnTheNavyFrames) {
    const QLabel* note = w.mrcWeb->findChild<QLabel*>("lblBordesNota");
    ASSERT_NE(note, nullptr);
    const QFontMetrics metrics(note->font());
    EXPECT_GE(note->font().pointSizeF(), w.mrcWeb->font().pointSizeF());
    EXPECT_LE(metrics.horizontalAdvance(note->text()), note->width());
    EXPECT_LE(metrics.height(), note->height() + 1);
    // Every border button has room (no overflow menu).
    for (QAction* border : w.TBBordesWeb->actions())
        EXPECT_LE(w.TBBordesWeb->actionGeometry(border).right(), w.TBBordesWeb->width())
            << border->objectName().toStdString();
    // A ticked box shows dark pixels (the tick) inside its white indicator.
    w.show();
    for (QCheckBox* box : {w.chkAsciiNegativo, w.chkWebCalidad}) {
        box->setChecked(true);
        const QImage image = box->grab().toImage();
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < std::min(image.width(), 18); ++x)
                if (qGray(image.pixel(x, y)) < 90 && QColor(image.pixel(x, y)).blue() < 90) ++dark;
        EXPECT_GE(dark, 4) << box->objectName().toStdString();
    }
}

}  // namespace
}  // namespace glifora
