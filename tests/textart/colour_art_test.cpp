// Cell colours, the terminal's escapes and the text art as a picture.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <random>

#include "platform/picture_decoder.h"
#include "platform/shrink.h"
#include "platform/text_metrics.h"
#include "test_helpers.h"
#include "textart/ansi_color_writer.h"
#include "textart/art_picture.h"
#include "textart/text_art_job.h"

namespace glifora {
namespace {

using test::StripSgr;

TEST(CellColors, SpansSplitTheSourceAndHoldTheShrinkSample) {
    for (int source : {1, 2, 3, 5, 6, 7, 100, 101, 4000})
        for (int dest : {1, 2, 3, 5, 7, 64, 200}) {
            int next = 0;
            for (int d = 0; d < dest; ++d) {
                const SourceSpan span = CellSourceSpan(d, dest, source);
                const int sample = ShrinkSourceIndex(d, dest, source);
                EXPECT_LE(span.first, sample) << source << " " << dest << " " << d;
                EXPECT_LT(sample, span.end) << source << " " << dest << " " << d;
                if (source >= dest) {
                    EXPECT_EQ(span.first, next);  // no gap, no overlap
                    next = span.end;
                } else {
                    EXPECT_EQ(span.end, sample + 1);
                }
            }
            if (source >= dest) {
                EXPECT_EQ(next, source);
            }
        }
}

TEST(CellColors, AreTheMeansOfKnownBlocks) {
    // Four blocks of 10 x 10 across, two down; the lower right one a
    // checkerboard of black and white, whose mean is mid grey.
    const ColorValue block[2][4] = {
        {MakeColor(255, 0, 0), MakeColor(0, 255, 0), MakeColor(0, 0, 255), MakeColor(10, 20, 30)},
        {MakeColor(255, 255, 255), 0, MakeColor(200, 100, 50), 0}};
    Raster picture(40, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            picture.SetPixel(
                x, y, y >= 10 && x >= 30 ? ((x + y) % 2 ? 0xFFFFFF : 0) : block[y / 10][x / 10]);
    const CellColors colors = MeanCellColors(picture, 4, 2);
    ASSERT_EQ(colors.columns, 4);
    ASSERT_EQ(colors.rows, 2);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < (r == 0 ? 4 : 3); ++c)
            EXPECT_EQ(colors.At(c, r), block[r][c]) << c << "," << r;
    EXPECT_EQ(colors.At(3, 1), MakeColor(128, 128, 128));
    EXPECT_TRUE(MeanCellColors(picture, 0, 3).Empty());
}

TEST(CellColors, FromAJpegFileMatchTheWholePictureAndKeepTheText) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("p.jpg").toStdString();
    test::WriteFile(path, test::EncodePicture(test::RandomRaster(301, 203, 9), "JPG", 90));
    TextArtSession session;
    TextArtSettings s;
    s.font = {"DejaVu Sans Mono", 8};
    s.columns = 37;
    PrepareSession(session, s);
    const TextArtFileResult plain = TextArtFromFile(path, s, session);
    s.cellColors = true;
    const TextArtFileResult coloured = TextArtFromFile(path, s, session);
    ASSERT_TRUE(coloured.error.empty()) << coloured.error;
    EXPECT_EQ(coloured.art.text, plain.art.text);
    const Raster decoded = DecodePicture(path).raster;
    const CellColors whole = MeanCellColors(decoded, 37, coloured.art.rows);
    EXPECT_EQ(coloured.art.colors.values, whole.values);
    EXPECT_EQ(ConvertPicture(decoded, s, session).colors.values, whole.values);
    // A JPEG cut short fails as it does without colour.
    const std::string cut = dir.filePath("cut.jpg").toStdString();
    test::WriteFile(cut, test::ReadFile(path).substr(0, 3000));
    EXPECT_FALSE(TextArtFromFile(cut, s, session).error.empty());
}

TEST(Palette256, MapsPureColoursAndGreysToTheirEntries) {
    // Black, white and red, blue take the cube's corners; 95 is the cube's own grey.
    const std::pair<ColorValue, int> known[] = {{0, 16},
                                                {0xFFFFFF, 231},
                                                {MakeColor(255, 0, 0), 196},
                                                {MakeColor(0, 0, 255), 21},
                                                {MakeColor(0, 255, 255), 51},
                                                {MakeColor(95, 95, 95), 59},
                                                {MakeColor(130, 130, 131), 244}};
    for (const auto& [color, index] : known) EXPECT_EQ(NearestPaletteIndex(color), index) << color;
    for (int k = 0; k < 24; ++k) {
        const int v = 8 + 10 * k;
        EXPECT_EQ(NearestPaletteIndex(MakeColor(v, v, v)), 232 + k) << v;
    }
    // A grey never maps to a tinted entry.
    for (int v = 0; v < 256; v += 5) {
        const int i = NearestPaletteIndex(MakeColor(v, v, v));
        const bool cubeGrey = i >= 16 && i < 232 && (i - 16) / 36 == (i - 16) % 6 &&
                              (i - 16) % 6 == ((i - 16) / 6) % 6;
        EXPECT_TRUE(i >= 232 || cubeGrey) << v << " -> " << i;
    }
}

TEST(AnsiColorWriter, StrippingTheEscapesGivesTheTextBack) {
    std::mt19937 gen(7);
    std::string text;
    CellColors colors{6, 4, {}};
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 6; ++c) {
            const char* cells[] = {"a", " ", "\xC3\xA9", "#", "\xE2\x82\xAC"};  // é and €
            text += cells[gen() % 5];
            colors.values.push_back(static_cast<ColorValue>(gen() % 3 * 0x7F7F7F));
        }
        if (r < 3) text += '\n';
    }
    for (ColorDepth depth : {ColorDepth::TrueColor, ColorDepth::Palette256})
        for (bool back : {false, true}) {
            AnsiColorOptions o{depth, back ? std::optional<ColorValue>(0x102030) : std::nullopt};
            EXPECT_EQ(StripSgr(ColorTerminalText(text, colors, o)), text);
        }
    EXPECT_EQ(ColorTerminalText("", colors, {}), "");
}

