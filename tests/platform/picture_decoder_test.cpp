#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "platform/jpeg_reader.h"
#include "platform/picture_decoder.h"
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
    const std::string bmp = test::EncodePicture(test::RandomRaster(40, 40, 3), "BMP");
    const std::string jpg = test::EncodePicture(Smooth(64, 64), "JPG", 90);
    struct Case {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"empty.bmp", ""},
        {"text.bmp", "esto no es una imagen\n"},
        {"cut.bmp", bmp.substr(0, bmp.size() / 2)},
        {"cut.jpg", jpg.substr(0, jpg.size() / 2)},
        {"header_only.jpg", jpg.substr(0, 20)},
        {"cut.gif", kRedGif.substr(0, 28)},
    };
    for (const Case& c : cases) {
        test::WriteFile(Path(c.name), c.bytes);
        const PictureLoad load = DecodePicture(Path(c.name));
        EXPECT_FALSE(load.Ok()) << c.name;
        EXPECT_FALSE(load.error.empty()) << c.name;
    }
    EXPECT_FALSE(DecodePicture(Path("missing.bmp")).Ok());
    EXPECT_FALSE(DecodePicture(dir.path().toStdString()).Ok());
}

TEST_F(Decoding, PicturesOverTheLimitAreRefusedBeforeAllocation) {
    // A BMP header claiming 30000 x 30000 pixels (3.6 GB) with no data behind it.
    std::string bmp = test::EncodePicture(Raster(2, 2), "BMP");
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) bmp[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    put32(18, 30000);
    put32(22, 30000);
    test::WriteFile(Path("huge.bmp"), bmp);
    EXPECT_FALSE(DecodePicture(Path("huge.bmp")).Ok());

    // A JPEG whose frame header says 65000 x 65000.
    std::string jpg = test::EncodePicture(Smooth(8, 8), "JPG", 90);
    const size_t sof = jpg.find("\xFF\xC0", 0, 2);
    ASSERT_NE(sof, std::string::npos);
    jpg[sof + 5] = '\xFD', jpg[sof + 6] = '\xE8', jpg[sof + 7] = '\xFD', jpg[sof + 8] = '\xE8';
    test::WriteFile(Path("huge.jpg"), jpg);
    const PictureLoad load = DecodePicture(Path("huge.jpg"));
    EXPECT_FALSE(load.Ok());
}

TEST_F(Decoding, RowSamplingGivesTheSamePixelsAsTheWholePicture) {
    for (const char* sampling : {"smooth", "noise"}) {
        const Raster src = std::string(sampling) == "smooth" ? Smooth(203, 157)
                                                             : test::RandomRaster(203, 157, 9);
        const std::string path = Path("s.jpg");
        test::WriteFile(path, test::EncodePicture(src, "JPG", 85));
        const PictureLoad whole = DecodePicture(path);
        ASSERT_TRUE(whole.Ok());
        for (ShrinkTarget t : {ShrinkTarget{40, 17}, ShrinkTarget{203, 157}, ShrinkTarget{1, 1},
                               ShrinkTarget{300, 200}, ShrinkTarget{7, 156}}) {
            int w = 0, h = 0;
            const PictureLoad part =
                DecodePictureShrunk(path, [&](int, int) { return t; }, &w, &h);
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
    const PictureLoad part =
        DecodePictureShrunk(Path("cut.jpg"), [](int, int) { return ShrinkTarget{4, 2}; });
    EXPECT_FALSE(part.Ok());
}

}  // namespace
}  // namespace glifora
