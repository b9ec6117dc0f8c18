#include <gtest/gtest.h>

#include "platform/qt_raster.h"
#include "platform/raster.h"
#include "platform/shrink.h"
#include "test_support.h"

namespace glifora {

TEST(Raster, PixelIsTheColourValueOrMinusOneOutside) {
    Raster r(3, 2, 0);
    r.SetPixel(1, 1, MakeColor(10, 20, 30));
    EXPECT_EQ(r.Pixel(1, 1), 10 + 20 * 256 + 30 * 65536);
    const uint8_t* p = r.Row(1) + 4;
    EXPECT_EQ(p[0], 30);  // blue first
    EXPECT_EQ(p[1], 20);
    EXPECT_EQ(p[2], 10);
    EXPECT_EQ(r.Pixel(-1, 0), -1);
    EXPECT_EQ(r.Pixel(3, 0), -1);
    EXPECT_EQ(r.Pixel(0, 2), -1);
    r.SetPixel(5, 5, 0);  // ignored
    EXPECT_TRUE(Raster(0, 5).Empty());
}

TEST(Raster, ConvertsToAndFromQImageWithoutReordering) {
    const Raster r = test::RandomRaster(7, 5, 1);
    const QImage image = ImageFromRaster(r);
    EXPECT_EQ(image.pixel(3, 2) & 0xFFFFFF,
              static_cast<QRgb>(qRgb(r.Pixel(3, 2) & 0xFF, (r.Pixel(3, 2) >> 8) & 0xFF,
                                     (r.Pixel(3, 2) >> 16) & 0xFF)) &
                  0xFFFFFF);
    EXPECT_EQ(RasterFromImage(image), r);
}

TEST(Raster, TransparentPicturesLieOnWhite) {
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(0, 0, 0, 0));
    image.setPixel(1, 0, qRgba(255, 0, 0, 255));
    const Raster r = RasterFromImage(image);
    EXPECT_EQ(r.Pixel(0, 0), 0xFFFFFF);
    EXPECT_EQ(r.Pixel(1, 0), MakeColor(255, 0, 0));
}

TEST(Shrink, SamplesPixelCentres) {
    Raster src(10, 1, 0);
    for (int x = 0; x < 10; ++x) src.SetPixel(x, 0, x);
    const Raster out = ShrinkNearest(src, 3, 1);
    // floor((dx + 0.5) * 10 / 3) = 1, 5, 8
    EXPECT_EQ(out.Pixel(0, 0), 1);
    EXPECT_EQ(out.Pixel(1, 0), 5);
    EXPECT_EQ(out.Pixel(2, 0), 8);
    // Enlarging repeats pixels.
    const Raster big = ShrinkNearest(src, 20, 2);
    EXPECT_EQ(big.Pixel(0, 1), 0);
    EXPECT_EQ(big.Pixel(1, 0), 0);
    EXPECT_EQ(big.Pixel(19, 0), 9);
    EXPECT_TRUE(ShrinkNearest(src, 0, 3).Empty());
    EXPECT_TRUE(ShrinkNearest(Raster(), 3, 3).Empty());
}

}  // namespace glifora
