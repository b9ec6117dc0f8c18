// The main window driven through its actions with scripted dialogs.
#include "app/frm_main.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QImage>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

#include "app/widgets.h"
#include "editor/frm_editor.h"
#include "platform/ansi.h"
#include "platform/scroll_rule.h"
#include "scripted_dialogs.h"
#include "test_helpers.h"

namespace glifora {
namespace {

using test::UsedFace;

class MainWindow : public test::InTempDir {
  protected:
    test::ScriptedDialogs dialogs;
    std::unique_ptr<frmMain> w = std::make_unique<frmMain>(dialogs);

    std::string Picture(int width, int height, ColorValue fill = 0x808080,
                        const char* name = "p.bmp") {
        return Bmp(name, Raster(width, height, fill));
    }
    void Load(const std::string& path) {
        dialogs.openPaths.push_back(path);
        w->Action("mnuLoadImage")->trigger();
    }
    void Tool(const char* key) { w->Toolbar1->findChild<QAction*>(key)->trigger(); }
};

TEST_F(MainWindow, StartsInAsciiModeWithTheDefaults) {
    EXPECT_TRUE(w->AsciiMode());
    EXPECT_FALSE(w->HScroll1->isEnabled());
    EXPECT_FALSE(w->VScroll1->isEnabled());
    EXPECT_FALSE(w->mrcAscii->isHidden());
    EXPECT_TRUE(w->mrcWeb->isHidden());
    EXPECT_FALSE(w->cmdGIFAvance->isEnabled());
    EXPECT_FALSE(w->Action("mnuEditor")->isEnabled());
    EXPECT_FALSE(w->Action("mnuImageReload")->isEnabled());
    EXPECT_TRUE(w->cmd1->isHidden());
}

TEST_F(MainWindow, PlayWithoutAPictureOffersToLoadOneAndDoesNotConvert) {
    for (bool ascii : {true, false}) {
        w->SetMode(ascii);
        dialogs.answers.push_back(false);
        Tool("Play");
        ASSERT_EQ(dialogs.Count("ask"), ascii ? 1 : 2);
        EXPECT_EQ(dialogs.Last("ask")->text,
                  "Antes debe cargar una imagen\n¿Desea cargarla ahora?");
        EXPECT_EQ(dialogs.Count("open"), 0);
    }
    dialogs.answers.push_back(true);
    dialogs.openPaths.push_back(Picture(50, 40));
    w->SetMode(true);
    Tool("Play");
    EXPECT_EQ(dialogs.Count("open"), 1);
    EXPECT_TRUE(w->Picture().HasPicture());
    EXPECT_TRUE(w->TextArt().empty());
    EXPECT_TRUE(w->txtAscii->toPlainText().isEmpty());
}

TEST_F(MainWindow, LoadingEnablesTheBarsOnlyBeyondTheFrame) {
    Load(Picture(283, 253));
    EXPECT_EQ(w->picMain->size(), QSize(283, 253));
    EXPECT_FALSE(w->HScroll1->isEnabled());
    EXPECT_FALSE(w->VScroll1->isEnabled());
    Load(Picture(284, 254, 0x808080, "q.bmp"));
    EXPECT_TRUE(w->HScroll1->isEnabled());
    EXPECT_TRUE(w->VScroll1->isEnabled());
}

TEST_F(MainWindow, AFailedLoadKeepsThePictureAndSaysSo) {
    Load(Picture(60, 30, 0x112233));
    const Raster before = w->Picture().Displayed();
    const std::string bad = Path("bad.bmp");
    test::WriteFile(bad, "no es una imagen");
    Load(bad);
    const auto* box = dialogs.Last("message");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text, "No se ha podido cargar la imagen");
    EXPECT_EQ(box->icon, MessageIcon::Stop);
    EXPECT_EQ(w->Picture().Displayed(), before);
    // A cancelled dialog changes nothing and says nothing.
    const int messages = dialogs.Count("message");
    w->Action("mnuLoadImage")->trigger();
    EXPECT_EQ(dialogs.Count("message"), messages);
    EXPECT_EQ(w->Picture().Displayed(), before);
}

TEST_F(MainWindow, ScrollBarsMoveThePictureByTheFixedRule) {
    // Each bar's last value brings the hidden part's far edge to the frame's
    // edge, at every size; steps stay 6 and 12 pixels up to there.
    for (const auto& [width, height] :
         {std::pair{300, 100}, {480, 360}, {2000, 1000}, {284, 254}}) {
        Load(Picture(width, height, 0x808080, "size.bmp"));
        w->HScroll1->setValue(w->HScroll1->maximum());
        EXPECT_EQ(w->picMain->x(), kFrameWidth - width);
        EXPECT_EQ(w->picMain->y(), 0);
        if (height > kFrameHeight) {
            w->VScroll1->setValue(w->VScroll1->maximum());
            EXPECT_EQ(w->picMain->y(), kFrameHeight - height);
            w->VScroll1->setValue(w->VScroll1->maximum() / 2);
            EXPECT_EQ(w->picMain->y() % 12, 0);
            w->VScroll1->setValue(0);
        }
        w->HScroll1->setValue(w->HScroll1->maximum() / 3);
        EXPECT_EQ(w->picMain->x() % 6, 0);
        w->HScroll1->setValue(0);
        EXPECT_EQ(w->picMain->x(), 0);
    }
    // Undo twice gives the picture before the change.
    const Raster loaded = w->Picture().Displayed();
    w->SaveUndo();
    w->Picture().Displayed().Fill(0xFF0000);
    w->Action("mnuUndoPicture")->trigger();
    w->Action("mnuUndoPicture")->trigger();
    EXPECT_EQ(w->Picture().Displayed(), loaded);
}

TEST_F(MainWindow, PlayFillsTheTextAndModeSwitchingKeepsIt) {
    Load(Picture(200, 100, 0xFFFFFF));
    Tool("Play");
    ASSERT_FALSE(w->TextArt().empty());
    EXPECT_EQ(w->TextArt().find_first_not_of(" \r\n"), std::string::npos);  // white: blanks
    const size_t firstRow = w->TextArt().find("\r\n");
    EXPECT_EQ(static_cast<int>(firstRow), w->ColumnCount());
    const QString shown = w->txtAscii->toPlainText();
    w->tbModo->findChild<QAction*>("WebArt")->trigger();
    EXPECT_EQ(w->PanelText("Modo"), "MODO WEBART");
    EXPECT_TRUE(w->mrcAscii->isHidden());
    EXPECT_FALSE(w->mrcWeb->isHidden());
    EXPECT_EQ(w->txtAscii->toPlainText(), shown);
    w->tbModo->findChild<QAction*>("AsciiArt")->trigger();
    EXPECT_EQ(w->PanelText("Modo"), "MODO ASCIIART");
}

TEST_F(MainWindow, AThinPictureAtFullSizeIsRefusedWithAMessage) {
    Load(Picture(1, 1000000, 0x000000));
    w->lbl100->clicked();
    ASSERT_GT(w->ColumnCount(), 30);
    Tool("Play");
    const auto* box = dialogs.Last("message");
    ASSERT_NE(box, nullptr);
    EXPECT_NE(box->text.find("demasiado estrecha"), std::string::npos);
    EXPECT_TRUE(w->TextArt().empty());
}

TEST_F(MainWindow, SizeLabelsMoveTheSliderAndTheColumns) {
    w->lbl100->clicked();
    EXPECT_EQ(w->sldTamaño->value(), 51);
    const int at51 = w->ColumnCount();
    w->lblTamañoAsciiMax->clicked();
    EXPECT_EQ(w->sldTamaño->value(), 100);
    EXPECT_GT(w->ColumnCount(), at51);
    w->lblTamañoAsciiMin->clicked();
    EXPECT_EQ(w->sldTamaño->value(), 1);
    w->sldLuminosidad->setValue(40);
    w->Label1->clicked();
    EXPECT_EQ(w->sldLuminosidad->value(), 0);
    // Moving a slider unticks the preview option.
    w->chkAsciiPrev->setChecked(true);
    w->sldLuminosidad->setValue(10);
    EXPECT_FALSE(w->chkAsciiPrev->isChecked());
}

TEST_F(MainWindow, SavesTheSignatureLineAndTheTextByteForByte) {
    Load(Picture(100, 60, 0));
    Tool("Play");
    const std::string path = Path("art.txt");
    dialogs.savePaths.push_back(path);
    Tool("Guardar");
    EXPECT_EQ(dialogs.Last("save")->extension, "txt");
    EXPECT_EQ(test::ReadFile(path),
              "Ascii Art generado por Glifora. Fuente: " + UsedFace("Lucida Console") +
                  " Tama\xF1o: 6\r\n" + w->TextArt() + "\r\n");
    // Cancelling leaves the disk alone; an unwritable path is reported.
    test::WriteFile(path, "old");
    Tool("Guardar");
    EXPECT_EQ(test::ReadFile(path), "old");
    dialogs.savePaths.push_back(Path("missing/art.txt"));
    Tool("Guardar");
    ASSERT_NE(dialogs.Last("message"), nullptr);
    EXPECT_EQ(dialogs.Last("message")->text.rfind("No se ha podido guardar el archivo", 0), 0u);
    EXPECT_FALSE(test::FileExists(Path("missing/art.txt")));
}

TEST_F(MainWindow, CopiesTheTextAndNamesTheFont) {
    w->Action("mnuClipboard")->trigger();
    EXPECT_EQ(dialogs.Count("message"), 0);  // nothing to copy yet
    Load(Picture(40, 40, 0x202020));
    Tool("Play");
    w->Action("mnuClipboard")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), AnsiToUnicode(w->TextArt()));
    ASSERT_EQ(dialogs.Count("message"), 1);
    EXPECT_EQ(dialogs.Last("message")->text, "Dibujo copiado en el portapapeles.\nUsar fuente: " +
                                                 UsedFace("Lucida Console") + " Tamaño: 6");
}

