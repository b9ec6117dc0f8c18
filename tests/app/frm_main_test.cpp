// The main window driven through its actions, keys and scripted dialogs.
#include "app/frm_main.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontMetrics>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QWindow>

#include "app/frm_opc_algoritmo.h"
#include "app/page_write_progress.h"
#include "app/widgets.h"
#include "editor/editor_text.h"
#include "editor/frm_editor.h"
#include "filters/frm_efect_config.h"
#include "platform/ansi.h"
#include "platform/picture_decoder.h"
#include "platform/scroll_rule.h"
#include "scripted_dialogs.h"
#include "test_helpers.h"
#include "textart/art_picture.h"

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
    QAction* Act(const char* key) { return w->Toolbar1->findChild<QAction*>(key); }
    void Tool(const char* key) { Act(key)->trigger(); }
    std::string Gradient() {
        Raster r(120, 60);
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 120; ++x) r.SetPixel(x, y, MakeColor(x * 2, x * 2, y * 4));
        return Bmp("g.bmp", r);
    }
    // The colours the text box shows on screen (what was last painted, not a
    // fresh render): its background at a corner, and whether any pixel of `fore`.
    std::pair<QColor, bool> Drawn(const QColor& fore) {
        QApplication::processEvents();
        const QWidget* view = w->txtAscii->viewport();
        const QRect area(view->mapTo(w.get(), QPoint(0, 0)), view->size());
        const QImage image = w->screen()->grabWindow(w->winId()).toImage().copy(area);
        bool foreSeen = false;
        for (int y = 0; y < image.height() && !foreSeen; ++y)
            for (int x = 0; x < image.width() && !foreSeen; ++x)
                foreSeen = QColor(image.pixel(x, y)) == fore;
        return {QColor(image.pixel(image.width() - 2, image.height() - 2)), foreSeen};
    }
};

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
    // The bars come on only beyond the frame; each bar's last value brings the
    // hidden part's far edge to the frame's edge, at every size; steps stay 6
    // and 12 pixels up to there.
    Load(Picture(283, 253));
    EXPECT_EQ(w->picMain->size(), QSize(283, 253));
    EXPECT_FALSE(w->HScroll1->isEnabled() || w->VScroll1->isEnabled());
    for (const auto& [width, height] :
         {std::pair{284, 254}, {300, 100}, {480, 360}, {2000, 1000}}) {
        Load(Picture(width, height, 0x808080, "size.bmp"));
        EXPECT_TRUE(w->HScroll1->isEnabled());
        EXPECT_EQ(w->VScroll1->isEnabled(), height > kFrameHeight);
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

TEST_F(MainWindow, BothColoursApplyToTheWholeBoxLastThroughChangesAndReachThePreview) {
    w->show();
    for (int i = 0; i < 100 && !w->windowHandle()->isExposed(); ++i) QApplication::processEvents();
    Load(Bmp("p.bmp", test::HalfAndHalf(120, 80, 0, 0xFFFFFF)));
    Tool("Play");
    const QColor red(255, 0, 0), blue(0, 0, 255);
    dialogs.colors = {MakeColor(0, 0, 255)};
    w->lblAsciiBackcolor->clicked();
    EXPECT_EQ(Drawn(red).first, blue);
    dialogs.colors = {MakeColor(255, 0, 0)};
    w->lblAsciiForeColor->clicked();
    auto [back, foreSeen] = Drawn(red);
    EXPECT_EQ(back, blue);
    EXPECT_TRUE(foreSeen);
    // Regeneration, a font change and a mode switch keep both.
    Tool("Play");
    dialogs.fonts.push_back({"DejaVu Sans Mono", -12, false, false});
    dialogs.answers.push_back(true);
    w->ChangeFont();
    w->SetMode(false);
    w->SetMode(true);
    std::tie(back, foreSeen) = Drawn(red);
    EXPECT_EQ(back, blue);
    EXPECT_TRUE(foreSeen);
    EXPECT_FALSE(Drawn(QColor(Qt::black)).second);
    // The preview takes both, and Escape leaves it.
    Tool("VistaPrevia");
    ASSERT_NE(w->Preview(), nullptr);
    const QPalette p = w->Preview()->txtAscii->palette();
    EXPECT_EQ(p.color(QPalette::Text), red);
    EXPECT_EQ(p.color(QPalette::Base), blue);
    EXPECT_EQ(w->Preview()->txtAscii->toPlainText(),
              AnsiToUnicode(w->TextArt()).replace("\r\n", "\n"));
    EXPECT_TRUE(w->Preview()->isVisible());
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(w->Preview()->txtAscii, &escape);
    EXPECT_FALSE(w->Preview()->isVisible());
}

TEST_F(MainWindow, MoreDetailConvertsWithGlyphShapesAndTheOptionsPanelAgrees) {
    Load(Bmp("p.bmp", test::HalfAndHalf(120, 80, 0, 0xFFFFFF)));
    Tool("Play");
    const std::string tonal = w->TextArt();
    w->chkMasDetalle->click();  // regenerates at once
    TextArtSettings detail = w->TextSettings(Algorithm::Tonal);
    EXPECT_EQ(detail.algorithm, Algorithm::Detail);
    EXPECT_EQ(w->TextArt(), ConvertPicture(w->Picture().Displayed(), detail, w->Session()).text);
    EXPECT_NE(w->TextArt(), tonal);
    // The outline conversion stays the outline conversion.
    EXPECT_EQ(w->TextSettings(Algorithm::Outline).algorithm, Algorithm::Outline);
    EXPECT_TRUE(w->OptionsPanel()->chkMasDetalle->isChecked());
    w->OptionsPanel()->chkMasDetalle->click();
    EXPECT_FALSE(w->chkMasDetalle->isChecked());
    EXPECT_EQ(w->TextArt(), tonal);
}

TEST_F(MainWindow, FontChangesAskToRegenerateOnlyWhenSomethingChanged) {
    // Cancel: nothing asked, nothing changed. The dialog opens at height 8 (6 x 1.335).
    EXPECT_EQ(w->PanelText("Fuente").toStdString(), "Fuente: " + UsedFace("Lucida Console"));
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
    w->Action("mnuFontsChange")->trigger();            // cancelled
    EXPECT_EQ(dialogs.Last("font")->font.height, 12);  // 9 x 1.335 = 12.015
    // The size picked in the dialog wins over the one its height gives.
    FontChoice ten{"DejaVu Sans Mono", -13, false, false};
    ten.points = 10;
    dialogs.fonts.push_back(ten);
    dialogs.answers.push_back(false);
    w->Action("mnuFontsChange")->trigger();
    EXPECT_EQ(w->PanelText("Tamaño"), "Tamaño: 10");
    w->Action("mnuFontsChange")->trigger();  // cancelled: opens on 10
    EXPECT_EQ(dialogs.Last("font")->font.points, 10);
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
    EXPECT_TRUE(w->cmd1->isHidden() && !w->Action("mnuEditor")->isEnabled());
    EXPECT_FALSE(all.cmd1->isHidden());
    EXPECT_TRUE(all.Action("mnuEditor")->isEnabled() && all.Action("mnuImageReload")->isEnabled());
    dialogs.openPaths.push_back(Picture(40, 40, 0));
    all.LoadImageFile();
    all.Command1->click();
    ASSERT_NE(all.OptionsPanel(), nullptr);
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
    w->Action("mnuUndoPicture")->trigger();  // twice: still the picture before the change
    EXPECT_EQ(w->Picture().Displayed().Pixel(0, 0), MakeColor(10, 20, 30));
    // A mirror takes its own undo snapshot.
    w->Picture().Displayed().SetPixel(0, 0, 0);
    w->Action("mnuEspejoDenI")->trigger();
    EXPECT_EQ(w->Picture().Displayed().Pixel(0, 0), MakeColor(10, 20, 30));
}

TEST_F(MainWindow, TheTextBoxTakesNoTypingButCopiesBySelection) {
    Load(Picture(60, 40, 0));
    Tool("Play");
    const QString shown = w->txtAscii->toPlainText();
    w->txtAscii->setFocus();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
    QApplication::sendEvent(w->txtAscii, &press);
    EXPECT_EQ(w->txtAscii->toPlainText(), shown);
    w->txtAscii->selectAll();
    w->txtAscii->copy();
    EXPECT_FALSE(QApplication::clipboard()->text().isEmpty());
}

TEST_F(MainWindow, WithNoPicturePlayAlwaysSaysWhyAfterAnyImageCommand) {
    // Every entry of the image menus, then "Aplicar" if the strength dialog
    // opened, then every toolbar command: Play must still ask for a picture.
    QList<QAction*> entries;
    for (QMenu* menu : w->Menu("mnuImagen")->findChildren<QMenu*>())
        for (QAction* a : menu->actions())
            if (!a->menu() && !a->isSeparator()) entries << a;
    ASSERT_GT(entries.size(), 10);
    for (QAction* entry : entries) {
        entry->trigger();
        if (w->EfectConfig()->isVisible()) w->EfectConfig()->cmdApply->click();
        for (QAction* tool : w->Toolbar1->actions()) {
            const int asked = dialogs.Count("ask");
            dialogs.answers.push_back(false);
            tool->trigger();
            if (tool == Act("Play")) {
                EXPECT_EQ(dialogs.Count("ask"), asked + 1) << entry->objectName().toStdString();
            }
            dialogs.answers.clear();
        }
        EXPECT_FALSE(w->Picture().HasPicture()) << entry->objectName().toStdString();
    }
}

TEST_F(MainWindow, HelpersThatCannotStartAreNamedInAMessage) {
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", dir.path().toLocal8Bit());  // no program can be found
    w->Action("mnuCharMap")->trigger();
    w->Action("mnuMailAutor")->trigger();
    qputenv("PATH", path);
    ASSERT_EQ(dialogs.Count("message"), 2);
    std::string texts;
    for (const auto& call : dialogs.calls)
        if (call.kind == "message") texts += call.text;
    for (const char* name : {"gucharmap", "gnome-characters", "kcharselect", "correo"})
        EXPECT_NE(texts.find(name), std::string::npos) << name;
}

TEST_F(MainWindow, UsualKeys) {
    EXPECT_EQ(Act("CargarImagen")->shortcut(), QKeySequence(QKeySequence::Open));
    EXPECT_EQ(Act("Guardar")->shortcut(), QKeySequence(QKeySequence::Save));
    EXPECT_EQ(Act("Play")->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(Act("VistaPrevia")->shortcut(), QKeySequence(Qt::Key_F11));
    EXPECT_EQ(w->Action("mnuClipboard")->shortcut(), QKeySequence(QKeySequence::Copy));
    EXPECT_EQ(w->Action("mnuUndoPicture")->shortcut().toString(QKeySequence::NativeText), "Ctrl+Z");
    EXPECT_TRUE(Act("Guardar")->toolTip().endsWith("(Ctrl+S)"));
}

// That the note and the border buttons show whole is the window tour's
// (text_fits_test); here, that the note fits by its room, not a smaller font.
TEST_F(MainWindow, TheBorderNoteKeepsItsSizeOnOneLineAndTicksShowOnTheNavyFrames) {
    const QLabel* note = w->mrcWeb->findChild<QLabel*>("lblBordesNota");
    ASSERT_NE(note, nullptr);
    EXPECT_GE(note->font().pointSizeF(), w->mrcWeb->font().pointSizeF());
    EXPECT_LE(QFontMetrics(note->font()).height(), note->height() + 1);
    // A ticked box shows dark pixels (the tick) inside its white indicator.
    w->show();
    for (QCheckBox* box : {w->chkAsciiNegativo, w->chkWebCalidad}) {
        box->setChecked(true);
        const QImage image = box->grab().toImage();
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < std::min(image.width(), 18); ++x)
                if (qGray(image.pixel(x, y)) < 90 && QColor(image.pixel(x, y)).blue() < 90) ++dark;
        EXPECT_GE(dark, 4) << box->objectName().toStdString();
    }
}

TEST_F(MainWindow, SavingAsAPictureWritesWhatTheCommandLineWrites) {
    // The format follows the extension in the shared writer (the editor's
    // test below saves a bitmap).
    const std::string picture = Gradient();
    w->sldTamaño->setValue(3);
    Load(picture);
    Tool("Play");
    ASSERT_FALSE(w->TextArt().empty());
    dialogs.colors = {MakeColor(200, 0, 0), MakeColor(0, 0, 90)};
    w->lblAsciiForeColor->clicked();
    w->lblAsciiBackcolor->clicked();
    dialogs.savePaths.push_back(Path("w.png"));
    w->Action("mnuSaveImage")->trigger();
    EXPECT_EQ(dialogs.Last("save")->filter, "Imagen PNG|*.png|Imagen BMP|*.bmp");
    const auto r =
        test::RunGlifora({"ascii", picture, "--columns", std::to_string(w->ColumnCount()), "-o",
                          Path("c.png"), "--fg", "C80000", "--bg", "00005A"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(test::ReadFile(Path("w.png")), test::ReadFile(Path("c.png")));
    EXPECT_EQ(dialogs.Count("message"), 0);
    // A failure is reported like every other save and leaves nothing.
    dialogs.savePaths.push_back(Path("missing/w.png"));
    w->Action("mnuSaveImage")->trigger();
    ASSERT_NE(dialogs.Last("message"), nullptr);
    EXPECT_EQ(dialogs.Last("message")->text.rfind("No se ha podido guardar el archivo", 0), 0u);
    EXPECT_FALSE(test::FileExists(Path("missing")));
}

TEST_F(MainWindow, TheEditorSavesItsTextInTheTextArtFont) {
    frmMain all(dialogs, MainOptions{true});
    dialogs.openPaths.push_back(Gradient());
    all.Action("mnuLoadImage")->trigger();
    all.Toolbar1->findChild<QAction*>("Play")->trigger();
    all.OpenEditor();
    auto* editor = all.findChild<frmEditor*>();
    ASSERT_NE(editor, nullptr);
    const std::string text = EditorText(editor->Document());
    ASSERT_FALSE(text.empty());
    dialogs.savePaths.push_back(Path("e.bmp"));
    editor->Action("mnuSaveImage")->trigger();
    const ArtPicture want = RenderArtPicture(text, MakeTextArtFont("Lucida Console", 6), {});
    ASSERT_TRUE(want.Ok());
    EXPECT_EQ(DecodePicture(Path("e.bmp")).raster, want.picture);
}

// Posted before the load, a timer runs only if the load lets the event loop run.
TEST_F(MainWindow, PaintsWithABusyBarWhileDecodingAndThePictureArrives) {
    const std::string path = Path("p.png");
    test::WriteFile(path, test::EncodePicture(Raster(300, 200, 0x123456), "PNG"));
    bool ranDuringLoad = false, busyBar = false, busyCursor = false;
    QTimer::singleShot(0, [&] {
        ranDuringLoad = true;
        busyBar = !w->prgBar1->isHidden() && w->prgBar1->maximum() == 0;
        busyCursor = QApplication::overrideCursor() != nullptr;
    });
    ASSERT_TRUE(w->LoadPictureFile(path));
    EXPECT_TRUE(ranDuringLoad);
    EXPECT_TRUE(busyBar);
    EXPECT_TRUE(busyCursor);
    EXPECT_EQ(w->Picture().Displayed(), Raster(300, 200, 0x123456));
    EXPECT_TRUE(w->prgBar1->isHidden());
    EXPECT_EQ(w->prgBar1->maximum(), 100);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // A file that fails to decode restores the window the same way.
    test::WriteFile(path, "not a picture");
    EXPECT_FALSE(w->LoadPictureFile(path));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(w->Picture().Displayed(), Raster(300, 200, 0x123456));
}

TEST_F(MainWindow, AsksBeforeABigWebArtAndACancelLeavesNoFile) {
    const std::string path = Path("page.html");
    w->Picture().Load(Raster(1500, 1400, 0x808080));  // quality, size 5: over 100 MB
    w->tbModo->findChild<QAction*>("WebArt")->trigger();
    w->chkWebCalidad->setChecked(true);
    w->sldWTamaño->setValue(5);
    w->Toolbar1->findChild<QAction*>("Play")->trigger();  // no answer queued: No
    ASSERT_NE(dialogs.Last("ask"), nullptr);              // its text: ConfirmPageSize's test
    EXPECT_EQ(dialogs.Last("save"), nullptr);

    dialogs.savePaths.push_back(path);
    dialogs.answers = {true};
    // The first progress yield cancels, as a click on "Cancelar" would.
    bool cancelled = false;
    QObject::connect(w->prgBar1, &QProgressBar::valueChanged, [&] {
        if (auto* box = w->findChild<QProgressDialog*>(); box && !cancelled) {
            box->cancel();
            cancelled = true;
        }
    });
    w->Toolbar1->findChild<QAction*>("Play")->trigger();
    EXPECT_TRUE(cancelled);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(path)));
    EXPECT_EQ(dialogs.Last("message"), nullptr);  // a cancel is not a failure
}

TEST(PageWrite, LargePagesAreAskedForWithTheirSizeInMegabytes) {
    test::ScriptedDialogs dialogs;
    EXPECT_TRUE(ConfirmPageSize(dialogs, kAskAbovePageBytes));
    EXPECT_TRUE(dialogs.calls.empty());
    dialogs.answers = {true, false};
    EXPECT_TRUE(ConfirmPageSize(dialogs, int64_t{2'400'000'001}));
    ASSERT_NE(dialogs.Last("ask"), nullptr);
    EXPECT_NE(dialogs.Last("ask")->text.find("2401 MB"), std::string::npos);
    EXPECT_FALSE(ConfirmPageSize(dialogs, kAskAbovePageBytes + 1));
}

// The window holds a loaded picture once until something writes it, and
// menu filters never hold more than the picture, its source and undo copy.
TEST_F(MainWindow, ShowingAndPreviewingCopyNothingAndMenuRunsStayWithinThreePictures) {
    const Raster picture = test::RandomRaster(120, 90, 5);
    Load(Bmp("p.bmp", picture));
    const size_t one = picture.ByteCount();
    // Painted, and shown in the strength dialog: still the one decoded picture.
    EXPECT_EQ(w->Picture().HeldBytes(), one);
    w->Action("mnuDifuminar")->trigger();
    ASSERT_TRUE(w->EfectConfig()->isVisible());
    EXPECT_EQ(w->Picture().HeldBytes(), one);
    w->EfectConfig()->hide();

    for (int run = 0; run < 4; ++run) {
        w->Action("mnuNegativo")->trigger();
        EXPECT_LE(w->Picture().HeldBytes(), 3 * one);
    }
    EXPECT_EQ(std::as_const(w->Picture()).Displayed(), picture);  // four negatives
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
