#include "animation/frm_gif_avance.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "animation/gif_frames.h"
#include "app/clipped_texts.h"
#include "gif_bytes.h"

namespace glifora {
namespace {

using Selection = std::vector<std::string>;

void Tick(frmGIFAvance& dialog, int item, bool on = true) {
    dialog.lstwGIF->topLevelItem(item - 1)->setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
}

TEST(FrameDialog, ListsTheFramesWithTheSelectionTicked) {
    Selection selection = {"03", "01", "40"};  // 40 is not a frame of this GIF
    frmGIFAvance dialog(12, selection, "/nonexistent");
    ASSERT_EQ(dialog.lstwGIF->topLevelItemCount(), 12);
    for (int i = 0; i < 12; ++i) {
        const QTreeWidgetItem* item = dialog.lstwGIF->topLevelItem(i);
        EXPECT_EQ(item->text(0).toStdString(), "Fotograma " + FrameNumberText(i + 1));
        EXPECT_EQ(item->checkState(0) == Qt::Checked, i == 0 || i == 2) << i;
    }
    dialog.cmdAceptar->click();
    EXPECT_EQ(selection, (Selection{"01", "03"}));
}

TEST(FrameDialog, SelectionIsStoredInListOrderHoweverItCloses) {
    Selection selection;
    {
        frmGIFAvance dialog(10, selection, "/nonexistent");
        for (int item : {5, 2, 9}) Tick(dialog, item);
        dialog.reject();  // the close box
    }
    EXPECT_EQ(selection, (Selection{"02", "05", "09"}));
    {
        frmGIFAvance dialog(10, selection, "/nonexistent");
        dialog.cmdAll->click();
        Tick(dialog, 10, false);
        dialog.cmdAceptar->click();
    }
    EXPECT_EQ(selection, (Selection{"01", "02", "03", "04", "05", "06", "07", "08", "09"}));
    {
        frmGIFAvance dialog(10, selection, "/nonexistent");
        dialog.cmdNome->click();
        dialog.cmdAceptar->click();
    }
    EXPECT_TRUE(selection.empty());
}

TEST(FrameDialog, ClickedFrameIsPreviewed) {
    QTemporaryDir dir;
    const std::string gif = test::GifHeader() + test::GifFrame(0) + test::GifFrame(1) + ";";
    ASSERT_TRUE(WriteFrameFiles(gif, dir.path().toStdString()).error.empty());
    Selection selection = {"01", "02", "03"};
    frmGIFAvance dialog(3, selection, dir.path().toStdString());
    auto shown = [&] { return dialog.imgGIFPreview->pixmap().toImage().pixel(0, 0) & 0xFFFFFF; };
    ASSERT_FALSE(dialog.imgGIFPreview->pixmap().isNull());  // frame 1 on opening
    EXPECT_EQ(shown(), 0xFFFFFFu);
    auto click = [&](int item) {
        emit dialog.lstwGIF->itemClicked(dialog.lstwGIF->topLevelItem(item - 1), 0);
    };
    click(2);
    EXPECT_EQ(shown(), 0u);
    EXPECT_EQ(dialog.lstwGIF->topLevelItem(1)->checkState(0), Qt::Checked);  // untouched
    click(3);  // no such file: the preview stays
    EXPECT_EQ(shown(), 0u);
    dialog.accept();
    EXPECT_EQ(selection, (Selection{"01", "02", "03"}));
}

TEST(FrameDialog, EveryNameAndTheHeaderReadInFull) {
    // Numbers up to three digits; the preview and the buttons make way for
    // the wider list, and nothing covers it.
    Selection selection;
    for (int frames : {2, 150}) {
        frmGIFAvance dialog(frames, selection, "/nonexistent");
        dialog.show();
        EXPECT_THAT(test::ClippedTexts(&dialog), ::testing::IsEmpty()) << frames;
        EXPECT_GE(dialog.imgGIFPreview->width(), 200);
    }
    frmGIFAvance dialog(150, selection, "/nonexistent");
    EXPECT_EQ(dialog.lstwGIF->topLevelItem(99)->text(0), "Fotograma 100");
}

}  // namespace
}  // namespace glifora
