#include "webart/webart_writer.h"

#include <gtest/gtest.h>

#include "platform/random.h"
#include "test_support.h"

namespace glifora {
namespace {

const std::string kQualityHead =
    "<html>\r\n\r\n<head><meta charset=\"windows-1252\"><body bgcolor=\"#000000\">\r\n<style "
    "type=\"text/css\">\r\nbody {\r\n"
    "  font-family: monospace;\r\n  font-size: 1pt;\r\n  letter-spacing: 0.2px;\r\n"
    "  letter-spacing: calc(1px - 1ch);\r\n  line-height: 1px;\r\n}\r\n</style>\r\n\r\n"
    "<title>Glifora</title>\r\n"
    "</head>\r\n\r\n<body>\r\n<br><br><br><br><br><br>\r\n<br><br><br><br><br><br>\r\n"
    "<br><br><br><br><br><br>\r\n<div align=\"center\">\r\n";
const std::string kNormalHead =
    "<html>\r\n\r\n<head><meta charset=\"windows-1252\"><body bgcolor=\"#000000\">\r\n<br>\r\n"
    "<div align=\"center\" style=\"white-space:nowrap\"><font face=\"Courier New \" "
    "size=\"1\">\r\n";
const std::string kFoot = "</div>\r\n</body>\r\n\r\n</html>\r\n";

std::string Open(const char* rgb) {
    return std::string("<font style=\"color:rgb(") + rgb + ")\">";
}
std::string Switch(const char* rgb) {
    return "</font>" + Open(rgb);
}

// Red at (0, 0), green at (1, 0).
Raster RedGreen() {
    Raster r(2, 1);
    r.SetPixel(0, 0, MakeColor(255, 0, 0));
    r.SetPixel(1, 0, MakeColor(0, 255, 0));
    return r;
}

std::string Page(const Raster& picture, const WebArtSettings& s, WebArtState& state) {
    PrepareWebPalette(s, state);
    return WebArtPage(picture, s, state);
}

TEST(WebArtPage, QualityModeWithoutAndWithBorders) {
    // Single borders in every mix are checked on random pictures below.
    WebArtSettings s;
    s.quality = true;
    s.size = 5;
    WebArtState state;
    EXPECT_EQ(Page(RedGreen(), s, state),
              kQualityHead + Open("255,0,0") + "0" + Switch("0,255,0") + "0<br>\r\n" + kFoot);
    s.borders = {true, true, true, true};
    EXPECT_EQ(Page(RedGreen(), s, state), kQualityHead + Open("-1,0,0") + "0000<br>\r\n0" +
                                              Switch("255,0,0") + "0" + Switch("0,255,0") + "0" +
                                              Switch("-1,0,0") + "0<br>\r\n0000<br>\r\n" + kFoot);
}

TEST(WebArtPage, UserPaletteRunsOnAcrossRowsAndPages) {
    // 3 x 3 white at step 1 across, 2 down: rows 0 and 2. The colour carries
    // over from row to row, so the page holds one font element.
    WebArtSettings s;
    s.palette = kWebPaletteUserText;
    s.userText = "AB";
    s.size = 5;
    WebArtState state;
    const Raster white(3, 3, 0xFFFFFF);
    EXPECT_EQ(Page(white, s, state),
              kNormalHead + Open("255,255,255") + "ABA<br>\r\nBAB<br>\r\n" + kFoot);
    EXPECT_EQ(state.WebPaletteIndex, 2);
    EXPECT_EQ(Page(white, s, state),
              kNormalHead + Open("255,255,255") + "ABA<br>\r\nBAB<br>\r\n" + kFoot);
    s.userText = "ABC";  // a longer text continues from the same position
    EXPECT_EQ(Page(Raster(1, 1, 0), s, state), kNormalHead + Open("0,0,0") + "C<br>\r\n" + kFoot);
}

TEST(WebArtPage, BinaryPaletteIsTwoHundredFreshDigits) {
    WebArtSettings s;
    WebArtState state;
    SeedRandom(7);
    PrepareWebPalette(s, state);
    const std::string first = state.WebPalette;
    ASSERT_EQ(first.size(), 200u);
    EXPECT_EQ(first.find_first_not_of("01"), std::string::npos);
    PrepareWebPalette(s, state);
    EXPECT_NE(state.WebPalette, first);
    SeedRandom(7);
    WebArtState again;
    PrepareWebPalette(s, again);
    EXPECT_EQ(again.WebPalette, first);
    s.palette = -1;  // nothing selected: the palette stays
    PrepareWebPalette(s, again);
    EXPECT_EQ(again.WebPalette, first);
}

// The samples of a page as plainly as they can be written: one pixel read,
// one split and std::to_string per sample. The writer's own formatting must
// give exactly these bytes.
std::string PlainSamples(const Raster& p, const WebArtSettings& s, WebArtState& state) {
    const int step = 6 - s.size;
    const int stepY = s.quality ? step : 2 * step;
    const WebBorders b = s.quality ? s.borders : WebBorders{};
    std::string out;
    bool first = true;
    SampleColor previous{0, 0, 0};
    for (int y = b.top ? -1 : 0; y <= (b.bottom ? p.Height() : p.Height() - 1); y += stepY) {
        for (int x = b.left ? -1 : 0; x <= (b.right ? p.Width() : p.Width() - 1); x += step) {
            const SampleColor c = SplitSampleColor(p.Pixel(x, y));
            const std::string ch = s.quality ? "0" : NextWebChar(state);
            if (first || c != previous)
                out += (first ? "<font style=\"color:rgb(" : "</font><font style=\"color:rgb(") +
                       std::to_string(c.R) + "," + std::to_string(c.G) + "," + std::to_string(c.B) +
                       ")\">";
            for (char k : ch)
                out += k == '&'   ? "&amp;"
                       : k == '<' ? "&lt;"
                       : k == '>' ? "&gt;"
                                  : std::string(1, k);
            first = false;
            previous = c;
        }
        out += "<br>\r\n";
    }
    return out + kFoot;
}

TEST(WebArtPage, FormattingMatchesThePlainWayOnRandomPictures) {
    // Few colours, so runs of a colour both start and continue; every size,
    // both modes, every border, palettes with characters that are escaped.
    for (unsigned seed = 1; seed <= 6; ++seed) {
        Raster p = test::RandomRaster(37 + static_cast<int>(seed) * 5, 23, seed);
        for (int y = 0; y < p.Height(); ++y)
            for (int x = 0; x < p.Width(); ++x) p.SetPixel(x, y, p.Pixel(x, y) & 0x818181);
        for (int size = 1; size <= 5; ++size) {
            WebArtSettings s;
            s.quality = seed % 2 == 0;
            s.size = size;
            s.borders = {seed % 3 == 0, true, seed > 3, seed % 2 == 1};
            s.palette = kWebPaletteUserText;
            s.userText = seed == 5 ? "" : "a&<>b";
            WebArtState mine, plain;
            mine.WebPalette = plain.WebPalette = s.userText;
            const std::string page = WebArtPage(p, s, mine);
            const size_t body = page.find("<font style");
            ASSERT_NE(body, std::string::npos);
            EXPECT_EQ(page.substr(body), PlainSamples(p, s, plain)) << seed << " " << size;
            EXPECT_EQ(mine.WebPaletteIndex, plain.WebPaletteIndex);
        }
    }
    // A row longer than a piece is cut inside the row, no piece grows much
    // past a megabyte, and the pieces join to the whole page.
    Raster wide = test::RandomRaster(60000, 2, 9);
    WebArtSettings s;
    s.quality = true;
    s.size = 5;
    WebArtState state, plain;
    size_t largest = 0, pieces = 0;
    std::string joined;
    EXPECT_TRUE(WriteWebArtPage(wide, s, state, [&](std::string_view piece) {
        largest = std::max(largest, piece.size());
        ++pieces;
        joined += piece;
        return true;
    }));
    EXPECT_LE(largest, (size_t{1} << 20) + 256);
    EXPECT_GT(pieces, 2u);
    EXPECT_EQ(joined, kQualityHead + PlainSamples(wide, s, plain));
    // A sink that gives up stops the writer at once.
    int offered = 0;
    EXPECT_FALSE(WriteWebArtPage(wide, s, state, [&](std::string_view) { return ++offered < 2; }));
    EXPECT_EQ(offered, 2);
}

}  // namespace
}  // namespace glifora
