#include "webart/webart_writer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/random.h"
#include "scripted_dialogs.h"
#include "test_support.h"

namespace glifora {
namespace {

const std::string kQualityHead =
    "<html>\r\n\r\n<head><body bgcolor=\"#000000\">\r\n<style type=\"text/css\">\r\nbody {\r\n"
    "  font-size: 1pt;\r\n  line-height: 1px;\r\n}\r\n</style>\r\n\r\n<title>Glifora</title>\r\n"
    "</head>\r\n\r\n<body>\r\n<br><br><br><br><br><br>\r\n<br><br><br><br><br><br>\r\n"
    "<br><br><br><br><br><br>\r\n<div align=\"center\">\r\n";
const std::string kNormalHead =
    "<html>\r\n\r\n<head><body bgcolor=\"#000000\">\r\n<br>\r\n"
    "<div align=\"center\"><font face=\"Courier New \" size=\"1\">\r\n";
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

TEST(WebArtPage, QualityModeWithEachBorder) {
    const std::string red = Open("255,0,0"), green = Switch("0,255,0");
    struct Case {
        WebBorders borders;
        std::string body;
    } cases[] = {
        {WebBorders{}, red + "0" + green + "0<br>\r\n"},
        {WebBorders{true, false, false, false},
         Open("-1,0,0") + "00<br>\r\n" + Switch("255,0,0") + "0" + green + "0<br>\r\n"},
        {WebBorders{false, true, false, false},
         red + "0" + green + "0<br>\r\n" + Switch("-1,0,0") + "00<br>\r\n"},
        {WebBorders{false, false, true, false},
         Open("-1,0,0") + "0" + Switch("255,0,0") + "0" + green + "0<br>\r\n"},
        {WebBorders{false, false, false, true},
         red + "0" + green + "0" + Switch("-1,0,0") + "0<br>\r\n"},
    };
    for (const Case& c : cases) {
        WebArtSettings s;
        s.quality = true;
        s.size = 5;
        s.borders = c.borders;
        WebArtState state;
        EXPECT_EQ(Page(RedGreen(), s, state), kQualityHead + c.body + kFoot) << c.body;
    }
}

TEST(WebArtPage, BordersDoNothingWithoutQuality) {
    WebArtSettings s;
    s.palette = kWebPaletteUserText;
    s.userText = "x";
    s.size = 5;
    s.borders = {true, true, true, true};
    WebArtState state;
    EXPECT_EQ(Page(RedGreen(), s, state),
              kNormalHead + Open("255,0,0") + "x" + Switch("0,255,0") + "x<br>\r\n" + kFoot);
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

TEST(WebArtPage, UserTextIsEscapedAndAnEmptyPaletteWritesNoCharacters) {
    WebArtSettings s;
    s.palette = kWebPaletteUserText;
    s.userText = "<&>";
    s.size = 5;
    WebArtState state;
    EXPECT_EQ(Page(Raster(3, 1, 0), s, state),
              kNormalHead + Open("0,0,0") + "&lt;&amp;&gt;<br>\r\n" + kFoot);
    s.userText.clear();
    EXPECT_EQ(Page(RedGreen(), s, state),
              kNormalHead + Open("255,0,0") + Switch("0,255,0") + "<br>\r\n" + kFoot);
}

TEST(WebArtPage, StepsFollowTheSizeSlider) {
    // Size 1: every 5th column and every 10th row, starting at 0.
    Raster r(11, 21, 0);
    r.SetPixel(5, 10, MakeColor(1, 2, 3));
    r.SetPixel(4, 10, MakeColor(9, 9, 9));  // between samples: never read
    WebArtSettings s;
    s.palette = kWebPaletteUserText;
    s.userText = "#";
    s.size = 1;
    WebArtState state;
    EXPECT_EQ(Page(r, s, state), kNormalHead + Open("0,0,0") + "###<br>\r\n#" + Switch("1,2,3") +
                                     "#" + Switch("0,0,0") + "#<br>\r\n###<br>\r\n" + kFoot);
    // Quality mode: the same step down as across, every sample a "0".
    s.quality = true;
    s.size = 4;
    const std::string page = Page(Raster(100, 50, 0xFFFFFF), s, state);
    EXPECT_EQ(
        page, kQualityHead + Open("255,255,255") + [] {
            std::string rows;
            for (int y = 0; y < 25; ++y) rows += std::string(50, '0') + "<br>\r\n";
            return rows;
        }() + kFoot);
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

TEST(WebArtColors, SplitAndBackgroundText) {
    EXPECT_EQ(SplitSampleColor(-1), (SampleColor{-1, 0, 0}));
    EXPECT_EQ(WebColorText(MakeColor(10, 0, 255)), "#0A00FF");
    WebArtState state;
    state.WebBackColor = "#0A00FF";
    const std::string page = WebArtPage(Raster(1, 1), WebArtSettings{}, state);
    EXPECT_NE(page.find("<head><body bgcolor=\"#0A00FF\">\r\n"), std::string::npos);
}

TEST(WebArtPage, StreamsInPiecesThatJoinToThePageAndStopsWhenTheSinkRefuses) {
    Raster big(900, 900);
    for (int y = 0; y < 900; ++y)
        for (int x = 0; x < 900; ++x) big.SetPixel(x, y, MakeColor(x % 256, y % 256, 7));
    WebArtSettings s;
    s.quality = true;
    s.size = 5;
    WebArtState one, two;
    const std::string whole = WebArtPage(big, s, one);
    std::vector<std::string> pieces;
    EXPECT_TRUE(WriteWebArtPage(big, s, two, [&](std::string_view p) {
        pieces.emplace_back(p);
        return true;
    }));
    ASSERT_GT(pieces.size(), 2u);
    std::string joined;
    for (const std::string& p : pieces) joined += p;
    EXPECT_EQ(joined, whole);

    int offered = 0;
    EXPECT_FALSE(WriteWebArtPage(big, s, two, [&](std::string_view) { return ++offered < 2; }));
    EXPECT_EQ(offered, 2);
}

}  // namespace
}  // namespace glifora
