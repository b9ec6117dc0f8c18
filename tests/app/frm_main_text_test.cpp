// The face the text art is measured in, and the font dialog as the program
// opens it on the current face and size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDialog>
#include <QFontInfo>
#include <QTimer>

#include "platform/qt_dialogs.h"
#include "test_helpers.h"
#include "textart/text_art_session.h"

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

}  // namespace
}  // namespace glifora
