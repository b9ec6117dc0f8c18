#include "app/frm_image_preview.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>

#include "app/widgets.h"

namespace glifora {
namespace {

TEST(ImagePreview, CentresASmallPictureAndScrollsALargeOne) {
    const Raster small(100, 50, 0x00FF00);
    frmImagePreview preview(small, nullptr);
    preview.Open();
    preview.resize(800, 600);
    EXPECT_EQ(preview.windowTitle(), "Imagen a tratar");
    EXPECT_FALSE(preview.HScroll1->isEnabled());
    EXPECT_FALSE(preview.VScroll1->isEnabled());
    EXPECT_EQ(preview.picFull->pos(), QPoint(350, 275));
    EXPECT_EQ(preview.picFull->size(), QSize(100, 50));

    const Raster wide(2000, 50);
    frmImagePreview large(wide, nullptr);
    large.Open();
    large.resize(800, 600);
    EXPECT_TRUE(large.HScroll1->isEnabled());
    EXPECT_FALSE(large.VScroll1->isEnabled());
    large.HScroll1->setValue(large.HScroll1->maximum());
    // The last value shows the last column at the bar's right end.
    EXPECT_EQ(large.picFull->x(), large.HScroll1->width() - 2000);
}

TEST(ImagePreview, EnablesTheVerticalBarOnlyBeyondTheRoomAboveTheBar) {
    const int barH = QScrollBar(Qt::Horizontal).sizeHint().height();
    for (int extra : {0, 1}) {
        const Raster tall(10, 600 - barH + extra);
        frmImagePreview preview(tall, nullptr);
        preview.Open();
        preview.resize(800, 600);
        EXPECT_EQ(preview.VScroll1->isEnabled(), extra == 1) << extra;
    }
}

TEST(ImagePreview, AnEmptyPictureShowsAnEmptyBox) {
    // An empty working picture shows as an empty box without failing.
    const Raster none;
    frmImagePreview empty(none, nullptr);
    empty.Open();
    empty.resize(300, 300);
    EXPECT_EQ(empty.picFull->size(), QSize(0, 0));
}

}  // namespace
}  // namespace glifora
