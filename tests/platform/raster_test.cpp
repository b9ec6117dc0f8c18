#include "platform/raster.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/qt_raster.h"
#include "platform/shrink.h"
#include "test_support.h"

namespace glifora {

TEST(Raster, PixelIsTheColourValueOrMinusOneOutside) {
    Raster r(3, 2, 0);
    r.SetPixel(1, 1, MakeColor(10, 20, 30));
    EXPECT_EQ(r.Pixel(1, 1), 10 + 20 * 256 + 30 * 65536);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(r.Row(1) + 4), 4), "\x1E\x14\x0A\xFF");
    EXPECT_EQ((std::vector{r.Pixel(-1, 0), r.Pixel(3, 0), r.Pixel(0, 2)}),
              (std::vector{-1, -1, -1}));
    r.SetPixel(5, 5, 0);  // ignored
    EXPECT_TRUE(Raster(0, 5).Empty());
}

TEST(Raster, ConvertsToAndFromQImageWithoutReordering) {
    const Raster r = test::RandomRaster(7, 5, 1);
    const QImage image = ImageFromRaster(r);
    const ColorValue c = r.Pixel(3, 2);
    EXPECT_EQ(image.pixel(3, 2), qRgb(c & 0xFF, (c >> 8) & 0xFF, c >> 16));
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
    EXPECT_EQ((std::vector{out.Pixel(0, 0), out.Pixel(1, 0), out.Pixel(2, 0)}),
              (std::vector{1, 5, 8}));
    // Enlarging repeats pixels.
    const Raster big = ShrinkNearest(src, 20, 2);
    EXPECT_EQ((std::vector{big.Pixel(1, 1), big.Pixel(19, 0)}), (std::vector{0, 9}));
    EXPECT_TRUE(ShrinkNearest(src, 0, 3).Empty());
    EXPECT_TRUE(ShrinkNearest(Raster(), 3, 3).Empty());
}

}  // namespace glifora
