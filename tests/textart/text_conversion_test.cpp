#include "textart/text_conversion.h"

#include <gtest/gtest.h>

#include <climits>
#include <numeric>

#include "platform/shrink.h"
#include "test_support.h"
#include "textart/text_file.h"

namespace glifora {
namespace {

// Level map printing '0' + level / 26: easy to read back.
std::array<int32_t, 256> DigitMap() {
    std::array<int32_t, 256> m{};
    for (int l = 0; l < 256; ++l) m[l] = '0' + l / 26;
    return m;
}

Raster Grey(int w, int h, int level) {
    return Raster(w, h, MakeColor(level, level, level));
}

TEST(PixelLevel, IsTheMeanOfTheComponents) {
    EXPECT_EQ(PixelLevel(0), 0);
    EXPECT_EQ(PixelLevel(0xFFFFFF), 255);
    EXPECT_EQ(PixelLevel(MakeColor(255, 0, 0)), 85);
    EXPECT_EQ(PixelLevel(MakeColor(1, 1, 0)), 1);          // 0.67
    EXPECT_EQ(PixelLevel(MakeColor(100, 101, 101)), 101);  // 100.67
    EXPECT_EQ(PixelLevel(-1), 0);                          // outside the picture is black
}

TEST(ColumnsAndRows, FollowTheScreenAndTheCell) {
    // 1024 px = 15360 twips; cell 5 px: 3072 div 15 = 204 cells; 50 % = 102.
    EXPECT_EQ(ComputeColumnCount(50, 1024, 5), 102);
    EXPECT_EQ(ComputeColumnCount(100, 1024, 5), 204);
    EXPECT_EQ(ComputeColumnCount(1, 1024, 5), 2);  // 2.04
    EXPECT_EQ(ComputeColumnCount(50, 1024, 0), 0);
    // 400 x 300 picture, 100 columns, cell 5 x 9: 300 / 4 / 1.8 = 41.67 -> 42.
    EXPECT_EQ(ComputeRowCount(400, 300, 100, 5, 9), 42);
    EXPECT_EQ(ComputeRowCount(400, 300, 0, 5, 9), 0);
    EXPECT_EQ(ComputeRowCount(400, 1, 10, 5, 9), 0);  // 0.014 rows: nothing to convert
    EXPECT_EQ(ComputeRowCount(400, 300, 100, 0, 9), 0);
}

TEST(ColumnsAndRows, AThinPictureAtManyColumnsIsRefusedNotAllocated) {
    // 1 x 2e9 at 100000 columns: 1e14 rows, held at the top of int.
    EXPECT_EQ(ComputeRowCount(1, 2000000000, 100000, 1, 1), INT_MAX);
    EXPECT_TRUE(TextArtSizeAllowed(16384, 16384));
    EXPECT_FALSE(TextArtSizeAllowed(16384, 16385));
    EXPECT_FALSE(TextArtSizeAllowed(2, INT_MAX));
}

TEST(Tonal, KeepsEveryRowInPlaceIncludingLevelZeroRows) {
    // A black band on top, grey below, in normal mode (level 0 -> darkest glyph).
    Raster pic = Grey(4, 4, 130);
    for (int x = 0; x < 4; ++x) pic.SetPixel(x, 0, 0), pic.SetPixel(x, 1, 0);
    const auto map = DigitMap();
    EXPECT_EQ(ConvertTonal(pic, map, 0), "0000\r\n0000\r\n5555\r\n5555");
    // Negative mode's level-0 character is the blank: the band stays as blanks.
    std::array<int32_t, 256> negative = map;
    negative[0] = ' ';
    EXPECT_EQ(ConvertTonal(pic, negative, 0), "    \r\n    \r\n5555\r\n5555");
}

TEST(Tonal, LuminosityOffsetsAndClamps) {
    const auto map = DigitMap();
    EXPECT_EQ(ConvertTonal(Grey(2, 1, 55), map, 100), "99");    // 55 + 200 = 255
    EXPECT_EQ(ConvertTonal(Grey(2, 1, 54), map, 100), "99");    // 254 / 26 = 9
    EXPECT_EQ(ConvertTonal(Grey(2, 1, 199), map, -100), "00");  // clamped to 0
    EXPECT_EQ(ConvertTonal(Grey(1, 1, 52), map, 0), "2");
    EXPECT_EQ(ConvertTonal(Raster(), map, 0), "");
}

TEST(Outline, PicksEdgesFromTheFourNeighbours) {
    auto make = [](const std::vector<std::string>& rows) {
        Raster r(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
        for (size_t y = 0; y < rows.size(); ++y)
            for (size_t x = 0; x < rows[y].size(); ++x)
                r.SetPixel(static_cast<int>(x), static_cast<int>(y),
                           rows[y][x] == '#'   ? 0
                           : rows[y][x] == 'g' ? 0x808080
                                               : 0xFFFFFF);
        return r;
    };
    // A single black pixel in the top-left corner: Lf and Up outside (0), Rt and Dn white.
    EXPECT_EQ(ConvertOutline(make({"#.", ".."}), false), "/ \r\n  ");
    // A 3 x 3 black block on white. The top edge's middle cell matches no test
    // (its only white neighbour is above) and repeats the slash before it.
    EXPECT_EQ(ConvertOutline(make({".....", ".###.", ".###.", ".###.", "....."}), false),
              "     \r\n"
              " //\\ \r\n"
              " | | \r\n"
              " \\_/ \r\n"
              "     ");
    EXPECT_EQ(ConvertOutline(make({".....", ".###.", ".###.", ".###.", "....."}), true),
              "     \r\n //\\ \r\n |:| \r\n \\_/ \r\n     ");
    // A black cell among grey neighbours repeats the previous character;
    // before any character it stays blank.
    EXPECT_EQ(ConvertOutline(make({"ggg", "g#g", "ggg"}), false), "   \r\n   \r\n   ");
    EXPECT_EQ(ConvertOutline(make({"#.gg", "..g#", "gggg"}), false), "/   \r\n   /\r\n    ");
}

TEST(SavedFile, HasTheSignatureLineAndAFinalCrLf) {
    const std::string content =
        SavedTextContent(FontPanelText("Lucida Console"), SizePanelText(6), "ab\r\ncd\r\n");
    EXPECT_EQ(content,
              "Ascii Art generado por Glifora. Fuente: Lucida Console Tama\xF1o: 6\r\n"
              "ab\r\ncd\r\n\r\n");
}

}  // namespace
}  // namespace glifora
