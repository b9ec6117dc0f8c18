#include "textart/detail_conversion.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <random>

#include "../scripted_canvas.h"
#include "platform/qt_raster.h"
#include "textart/art_quality.h"
#include "textart/detail_picture.h"
#include "textart/text_art_job.h"

namespace glifora {
namespace {

// Two small photographs with tone and edges at many scales.
Raster Photo(const char* name) {
    QImage image(QStringLiteral(GLIFORA_TEST_DATA "/photos/") + QLatin1String(name));
    EXPECT_FALSE(image.isNull()) << name;
    return RasterFromImage(image);
}

Raster FromGrey(const GreyPlane& g) {
    Raster r(g.width, g.height);
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x) {
            const int v = static_cast<int>(g.At(x, y) + 0.5f);
            r.SetPixel(x, y, MakeColor(v, v, v));
        }
    return r;
}

struct Fixture {
    TextArtSession session;
    TextArtSettings settings;
    explicit Fixture(int palette = 1, bool negative = false) {
        settings.font = {"DejaVu Sans Mono", 8};
        settings.palette = palette;
        settings.negative = negative;
        settings.columns = 60;
        PrepareSession(session, settings);
    }
    std::string Text(const Raster& p, Algorithm a) {
        settings.algorithm = a;
        return ConvertPicture(p, settings, session).text;
    }
    ArtQuality Score(const Raster& p, const std::string& text) const {
        const GlyphShapes& shapes = session.Tables().Shapes;
        const std::vector<std::string> rows = TextRows(text);
        const int columns = static_cast<int>(rows.at(0).size());
        return MeasureArtQuality(RenderText(rows, columns, shapes),
                                 AreaResize(LumaOf(p), columns * shapes.width,
                                            static_cast<int>(rows.size()) * shapes.height),
                                 shapes.width, shapes.height, DarkestGlyphGrey(shapes, 32, 126));
    }
};

}  // namespace

TEST(ArtQuality, UnrelatedTextScoresNoStructureAndAGlyphPictureScoresOne) {
    Fixture f;
    const Raster p = Photo("coffee.jpg");
    const std::vector<std::string> good = TextRows(f.Text(p, Algorithm::Detail));
    const size_t columns = good.at(0).size();
    std::mt19937 rng(3);
    std::string blank, random, shifted;
    for (size_t r = 0; r < good.size(); ++r) {
        blank += std::string(columns, ' ') + "\r\n";
        for (size_t c = 0; c < columns; ++c) random.push_back(static_cast<char>(33 + rng() % 94));
        random += "\r\n";
        const std::string& src = good[(r + 4) % good.size()];
        shifted += src.substr(7) + src.substr(0, 7) + "\r\n";
    }
    EXPECT_EQ(f.Score(p, blank).structure, 0.0);
    EXPECT_NEAR(f.Score(p, random).structure, 0.0, 0.1);
    EXPECT_NEAR(f.Score(p, shifted).structure, 0.0, 0.15);
    EXPECT_GT(f.Score(p, f.Text(p, Algorithm::Detail)).structure, 0.4);

    // The random text drawn as a picture and measured against itself.
    const Raster glyphPicture = FromGrey(
        RenderText(TextRows(random), static_cast<int>(columns), f.session.Tables().Shapes));
    EXPECT_GT(f.Score(glyphPicture, random).structure, 0.99);
}

// On real photographs the detail conversion keeps the tone better than the
// tonal one, which matches every cell's mean on its own, and far more of the
// structure; a flat grey keeps its tone too.
TEST(DetailConversion, BeatsTheTonalConversionOnToneAndStructure) {
    Fixture f;
    for (const char* name : {"chelsea.jpg", "coffee.jpg"}) {
        const Raster p = Photo(name);
        const ArtQuality tonal = f.Score(p, f.Text(p, Algorithm::Tonal));
        const ArtQuality detail = f.Score(p, f.Text(p, Algorithm::Detail));
        EXPECT_LT(detail.tone, tonal.tone) << name;
        EXPECT_GT(detail.structure, tonal.structure + 0.2) << name;
    }
    const Raster grey(50, 40, MakeColor(150, 150, 150));
    EXPECT_LT(f.Score(grey, f.Text(grey, Algorithm::Detail)).tone, 4.0);
}