TEST(AnsiColorWriter, SetsAColourOnlyWhereItChangesAndResetsEachLine) {
    const CellColors colors{4,
                            3,
                            {MakeColor(255, 0, 0), MakeColor(255, 0, 0), 0x00FF00, 0x00FF00,
                             0x00FF00, 0x00FF00, 0x00FF00, 0x00FF00,  //
                             MakeColor(1, 2, 3), MakeColor(4, 5, 6), 0, 0}};
    // Red "ab", then a blank that keeps the colour, green "d"; a blank row
    // sets nothing; the last row has two colours of one palette entry.
    const std::string text = "ab d\n    \nxy";
    EXPECT_EQ(ColorTerminalText(text, colors, {}),
              "\x1b[38;2;255;0;0mab \x1b[38;2;0;255;0md\x1b[0m\n    \n"
              "\x1b[38;2;1;2;3mx\x1b[38;2;4;5;6my\x1b[0m");
    EXPECT_EQ(ColorTerminalText(text, colors, {ColorDepth::Palette256, std::nullopt}),
              "\x1b[38;5;196mab \x1b[38;5;46md\x1b[0m\n    \n\x1b[38;5;232mxy\x1b[0m");
    // A background is set once per line, with the first cell's colour.
    EXPECT_EQ(ColorTerminalText(" b\n", colors, {ColorDepth::TrueColor, 0x000000}),
              "\x1b[48;2;0;0;0m \x1b[38;2;255;0;0mb\x1b[0m\n");
    EXPECT_EQ(ColorTerminalText("a", colors, {ColorDepth::Palette256, 0xFFFFFF}),
              "\x1b[48;5;231;38;5;196ma\x1b[0m");
}

class ArtPictureTest : public ::testing::Test {
  protected:
    QFont font = MakeTextArtFont("DejaVu Sans Mono", 12);
    TextExtent cell = MeasureText(font, "A");
};

TEST_F(ArtPictureTest, OneGlyphOnBlanksInksOnlyItsCellAsTheCanvasDrawsIt) {
    ASSERT_GT(cell.width, 0);
    QtGlyphCanvas canvas;
    canvas.SetFont(font);
    canvas.PrepareCell();
    canvas.DrawCode('#');
    for (int scale : {1, 3}) {
        const ArtPicture art = RenderArtPicture("   \r\n  #\r\n   ", font, {0, 0xFFFFFF, scale});
        ASSERT_TRUE(art.Ok());
        const Raster& p = art.picture;
        ASSERT_EQ(p.Width(), 3 * cell.width * scale);
        ASSERT_EQ(p.Height(), 3 * cell.height * scale);
        int ink = 0;
        for (int y = 0; y < p.Height(); ++y)
            for (int x = 0; x < p.Width(); ++x) {
                const int cx = x / scale / cell.width, cy = y / scale / cell.height;
                const ColorValue want =
                    cx == 2 && cy == 1
                        ? canvas.Pixels().Pixel(x / scale % cell.width, y / scale % cell.height)
                        : 0xFFFFFF;
                ASSERT_EQ(p.Pixel(x, y), want) << x << "," << y;
                ink += p.Pixel(x, y) == 0;
            }
        EXPECT_GT(ink, 0);
    }
}

TEST_F(ArtPictureTest, PaintsTheChosenColoursOrEachCellsOwn) {
    const CellColors colors{2, 1, {MakeColor(200, 10, 20), MakeColor(5, 6, 7)}};
    const ArtPicture plain = RenderArtPicture("MM", font, {MakeColor(0, 0, 255), 0x00FF00, 1});
    const ArtPicture own = RenderArtPicture("MM", font, {0, 0x102030, 1}, &colors);
    ASSERT_TRUE(plain.Ok() && own.Ok());
    for (int x = 0; x < 2 * cell.width; ++x)
        for (int y = 0; y < cell.height; ++y) {
            const bool ink = plain.picture.Pixel(x, y) == MakeColor(0, 0, 255);
            EXPECT_TRUE(ink || plain.picture.Pixel(x, y) == 0x00FF00);
            EXPECT_EQ(own.picture.Pixel(x, y),
                      ink ? colors.values[x / cell.width] : ColorValue{0x102030});
        }
    EXPECT_FALSE(RenderArtPicture("", font, {}).Ok());
    EXPECT_FALSE(RenderArtPicture("x", font, {0, 0, 0}).Ok());
}

}  // namespace
}  // namespace glifora