TEST_F(MainWindow, ThePreviewTakesTheChosenColours) {
    Load(Picture(40, 40, 0x202020));
    Tool("Play");
    dialogs.colors = {MakeColor(255, 0, 0), -1, MakeColor(0, 0, 255)};
    w->lblAsciiForeColor->clicked();  // red
    w->lblAsciiForeColor->clicked();  // cancelled: stays red
    w->lblAsciiBackcolor->clicked();  // blue
    EXPECT_EQ(w->TextForeColor(), MakeColor(255, 0, 0));
    EXPECT_EQ(w->TextBackColor(), MakeColor(0, 0, 255));
    Tool("VistaPrevia");
    ASSERT_NE(w->Preview(), nullptr);
    const QPalette p = w->Preview()->txtAscii->palette();
    EXPECT_EQ(p.color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(p.color(QPalette::Base), QColor(0, 0, 255));
    EXPECT_EQ(w->Preview()->txtAscii->toPlainText(),
              AnsiToUnicode(w->TextArt()).replace("\r\n", "\n"));
}

TEST_F(MainWindow, FontChangesAskToRegenerateOnlyWhenSomethingChanged) {
    // Cancel: nothing asked, nothing changed. The dialog opens at height 8 (6 x 1.335).
    w->Action("mnuFontsChange")->trigger();
    ASSERT_EQ(dialogs.Count("font"), 1);
    EXPECT_EQ(dialogs.Last("font")->font.height, 8);
    EXPECT_EQ(dialogs.Last("font")->font.face, UsedFace("Lucida Console"));
    EXPECT_EQ(dialogs.Last("font")->font.points, 6);
    // A change while the text box is empty re-measures silently.
    dialogs.fonts.push_back({"DejaVu Sans Mono", -16, true, true});
    w->Action("mnuFontsChange")->trigger();
    EXPECT_EQ(w->PanelText("Fuente"), "Fuente: DejaVu Sans Mono");
    EXPECT_EQ(w->PanelText("Tamaño"), "Tamaño: 12");
    EXPECT_FALSE(w->txtAscii->font().bold() || w->txtAscii->font().italic());
    EXPECT_EQ(dialogs.Count("ask"), 0);
    // With text shown: the same font again asks nothing; another size asks.
    Load(Picture(40, 40));
    Tool("Play");
    dialogs.fonts.push_back({"DejaVu Sans Mono", -16, false, false});
    w->Action("mnuFontsChange")->trigger();
    EXPECT_EQ(dialogs.Count("ask"), 0);
    dialogs.fonts.push_back({"DejaVu Sans Mono", -13, false, false});  // 9.75 -> 9
    dialogs.answers.push_back(true);
    const std::string before = w->TextArt();
    w->Action("mnuFontsChange")->trigger();
    EXPECT_EQ(w->PanelText("Tamaño"), "Tamaño: 9");
    ASSERT_EQ(dialogs.Count("ask"), 1);
    EXPECT_EQ(dialogs.Last("ask")->text,
              "Se ha cambiado la fuente. Para un resultado óptimo es conveniente crear de nuevo "
              "el AsciiArt\n¿Desea generarlo ahora?");
    EXPECT_NE(w->TextArt(), before);                   // regenerated with the smaller cell
    EXPECT_EQ(dialogs.Last("font")->font.height, 16);  // opened at 12 x 1.335 = 16.02
    w->Action("mnuFontsChange")->trigger();            // cancelled
    EXPECT_EQ(dialogs.Last("font")->font.height, 12);  // 9 x 1.335 = 12.015
}

TEST_F(MainWindow, PaletteAndNegativeRegenerateWhenAPictureIsPresent) {
    w->cboPaletas->activated(3);
    EXPECT_TRUE(w->TextArt().empty());
    Load(Picture(60, 60, 0));
    w->cboPaletas->setCurrentIndex(3);
    w->cboPaletas->activated(3);
    ASSERT_FALSE(w->TextArt().empty());
    for (char c : w->TextArt()) EXPECT_TRUE((c >= '0' && c <= '9') || c == '\r' || c == '\n');
    w->chkAsciiNegativo->click();
    EXPECT_EQ(w->Session().Tables().CountedColor, 0);
}

TEST_F(MainWindow, TheOutlineRunsFromTheOptionsPanel) {
    frmMain all(dialogs, MainOptions{true});
    EXPECT_FALSE(all.cmd1->isHidden());
    EXPECT_TRUE(all.Action("mnuEditor")->isEnabled() && all.Action("mnuImageReload")->isEnabled());
    dialogs.openPaths.push_back(Picture(40, 40, 0));
    all.LoadImageFile();
    all.Command1->click();
    ASSERT_NE(all.OptionsPanel(), nullptr);
    EXPECT_EQ(all.OptionsPanel()->windowTitle(), "Opciones del algoritmo");
    all.OptionsPanel()->chkRelleno->setChecked(true);
    all.OptionsPanel()->cmd3->click();
    ASSERT_FALSE(all.TextArt().empty());
    // All black: every cell is filled.
    EXPECT_NE(all.TextArt().find(':'), std::string::npos);
}

TEST_F(MainWindow, TheEditorOpensOverTheWindowsOwnGridWhichOutlivesIt) {
    auto all = std::make_unique<frmMain>(dialogs, MainOptions{true});
    dialogs.openPaths.push_back(Picture(40, 40, 0));
    all->LoadImageFile();
    all->Toolbar1->findChild<QAction*>("Play")->trigger();
    ASSERT_FALSE(all->TextArt().empty());
    all->Action("mnuEditor")->trigger();
    auto* editor = all->findChild<frmEditor*>();
    ASSERT_NE(editor, nullptr);
    EditorDocument& grid = editor->Document();
    EXPECT_EQ(grid.Cell(1, 1), all->TextArt().substr(0, 1));

    editor->close();  // the window deletes itself; the grid stays
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(all->findChild<frmEditor*>(), nullptr);
    all->OpenEditor();
    EXPECT_EQ(&all->findChild<frmEditor*>()->Document(), &grid);
    w->OpenEditor();
    EXPECT_NE(&w->findChild<frmEditor*>()->Document(), &grid);
    all.reset();  // the open editor goes before the grid it shows
}

TEST_F(MainWindow, ADroppedPictureLoadsLikeTheOpenCommand) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(Picture(30, 20)))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.get(), &drop);
    EXPECT_TRUE(w->Picture().HasPicture());
    EXPECT_EQ(w->Picture().Width(), 30);
    EXPECT_EQ(dialogs.Count("open"), 0);
}