TEST(DetailConversion, KeepsTheGrid) {
    Fixture f;
    const Raster p = Photo("chelsea.jpg");
    const std::string a = f.Text(p, Algorithm::Detail);
    const std::vector<std::string> rows = TextRows(a);
    const int expected =
        ComputeRowCount(p.Width(), p.Height(), 60, f.session.Cell().width, f.session.Cell().height);
    ASSERT_EQ(static_cast<int>(rows.size()), expected);
    for (const std::string& r : rows) EXPECT_EQ(r.size(), 60u);
    EXPECT_EQ(a.find("\r\n\r\n"), std::string::npos);
}

TEST(DetailConversion, PrintsOnlyPrintableCodesOfThePaletteInBothModes) {
    for (int palette = 0; palette < 4; ++palette)
        for (bool negative : {false, true}) {
            Fixture f(palette, negative);
            for (const Raster& p :
                 {Photo("coffee.jpg"), Photo("chelsea.jpg"), Raster(50, 40, 0), Raster(50, 40)}) {
                const std::string text = f.Text(p, Algorithm::Detail);
                ASSERT_FALSE(text.empty());
                for (const std::string& row : TextRows(text))
                    for (char ch : row) {
                        const int c = static_cast<uint8_t>(ch);
                        EXPECT_TRUE(PrintableCode(c)) << palette << " " << c;
                        EXPECT_GE(c,
                                  kPalettes[palette].first == 31 ? 32 : kPalettes[palette].first);
                        EXPECT_LE(c, kPalettes[palette].last);
                    }
            }
        }
    // White in normal mode and black in negative mode are blank where a blank exists.
    Fixture normal(1), negative(1, true);
    EXPECT_EQ(TextRows(normal.Text(Raster(50, 40), Algorithm::Detail))[2], std::string(60, ' '));
    EXPECT_EQ(TextRows(negative.Text(Raster(50, 40, 0), Algorithm::Detail))[2],
              std::string(60, ' '));
}

TEST(DetailConversion, FromAJpegFileDecodesAtAReducedScale) {
    Fixture f;
    QTemporaryDir dir;
    const std::string path = dir.filePath("big.jpg").toStdString();
    QImage big = ImageFromRaster(Photo("chelsea.jpg")).scaled(1920, 1440);
    ASSERT_TRUE(big.save(QString::fromStdString(path), "JPEG", 95));
    f.settings.algorithm = Algorithm::Detail;
    const TextArtFileResult fromFile = TextArtFromFile(path, f.settings, f.session);
    ASSERT_TRUE(fromFile.error.empty()) << fromFile.error;
    const TextArtResult inMemory = ConvertPicture(RasterFromImage(big), f.settings, f.session);
    EXPECT_EQ(fromFile.art.rows, inMemory.rows);
    // The reduced decode sees nearly the same picture: nearly the same text.
    ASSERT_EQ(fromFile.art.text.size(), inMemory.text.size());
    int same = 0;
    for (size_t i = 0; i < inMemory.text.size(); ++i)
        same += fromFile.art.text[i] == inMemory.text[i];
    EXPECT_GT(same, static_cast<int>(inMemory.text.size() * 0.6));

    // A thin picture at many columns is refused, not allocated.
    f.settings.columns = 100000;
    EXPECT_TRUE(TextArtFromFile(path, f.settings, f.session).art.tooLarge);
}

TEST(GlyphShapes, AreCapturedWhereTheGlyphsAreScanned) {
    test::ScriptedCanvas canvas(3, 2);
    canvas.ink['A'] = 4;
    GlyphTables t;
    BuildGlyphTable(t, 2, canvas);
    ASSERT_EQ(t.Shapes.width, 3);
    EXPECT_EQ(t.Shapes.ink['A'], (std::vector<uint8_t>{1, 1, 1, 1, 0, 0}));
    EXPECT_TRUE(t.Shapes.ink['0'].empty());  // outside palette 2
    BuildGlyphTable(t, 3, canvas);
    EXPECT_TRUE(t.Shapes.ink['A'].empty());
    EXPECT_EQ(t.Shapes.ink['0'].size(), 6u);
    EXPECT_FALSE(PrintableCode(0x9D));
    EXPECT_FALSE(PrintableCode(127));
    EXPECT_TRUE(PrintableCode(' '));
}

}  // namespace glifora
