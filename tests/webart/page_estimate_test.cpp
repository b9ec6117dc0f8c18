// The page-size bound holds for real pages and is not wildly above them.
#include "webart/page_estimate.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace glifora {
namespace {

TEST(WebArtPageEstimate, BoundsEveryPageAndCountsItsSamples) {
    // Noise changes colour at nearly every sample: the worst case in practice.
    const Raster noise = test::RandomRaster(37, 23, 7);
    for (bool quality : {false, true})
        for (int size = 1; size <= 5; ++size)
            for (bool borders : {false, true}) {
                WebArtSettings s;
                s.quality = quality;
                s.size = size;
                s.palette = kWebPaletteUserText;
                s.userText = "&<>a";  // the longest escapes
                s.borders = {borders, borders, borders, borders};
                WebArtState state;
                const std::string page = WebArtPage(noise, s, state);
                const WebArtPageEstimate e = EstimateWebArtPage(noise.Width(), noise.Height(), s);
                SCOPED_TRACE(testing::Message() << quality << " " << size << " " << borders);
                EXPECT_GE(e.maxBytes, static_cast<int64_t>(page.size()));
                EXPECT_LE(e.maxBytes, static_cast<int64_t>(page.size()) * 2 + 4096);
            }
    // The case that wrote 2.4 GB unasked: 64 million samples, bound over 100 MB.
    WebArtSettings big;
    big.quality = true;
    big.size = 5;
    const WebArtPageEstimate e = EstimateWebArtPage(8000, 8000, big);
    EXPECT_EQ(e.samples, int64_t{8000} * 8000);
    EXPECT_GT(e.maxBytes, int64_t{2400} * 1000 * 1000);
    EXPECT_EQ(EstimateWebArtPage(0, 0, big).samples, 0);
    big.borders = {true, true, true, true};  // one sample more on each side
    EXPECT_EQ(EstimateWebArtPage(8000, 8000, big).samples, int64_t{8002} * 8002);
    big.quality = false;  // rows at twice the spacing; borders ignored
    big.size = 3;
    EXPECT_EQ(EstimateWebArtPage(37, 23, big).samples, int64_t{13} * 4);
}

}  // namespace
}  // namespace glifora
