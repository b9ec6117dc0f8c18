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

TEST(ImagePreview, EnablesTheVerticalBarOnlyBeyondTheRoomAboveTheBarAndShowsNothingEmpty) {
    const int barH = QScrollBar(Qt::Horizontal).sizeHint().height();
    // An empty working picture shows as an empty box without failing.
    for (int height : {600 - barH, 601 - barH, 0}) {
        const Raster tall = height ? Raster(10, height) : Raster();
        frmImagePreview preview(tall, nullptr);
        preview.Open();
        preview.resize(800, 600);
        EXPECT_EQ(preview.VScroll1->isEnabled(), height == 601 - barH) << height;
        EXPECT_EQ(preview.picFull->size().isEmpty(), height == 0) << height;
    }
}

}  // namespace
}  // namespace glifora
