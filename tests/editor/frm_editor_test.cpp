// The editor window on the offscreen platform, driven by mouse events.
#include "editor/frm_editor.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <memory>

#include "platform/ansi.h"
#include "platform/text_metrics.h"
#include "recording_canvas.h"
#include "scripted_dialogs.h"
#include "test_support.h"

namespace glifora {
namespace {

class EditorWindow : public ::testing::Test {
  protected:
    test::ScriptedDialogs dialogs;
    EditorDocument doc;
    std::unique_ptr<frmEditor> w = Open();

    std::unique_ptr<frmEditor> Open() {
        return std::make_unique<frmEditor>(dialogs, doc, TextFont{"DejaVu Sans Mono", 8});
    }

    void Send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent e(type, QPointF(at), w->picDraw->mapToGlobal(QPointF(at)), button, held,
                      Qt::NoModifier);
        QApplication::sendEvent(w->picDraw, &e);
    }
    void Press(QPoint at, Qt::MouseButton b = Qt::LeftButton) {
        Send(QEvent::MouseButtonPress, at, b, b);
    }
    void MoveTo(QPoint at, Qt::MouseButtons held = Qt::LeftButton) {
        Send(QEvent::MouseMove, at, Qt::NoButton, held);
    }
    void Release(QPoint at, Qt::MouseButton b = Qt::LeftButton) {
        Send(QEvent::MouseButtonRelease, at, b, Qt::NoButton);
    }
    void Tool(const char* key) { w->TbTool->findChild<QAction*>(key)->trigger(); }
    void Choose(int code) {
        w->cmd1->click();
        QListWidgetItem* item = w->lstCaracteres->item(code - 31);
        emit w->lstCaracteres->itemClicked(item);
    }
    // Whether any pixel of a cell's area is black.
    bool Inked(int column, int row) const {
        const QImage& image = w->picDraw->Image();
        const CanvasPoint p = CellToPixel(column, row);
        for (int y = p.y + 1; y < p.y + kCellHeight; ++y)
            for (int x = p.x + 1; x < p.x + kCellWidth; ++x)
                if (image.pixel(x, y) == qRgb(0, 0, 0)) return true;
        return false;
    }
};

TEST_F(EditorWindow, OpensWithItsGridAndNoToolChosen) {
    EXPECT_EQ(w->picDraw->GlyphFont(), MakeTextArtFont("DejaVu Sans Mono", 10));
    // The button shows "Libre" pressed, yet no tool is chosen.
    EXPECT_TRUE(w->TbTool->findChild<QAction*>("Libre")->isChecked());
    EXPECT_EQ(w->Tools().Tool(), EditorTool::None);
    EXPECT_EQ(w->picDraw->Image().pixel(8, 5), qRgb(0xE0, 0xE0, 0xE0));  // a grid line
    EXPECT_EQ(w->picDraw->Image().pixel(4, 5), qRgb(255, 255, 255));
}

TEST_F(EditorWindow, CharacterListOffersCodes31To127) {
    EXPECT_TRUE(w->lstCaracteres->isHidden());
    ASSERT_EQ(w->lstCaracteres->count(), 97);
    EXPECT_EQ(w->lstCaracteres->item(0)->text(), QString(QChar(31)));
    EXPECT_EQ(w->lstCaracteres->item(96)->text(), QString(QChar(127)));
    w->cmd1->click();
    EXPECT_FALSE(w->lstCaracteres->isHidden());
    Choose('@');
    EXPECT_TRUE(w->lstCaracteres->isHidden());
}

TEST_F(EditorWindow, ToolButtonsAndMouseEventsDriveTheTools) {
    Tool("Libre");
    Choose('X');
    MoveTo({20, 30}, Qt::NoButton);
    EXPECT_EQ(w->PanelText(), "(3,3)");
    EXPECT_EQ(doc.Cell(3, 3), " ");
    Press({20, 30});
    MoveTo({28, 30});
    Release({28, 30});
    EXPECT_EQ(test::RowText(doc, 3, 3, 4), "XX");
    EXPECT_TRUE(Inked(3, 3));

    // Erasing hides the glyph; the cell keeps it.
    Tool("Borrar");
    Press({20, 30});
    Release({20, 30});
    EXPECT_FALSE(Inked(3, 3));
    EXPECT_EQ(doc.Cell(3, 3), "X");
}

TEST_F(EditorWindow, BoxToolsPaintWhatTheBandCovers) {
    Tool("CajaR");
    Choose('o');
    const QImage before = w->picDraw->Image();
    Press({16, 24});
    MoveTo({30, 40});
    // The band inverts a dashed outline from the grid point (16, 24).
    EXPECT_EQ(w->picDraw->Image().pixel(16, 24), qRgb(0x1F, 0x1F, 0x1F));
    Press({16, 24}, Qt::RightButton);  // a new press wipes a band left standing
    EXPECT_EQ(w->picDraw->Image(), before);
    Release({16, 24}, Qt::RightButton);
    Press({16, 24});
    MoveTo({48, 60});
    Release({48, 60});
    EXPECT_EQ(test::Rows(doc, 3, 5, 3, 6), "+--+/|oo|/+--+");
}

TEST_F(EditorWindow, ScrollBarsMoveTheCanvasInWholeSteps) {
    w->HScroll1->setValue(-51);  // 244.8 -> 245 -> 40 steps of 6
    EXPECT_EQ(w->picDraw->x(), -240);
    w->VScroll1->setValue(-100);  // 325 -> 27 rows
    EXPECT_EQ(w->picDraw->y(), -324);
    w->Action("mnuCLS")->trigger();
    EXPECT_EQ(w->picDraw->pos(), QPoint(-240, -324));  // commands keep the scroll
}

TEST_F(EditorWindow, ReopeningClearsEveryPaintableCellAndForgetsTheTool) {
    w->LoadEditorText(std::string(100, 'a'));
    Tool("Libre");
    Choose('Z');
    w.reset();
    EXPECT_EQ(doc.Canvas(), nullptr);
    EXPECT_EQ(doc.Cell(1, 1), "a");  // the grid outlives the window

    w = Open();
    EXPECT_EQ(doc.Cell(1, 1) + doc.Cell(100, 1), "  ");
    EXPECT_EQ(w->Tools().Tool(), EditorTool::None);
    EXPECT_EQ(w->Tools().Character(), "");
    w->LoadEditorText("b");
    w->LoadEditorText("");  // loading while open paints over without clearing
    EXPECT_EQ(doc.Cell(1, 1), "b");
}

TEST_F(EditorWindow, SavesAndCopiesTheVisibleArt) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("arte.txt").toStdString();
    w->Action("mnuGuardar")->trigger();
    EXPECT_EQ(dialogs.Count("save"), 0);  // nothing to save yet

