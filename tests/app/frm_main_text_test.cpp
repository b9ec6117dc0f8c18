// What the main window shows of its text art: the face actually used, the
// size chosen in the font dialog, and the box's colours.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFontDialog>
#include <QImage>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "app/frm_main.h"
#include "app/frm_opc_algoritmo.h"
#include "app/widgets.h"
#include "platform/qt_dialogs.h"
#include "scripted_dialogs.h"
#include "test_helpers.h"

namespace glifora {
namespace {

using test::UsedFace;

TEST(TextArtSessionFace, NamesTheFaceTheGlyphsAreMeasuredIn) {
    TextArtSession session;
    EXPECT_EQ(session.Font().FontName, UsedFace("Lucida Console"));
    session.ApplyFont({"Ninguna Fuente Instalada", 9});  // the fallback's own name
    EXPECT_EQ(session.Font().FontName, QFontInfo(session.QtFont()).family().toStdString());
    EXPECT_EQ(session.Font().FontSize, 9);
    session.ApplyFont({"DejaVu Sans Mono", 7});  // installed: kept as asked
    EXPECT_EQ(session.Font().FontName, "DejaVu Sans Mono");
}

TEST(FontDialog, OpensOnTheCurrentFaceAndSizeAndKeepsTheSizePicked) {
    QtDialogs dialogs;
    for (int points : {6, 10, 11}) {
        QString openFace;
        int openSize = 0;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            openFace = dialog->currentFont().family();
            openSize = dialog->currentFont().pointSize();
            dialog->accept();
        });
        FontRequest request;
        request.face = "DejaVu Sans Mono";
        request.height = DialogHeightForSize(points);
        request.points = points;
        const FontChoice choice = dialogs.ChooseFont(request);
        EXPECT_EQ(openFace, "DejaVu Sans Mono");
        EXPECT_EQ(openSize, points);
        EXPECT_EQ(choice.face, "DejaVu Sans Mono");
        EXPECT_EQ(choice.points, points);
    }
}

class WindowText : public test::InTempDir {
  protected:
    test::ScriptedDialogs dialogs;
    frmMain w{dialogs};

    void LoadAndPlay() {
        w.show();
        for (int i = 0; i < 100 && !w.windowHandle()->isExposed(); ++i)
            QApplication::processEvents();
        ASSERT_TRUE(w.LoadPictureFile(Bmp("p.bmp", test::HalfAndHalf(120, 80, 0, 0xFFFFFF))));
        w.Play();
    }
    // The colours the box shows on screen (what was last painted, not a fresh
    // render): its background at a corner, and whether any pixel of `fore`.
    std::pair<QColor, bool> Drawn(const QColor& fore) {
        QApplication::processEvents();
        const QWidget* view = w.txtAscii->viewport();
        const QRect area(view->mapTo(&w, QPoint(0, 0)), view->size());
        const QImage image = w.screen()->grabWindow(w.winId()).toImage().copy(area);
        bool foreSeen = false;
        for (int y = 0; y < image.height() && !foreSeen; ++y)
            for (int x = 0; x < image.width() && !foreSeen; ++x)
                foreSeen = QColor(image.pixel(x, y)) == fore;
        return {QColor(image.pixel(image.width() - 2, image.height() - 2)), foreSeen};
    }
};

TEST_F(WindowText, BothColoursApplyToTheWholeBoxAndLastThroughChanges) {
    LoadAndPlay();
    const QColor red(255, 0, 0), blue(0, 0, 255);
    dialogs.colors = {MakeColor(0, 0, 255)};
    w.lblAsciiBackcolor->clicked();
    EXPECT_EQ(Drawn(red).first, blue);
    dialogs.colors = {MakeColor(255, 0, 0)};
    w.lblAsciiForeColor->clicked();
    auto [back, foreSeen] = Drawn(red);
    EXPECT_EQ(back, blue);
    EXPECT_TRUE(foreSeen);
    // Regeneration, a font change and a mode switch keep both.
    w.Play();
    dialogs.fonts.push_back({"DejaVu Sans Mono", -12, false, false});
    dialogs.answers.push_back(true);
    w.ChangeFont();
    w.SetMode(false);
    w.SetMode(true);
    std::tie(back, foreSeen) = Drawn(red);
    EXPECT_EQ(back, blue);
    EXPECT_TRUE(foreSeen);
    EXPECT_FALSE(Drawn(QColor(Qt::black)).second);
}

TEST_F(WindowText, MoreDetailConvertsWithGlyphShapesAndTheOptionsPanelAgrees) {
    LoadAndPlay();
    const std::string tonal = w.TextArt();
    w.chkMasDetalle->click();  // regenerates at once
    TextArtSettings detail = w.TextSettings(Algorithm::Tonal);
    EXPECT_EQ(detail.algorithm, Algorithm::Detail);
    EXPECT_EQ(w.TextArt(), ConvertPicture(w.Picture().Displayed(), detail, w.Session()).text);
    EXPECT_NE(w.TextArt(), tonal);
    // The outline conversion stays the outline conversion.
    EXPECT_EQ(w.TextSettings(Algorithm::Outline).algorithm, Algorithm::Outline);
    EXPECT_TRUE(w.OptionsPanel()->chkMasDetalle->isChecked());
    w.OptionsPanel()->chkMasDetalle->click();
    EXPECT_FALSE(w.chkMasDetalle->isChecked());
    EXPECT_EQ(w.TextArt(), tonal);
}

}  // namespace
}  // namespace glifora
