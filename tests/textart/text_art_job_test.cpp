#include "textart/text_art_job.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/random.h"
#include "test_support.h"

namespace glifora {
namespace {

// One session for the file: measuring the font is the slow part.
const TextArtSession& Session() {
    static TextArtSession session;
    static const bool prepared = [] {
        TextArtSettings settings;
        settings.font.FontName = "DejaVu Sans Mono";
        PrepareSession(session, settings);
        return true;
    }();
    (void)prepared;
    return session;
}

TextArtSettings Settings(int columns) {
    TextArtSettings s;
    s.font = Session().Font();
    s.columns = columns;
    return s;
}

TEST(TextArtJob, ColumnsFollowTheSizeSliderUnlessFixed) {
    TextArtSettings s = Settings(7);
    EXPECT_EQ(ColumnsFor(s, 5), 7);
    s.columns.reset();
    s.sizePercent = 50;
    s.screenWidth = 1024;
    EXPECT_EQ(ColumnsFor(s, 5), ComputeColumnCount(50, 1024, 5));
}

TEST(TextArtJob, ConvertsAtTheRowCountAndRefusesAThinPictureAtManyColumns) {
    const Raster white(60, 60, 0xFFFFFF);
    const TextArtResult art = ConvertPicture(white, Settings(6), Session());
    const TextExtent cell = Session().Cell();
    EXPECT_EQ(art.rows, ComputeRowCount(60, 60, 6, cell.width, cell.height));
    EXPECT_EQ(art.text.size(), static_cast<size_t>(art.rows * 6 + (art.rows - 1) * 2));
    EXPECT_FALSE(art.tooLarge);

    const TextArtResult thin = ConvertPicture(Raster(1, 60000, 0), Settings(20000), Session());
    EXPECT_TRUE(thin.tooLarge);
    EXPECT_TRUE(thin.text.empty());
}

// The command line decodes only the sampled pixels when no effect needs the
// whole picture; the text must not depend on which path was taken.
TEST(TextArtJob, AFileGivesTheSameTextAsItsPictureAndEffectsRunFirst) {
    QTemporaryDir dir;
    const Raster picture = test::RandomRaster(97, 61, 4);
    const std::string path = dir.filePath("p.bmp").toStdString();
    test::WriteFile(path, test::EncodePicture(picture, "BMP"));
    TextArtSettings s = Settings(23);
    s.luminosity = 12;
    const TextArtFileResult fromFile = TextArtFromFile(path, s, Session());
    ASSERT_TRUE(fromFile.error.empty());
    EXPECT_EQ(fromFile.art.text, ConvertPicture(picture, s, Session()).text);

    std::string why;
    ASSERT_TRUE(ParseEffectSteps({"negativo"}, s.effects, &why)) << why;
    Raster negative = picture;
    ApplyEffectSteps(negative, s.effects);
    const TextArtFileResult withEffect = TextArtFromFile(path, s, Session());
    EXPECT_EQ(withEffect.art.text, ConvertPicture(negative, s, Session()).text);
    EXPECT_NE(withEffect.art.text, fromFile.art.text);

    EXPECT_FALSE(
        TextArtFromFile(dir.filePath("none.bmp").toStdString(), s, Session()).error.empty());
}

}  // namespace
}  // namespace glifora