    w->LoadEditorText("  /\\  \r\n \xC9 ");
    dialogs.savePaths.push_back(path);
    w->Action("mnuGuardar")->trigger();
    EXPECT_EQ(test::ReadFile(path), "  /\\\r\n \xC9\r\n");

    const std::string bad = dir.filePath("no/such/folder/arte.txt").toStdString();
    dialogs.savePaths.push_back(bad);
    w->Action("mnuGuardar")->trigger();
    EXPECT_EQ(dialogs.Count("message"), 1);

    w->Action("mnuClipboard")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("  /\\\r\n É"));
    EXPECT_EQ(dialogs.Last("message")->text,
              "Dibujo copiado en el portapapeles.\nUsar fuente: DejaVu Sans Mono Tamaño: 8");
}

TEST_F(EditorWindow, MenusTransformTheGrid) {
    w->LoadEditorText("Ab/");
    w->Action("mnuMinMay")->trigger();
    w->Action("mnuFlipCaracterH")->trigger();
    EXPECT_EQ(test::RowText(doc, 1, 98, 100), "\\BA");
    EXPECT_TRUE(Inked(100, 1));
    w->Action("mnuCLS")->trigger();
    EXPECT_EQ(test::RowText(doc, 1, 98, 100), "   ");
    EXPECT_FALSE(Inked(100, 1));
}

TEST_F(EditorWindow, TheSmallButtonShowsItsWholeCaption) {
    EXPECT_LE(w->cmd1->fontMetrics().horizontalAdvance(w->cmd1->text()), w->cmd1->width() - 2);
}

}  // namespace
}  // namespace glifora
