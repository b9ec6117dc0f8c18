#include "platform/picture_decoder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "platform/jpeg_reader.h"
#include "platform/shrink.h"
#include "test_support.h"

namespace glifora {
namespace {

// 1 x 1 GIF89a whose only pixel is red (global table: red, blue).
const std::string kRedGif(
    "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\xff"
    "\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00\x3b",
    35);

Raster Smooth(int w, int h) {
    Raster r(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            r.SetPixel(x, y, MakeColor((x * 255) / w, (y * 255) / h, ((x + y) * 7) & 0xFF));
    return r;
}

class Decoding : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    std::string Path(const char* name) { return dir.filePath(name).toStdString(); }
};

TEST_F(Decoding, ReadsEachFormatByContentNotByName) {
    const Raster r = test::RandomRaster(5, 4, 7);
    // Lossless formats come back exactly, whatever the file is called.
    for (const char* format : {"BMP", "PNG", "ICO"}) {
        const std::string path = Path((std::string("picture_") + format + ".jpg").c_str());
        test::WriteFile(path, test::EncodePicture(r, format));
        const PictureLoad load = DecodePicture(path);
        ASSERT_TRUE(load.Ok()) << format << ": " << load.error;
        EXPECT_EQ(load.raster, r) << format;
    }
    test::WriteFile(Path("red.bmp"), kRedGif);
    const PictureLoad gif = DecodePicture(Path("red.bmp"));
    ASSERT_TRUE(gif.Ok()) << gif.error;
    EXPECT_EQ(gif.raster.Pixel(0, 0), MakeColor(255, 0, 0));

    const Raster smooth = Smooth(16, 16);
    test::WriteFile(Path("p.gif"), test::EncodePicture(smooth, "JPG", 95));
    const PictureLoad jpeg = DecodePicture(Path("p.gif"));
    ASSERT_TRUE(jpeg.Ok()) << jpeg.error;
    ASSERT_EQ(jpeg.raster.Width(), 16);
    // Lossy, but close.
    EXPECT_NEAR(jpeg.raster.Pixel(8, 8) & 0xFF, smooth.Pixel(8, 8) & 0xFF, 12);
}

TEST_F(Decoding, BrokenFilesFailWithAReason) {
    // Cut and oversized files of each format are in the bad-file collection.
    const std::string jpg = test::EncodePicture(Smooth(64, 64), "JPG", 90);
    test::WriteFile(Path("text.bmp"), "esto no es una imagen\n");
    test::WriteFile(Path("header_only.jpg"), jpg.substr(0, 20));
    for (const std::string& path : {Path("text.bmp"), Path("header_only.jpg"), Path("missing.bmp"),
                                    dir.path().toStdString()}) {
        const PictureLoad load = DecodePicture(path);
        EXPECT_FALSE(load.Ok()) << path;
        EXPECT_FALSE(load.error.empty()) << path;
    }
}

TEST_F(Decoding, RowSamplingGivesTheSamePixelsAsTheWholePicture) {
    for (const char* sampling : {"smooth", "noise"}) {
        const Raster src =
            std::string(sampling) == "smooth" ? Smooth(203, 157) : test::RandomRaster(203, 157, 9);
        const std::string path = Path("s.jpg");
        test::WriteFile(path, test::EncodePicture(src, "JPG", 85));
        const PictureLoad whole = DecodePicture(path);
        ASSERT_TRUE(whole.Ok());
        for (ShrinkTarget t : {ShrinkTarget{40, 17}, ShrinkTarget{203, 157}, ShrinkTarget{1, 1},
                               ShrinkTarget{300, 200}, ShrinkTarget{7, 156}}) {
            int w = 0, h = 0;
            const PictureLoad part = DecodePictureShrunk(
                path, [&](int, int) { return t; }, &w, &h);
            ASSERT_TRUE(part.Ok()) << part.error;
            EXPECT_EQ(w, 203);
            EXPECT_EQ(h, 157);
            EXPECT_EQ(part.raster, ShrinkNearest(whole.raster, t.width, t.height))
                << sampling << " " << t.width << "x" << t.height;
        }
    }
}

TEST_F(Decoding, RowSamplingNoticesAFileCutBelowTheLastSampledRow) {
    const std::string jpg = test::EncodePicture(test::RandomRaster(64, 256, 5), "JPG", 90);
    test::WriteFile(Path("cut.jpg"), jpg.substr(0, jpg.size() * 3 / 4));
    const PictureLoad part = DecodePictureShrunk(Path("cut.jpg"), [](int, int) {
        return ShrinkTarget{4, 2};
    });
    EXPECT_FALSE(part.Ok());
}

}  // namespace
}  // namespace glifora