TEST_F(MainWindow, ImageMenuEntriesRunTheFiltersWithUndo) {
    Load(Picture(8, 6, MakeColor(10, 20, 30)));
    w->Action("mnuNegativo")->trigger();
    EXPECT_EQ(w->Picture().Displayed().Pixel(0, 0), MakeColor(245, 235, 225));
    EXPECT_FALSE(w->prgBar1->isVisible());
    w->Action("mnuUndoPicture")->trigger();
    EXPECT_EQ(w->Picture().Displayed().Pixel(0, 0), MakeColor(10, 20, 30));
    // A mirror takes its own undo snapshot.
    w->Picture().Displayed().SetPixel(0, 0, 0);
    w->Action("mnuEspejoDenI")->trigger();
    EXPECT_EQ(w->Picture().Displayed().Pixel(0, 0), MakeColor(10, 20, 30));
}

TEST(WorkingPicture, UndoWithNothingLoadedAndTheEdgeScrollRule) {
    WorkingPicture p;
    p.Undo();
    EXPECT_FALSE(p.HasPicture());
    EXPECT_EQ(EdgeScrollOffset(2000, 4096, 4096, 283, 6), -1717);  // the edge, not a step
    EXPECT_EQ(EdgeScrollOffset(300, 4096, 4096, 320, 6), 0);       // nothing hidden
    EXPECT_EQ(EdgeScrollOffset(1000, 2048, 4096, 250, 12), -384);  // O = 375, up to a step
    EXPECT_EQ(EdgeScrollOffset(1000, 0, 0, 250, 12), 0);
    EXPECT_EQ(EdgeScrollOffset(1000, -4096, -4096, 250, 12), -750);  // a negative range
}

}  // namespace
}  // namespace glifora
