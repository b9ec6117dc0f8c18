#include "platform/text_metrics.h"

#include <gtest/gtest.h>

#include <QFontInfo>

namespace glifora {

TEST(TextMetrics, PointsBecomePixelsAt96Dpi) {
    EXPECT_EQ(PointsToPixels(6), 8);
    EXPECT_EQ(PointsToPixels(9), 12);
    EXPECT_EQ(PointsToPixels(12), 16);
}

TEST(TextMetrics, MissingFacesFallBackToAFixedPitchFace) {
    const QFont font = MakeTextArtFont("No Existe Esta Fuente", 10);
    EXPECT_TRUE(QFontInfo(font).fixedPitch());
    const TextExtent a = MeasureText(font, "A");
    EXPECT_GT(a.width, 0);
    EXPECT_GT(a.height, a.width);
    // Fixed pitch: every character has the advance of "A".
    EXPECT_EQ(MeasureText(font, "i").width, a.width);
    EXPECT_EQ(MeasureText(font, "AAAA").width, 4 * a.width);
    EXPECT_EQ(MeasureText(font, "").width, 0);
}

TEST(TextMetrics, CanvasDrawsInkWithoutGreyEdges) {
    QtGlyphCanvas canvas;
    canvas.SetFont(MakeTextArtFont("DejaVu Sans Mono", 12));
    const TextExtent cell = canvas.PrepareCell();
    ASSERT_GT(cell.width, 0);
    canvas.Clear();
    canvas.DrawCode('M');
    int ink = 0, other = 0;
    const Raster& px = canvas.Pixels();
    for (int y = 0; y < px.Height(); ++y)
        for (int x = 0; x < px.Width(); ++x) {
            const ColorValue c = px.Pixel(x, y);
            if (c == 0)
                ++ink;
            else if (c != 0xFFFFFF)
                ++other;
        }
    EXPECT_GT(ink, 5);
    EXPECT_EQ(other, 0);
    canvas.Clear();
    canvas.DrawCode(' ');
    for (int y = 0; y < px.Height(); ++y)
        for (int x = 0; x < px.Width(); ++x) ASSERT_EQ(px.Pixel(x, y), 0xFFFFFF);
}

}  // namespace glifora
