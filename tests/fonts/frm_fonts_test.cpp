#include "fonts/frm_fonts.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>

#include "fonts/font_list.h"
#include "textart/fixed_face_pick.h"
#include "textart/text_conversion.h"

namespace glifora {
namespace {

using Faces = std::vector<std::string>;

QTreeWidgetItem* ItemFor(frmFonts& w, const QString& face) {
    const auto found = w.lvwFuentes->findItems(face, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.front();
}

TEST(FixedFontWindow, ListsTheInstalledFixedFontsAndADoubleClickHandsOverTheFace) {
    Faces picked;
    frmFonts w([&](const std::string& face) { picked.push_back(face); });
    const Faces faces = EnumFixedFonts();
    ASSERT_EQ(w.lvwFuentes->topLevelItemCount(), static_cast<int>(faces.size()));
    EXPECT_EQ(w.lstFont->count(), static_cast<int>(faces.size()));
    EXPECT_EQ(w.lblFontCount->text(), "Fuentes encontradas: " + QString::number(faces.size()));
    // The set-up installs DejaVu and Liberation, fixed and proportional faces.
    ASSERT_NE(ItemFor(w, "DejaVu Sans Mono"), nullptr);
    QTreeWidgetItem* mono = ItemFor(w, "Liberation Mono");
    ASSERT_NE(mono, nullptr);
    EXPECT_EQ(mono->data(0, Qt::UserRole).toString(), "Liberation Mono");  // the key
    EXPECT_FALSE(mono->icon(0).isNull());
    EXPECT_EQ(ItemFor(w, "DejaVu Sans"), nullptr);
    emit w.lvwFuentes->itemDoubleClicked(mono, 0);
    EXPECT_EQ(picked, Faces{"Liberation Mono"});
}

TEST(FixedFontWindow, EveryOpeningBuildsTheListAfresh) {
    int enumerations = 0;
    Faces installed = {"Liberation Mono", "DejaVu Sans Mono", "Liberation Mono"};
    const auto enumerate = [&] {
        ++enumerations;
        return installed;
    };
    {
        frmFonts w(nullptr, nullptr, enumerate);
        EXPECT_TRUE(w.testAttribute(Qt::WA_DeleteOnClose));  // closing unloads it
        ASSERT_EQ(w.lvwFuentes->topLevelItemCount(), 2);     // a face twice is kept once
        EXPECT_EQ(w.lvwFuentes->topLevelItem(1)->text(0), "DejaVu Sans Mono");
    }
    installed.clear();
    frmFonts w(nullptr, nullptr, enumerate);
    EXPECT_EQ(enumerations, 2);
    EXPECT_EQ(w.lblFontCount->text(), "Fuentes encontradas: 0");
}

TEST(FixedFontPick, ChangesTheFaceKeepsTheSizeAndMeasuresAgain) {
    TextArtSession session;
    session.ApplyFont({"DejaVu Sans Mono", 6});
    session.SelectPalette(0);
    const int screen = 1024;
    const FixedFacePick pick = TakeFixedFace(session, "Liberation Mono", 50, screen);
    EXPECT_EQ(session.Font().FontName, "Liberation Mono");
    EXPECT_EQ(session.Font().FontSize, 6);
    EXPECT_EQ(pick.fontPanel, "Fuente: Liberation Mono");
    EXPECT_FALSE(session.QtFont().bold());

    // The tables and the column count are those of a session that started
    // in the new face.
    TextArtSession fresh;
    fresh.ApplyFont({"Liberation Mono", 6});
    fresh.SelectPalette(0);
    EXPECT_EQ(session.Cell().width, fresh.Cell().width);
    EXPECT_EQ(session.Tables().LevelMap, fresh.Tables().LevelMap);
    EXPECT_EQ(pick.columnCount, ComputeColumnCount(50, screen, fresh.Cell().width));
}

}  // namespace
}  // namespace glifora
