#include "platform/picture_decoder.h"

#include <gtest/gtest.h>

#include <QDir>

#include "platform/jpeg_reader.h"
#include "platform/shrink.h"
#include "test_helpers.h"

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

using Decoding = test::InTempDir;

TEST_F(Decoding, ReadsEachFormatByContentNotByName) {
    const Raster r = test::RandomRaster(5, 4, 7);
    // Lossless formats come back exactly, whatever the file is called.
    for (const char* format : {"BMP", "PNG", "ICO"}) {
        const std::string path = Path(std::string("picture_") + format + ".jpg");
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
    const std::string jpg = test::EncodePicture(test::RandomRaster(64, 256, 5), "JPG", 90);
    test::WriteFile(Path("text.bmp"), "esto no es una imagen\n");
    test::WriteFile(Path("header_only.jpg"), jpg.substr(0, 20));
    for (const std::string& path : {Path("text.bmp"), Path("header_only.jpg"), Path("missing.bmp"),
                                    dir.path().toStdString()}) {
        const PictureLoad load = DecodePicture(path);
        EXPECT_FALSE(load.Ok()) << path;
        EXPECT_FALSE(load.error.empty()) << path;
    }
    // Row sampling notices a file cut below the last row it samples.
    test::WriteFile(Path("cut.jpg"), jpg.substr(0, jpg.size() * 3 / 4));
    EXPECT_FALSE(DecodePictureShrunk(Path("cut.jpg"), [](int, int) {
                     return ShrinkTarget{4, 2};
                 }).Ok());
}

TEST_F(Decoding, RowSamplingGivesTheSamePixelsAsTheWholePicture) {
    for (const char* sampling : {"smooth", "noise"}) {
        const Raster src =
            std::string(sampling) == "smooth" ? Smooth(203, 157) : test::RandomRaster(203, 157, 9);
        const std::string path = Path("s.jpg");
        test::WriteFile(path, test::EncodePicture(src, "JPG", 85));
        const PictureLoad whole = DecodePicture(path);
        ASSERT_TRUE(whole.Ok());
        // Decoded from the file a row at a time, as from its bytes in memory.
        EXPECT_EQ(whole.raster, DecodePictureData(test::ReadFile(path)).raster);
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

// A 2 x 1 bitmap of 32-bit pixels, red then blue, with bit-field masks that
// put alpha in the top byte: a 40-byte header followed by the masks, or a V5
// header holding them. The alphas are the pixels' fourth bytes.
std::string Bmp32(bool v5, char alphaRed, char alphaBlue) {
    const uint32_t info = v5 ? 124 : 40, off = 14 + info + (v5 ? 0 : 16);
    std::string b(off, '\0');
    auto put = [&](size_t at, uint32_t v) {
        for (size_t i = 0; i < 4; ++i) b[at + i] = static_cast<char>(v >> (8 * i));
    };
    b[0] = 'B', b[1] = 'M';
    put(2, off + 8), put(10, off), put(14, info), put(18, 2), put(22, 1);
    put(26, 1 | 32 << 16), put(30, 3), put(34, 8);  // 1 plane, 32 bits, BI_BITFIELDS
    put(54, 0x00FF0000), put(58, 0x0000FF00), put(62, 0x000000FF), put(66, 0xFF000000);
    if (v5) put(70, 0x73524742);  // sRGB
    return b + std::string("\0\0\xff", 3) + alphaRed + std::string("\xff\0\0", 3) + alphaBlue;
}

TEST(Bmp32, AnAlphaOfZeroEverywhereIsNoAlphaAndAnyOtherIsComposedOverWhite) {
    const ColorValue red = MakeColor(255, 0, 0), blue = MakeColor(0, 0, 255);
    const struct {
        char alphaRed, alphaBlue;
        ColorValue left, right;
    } cases[] = {
        {0, 0, red, blue},
        {'\xff', '\xff', red, blue},
        {0, '\xff', MakeColor(255, 255, 255), blue},  // transparent beside opaque
        {'\x80', '\x80', MakeColor(255, 127, 127), MakeColor(127, 127, 255)},
    };
    for (const auto& c : cases) {
        // A V5 header describes the alpha; after a 40-byte header only three
        // masks count, so the fourth byte is never alpha.
        for (bool v5 : {false, true}) {
            const PictureLoad load = DecodePictureData(Bmp32(v5, c.alphaRed, c.alphaBlue));
            ASSERT_TRUE(load.Ok()) << load.error;
            EXPECT_EQ(load.raster.Pixel(0, 0), v5 ? c.left : red) << int(c.alphaRed) << v5;
            EXPECT_EQ(load.raster.Pixel(1, 0), v5 ? c.right : blue) << int(c.alphaBlue) << v5;
        }
    }
}

}  // namespace
}  // namespace glifora
