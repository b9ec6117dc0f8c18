// The worked cases of each filter family, checked on tiny pictures.

#include <gtest/gtest.h>

#include "filtered.h"
#include "filters/effect_catalogue.h"
#include "filters/filter_engine.h"
#include "filters/filter_families.h"
#include "filters/flips_mirrors.h"
#include "platform/random.h"
#include "test_support.h"

namespace glifora {
namespace {

struct Bgr {
    int b, g, r;
    bool operator==(const Bgr&) const = default;
};
std::ostream& operator<<(std::ostream& o, const Bgr& c) {
    return o << "(b " << c.b << ", g " << c.g << ", r " << c.r << ")";
}

Bgr At(const Raster& r, int x, int y) {
    const uint8_t* p = r.Row(y) + 4 * x;
    return {p[0], p[1], p[2]};
}

Raster Uniform(int w, int h, Bgr c) {
    return Raster(w, h, MakeColor(c.r, c.g, c.b));
}

using test::Filtered;

Bgr One(int code, Bgr c, int p) {
    return At(Filtered(code, Uniform(1, 1, c), p), 0, 0);
}

TEST(ToneFilters, WorkedCases) {
    const Raster photo = test::RandomRaster(9, 7, 3);
    EXPECT_TRUE(Filtered(2, Filtered(2, photo, 0), 0) == photo);
    EXPECT_EQ(One(12, {10, 20, 31}, 0), (Bgr{20, 20, 20}));
    // Brightness scales: f held in single precision is just above 1.1.
    EXPECT_EQ(One(14, {15, 255, 0}, 10), (Bgr{17, 255, 0}));
    EXPECT_EQ(One(14, {15, 5, 200}, -10), (Bgr{13, 4, 180}));
    EXPECT_EQ(One(14, {90, 255, 3}, -100), (Bgr{0, 0, 0}));
    EXPECT_EQ(One(30, {0, 0, 255}, -100), (Bgr{85, 85, 85}));
    EXPECT_EQ(One(31, {64, 0, 255}, 2), (Bgr{128, 0, 255}));
    EXPECT_EQ(One(32, {255, 255, 255}, 0), (Bgr{255, 255, 255}));
    EXPECT_EQ(One(32, {0, 0, 0}, 0), (Bgr{8, 24, 64}));
    EXPECT_TRUE(Filtered(16, Filtered(16, photo, 4), 4) == photo);
    EXPECT_TRUE(Filtered(16, Filtered(16, Filtered(16, photo, 1), 1), 1) == photo);
    EXPECT_EQ(One(16, {1, 2, 3}, 1), (Bgr{2, 3, 1}));  // BRG: R' = b, G' = r, B' = g
    // Unchanged: strength 0, gamma 1 (the menu's 0 taken as 1), no channel order.
    for (auto [code, p] : {std::pair{14, 0}, {31, 1}, {31, 0}, {16, 7}})
        EXPECT_TRUE(Filtered(code, photo, p) == photo) << code << " " << p;
    for (int p : {-100, -10, 10, 100}) {
        const Raster grey = Uniform(5, 4, {77, 77, 77});
        EXPECT_TRUE(Filtered(17, grey, p) == grey) << p;
    }
}

TEST(ToneFilters, ContrastBalancing) {
    // An excess of 1 is simply lost.
    for (auto [in, out] : {std::pair{Bgr{-10, 100, 100}, Bgr{0, 95, 95}},
                           {{300, 250, 250}, {255, 255, 255}},
                           {{256, 100, 7}, {255, 100, 7}}}) {
        filters::BalanceChannels(in.b, in.g, in.r);
        EXPECT_EQ(in, out);
    }
}

TEST(NeighbourhoodFilters, BlurSmearsTowardTheLowerRight) {
    Raster picture = Uniform(4, 3, {0, 0, 0});
    picture.Row(0)[0] = 160;
    const Raster out = Filtered(3, picture, 0);
    EXPECT_EQ(At(out, 1, 1), (Bgr{20, 0, 0}));
    EXPECT_EQ(At(out, 2, 1), (Bgr{2, 0, 0}));  // reads the already blurred (1, 1)
}

TEST(NeighbourhoodFilters, UniformPictures) {
    const Raster flat = Uniform(6, 5, {100, 100, 100});
    for (int code : {3, 5, 1, 6, 25, 26}) {
        const int p = FindEffect(code)->DefaultParameter();
        EXPECT_TRUE(Filtered(code, flat, p) == flat) << code;
    }
    EXPECT_EQ(At(Filtered(7, flat, MakeColor(255, 255, 255)), 2, 2), (Bgr{255, 255, 255}));
    EXPECT_EQ(At(Filtered(7, flat, MakeColor(255, 255, 255)), 0, 2), (Bgr{100, 100, 100}));
    EXPECT_EQ(At(Filtered(27, flat, 0), 3, 3), (Bgr{0, 0, 0}));
    EXPECT_EQ(At(Filtered(13, flat, 0), 2, 2), (Bgr{100, 100, 100}));
    for (int code : {8, 10}) {
        const Raster out = Filtered(code, flat, MakeColor(0, 120, 120));
        EXPECT_EQ(At(out, 0, 0), (Bgr{120, 120, 0})) << code;
        EXPECT_EQ(At(out, 4, 3), (Bgr{120, 120, 0})) << code;
        EXPECT_EQ(At(out, 5, 3), (Bgr{100, 100, 100})) << code;  // last column kept
        EXPECT_EQ(At(out, 2, 4), (Bgr{100, 100, 100})) << code;  // last row kept
    }
}

TEST(NeighbourhoodFilters, SinglePixels) {
    Raster dot = Uniform(7, 7, {0, 0, 0});
    dot.SetPixel(3, 3, 0xFFFFFF);
    const Raster grown = Filtered(25, dot, 0);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(grown.Pixel(x, y),
                      std::abs(x - 3) <= 1 && std::abs(y - 3) <= 1 ? 0xFFFFFF : 0);
    EXPECT_TRUE(Filtered(26, dot, 0) == Uniform(7, 7, {0, 0, 0}));

    Raster hole = Uniform(5, 5, {255, 255, 255});
    hole.SetPixel(2, 2, 0);
    const Raster contour = Filtered(7, hole, MakeColor(255, 255, 255));
    EXPECT_EQ(contour.Pixel(2, 2), 0);
    EXPECT_EQ(contour.Pixel(1, 1), 0xFFFFFF);
}

TEST(SpecialEffects, WorkedCases) {
    const Raster flat = Uniform(8, 6, {40, 50, 60});
    const Raster small = test::RandomRaster(4, 4, 2);
    SeedRandom(1);
    for (auto [code, strong, weak] : {std::tuple{24, 0, 0}, {4, 12, 0}, {15, 3, 1}}) {
        EXPECT_TRUE(Filtered(code, flat, strong) == flat) << code;
        EXPECT_TRUE(Filtered(code, small, weak) == small) << code;
    }
    EXPECT_FALSE(Filtered(29, flat, 50) == flat);

    // Watercolour keeps a black-white edge sharp.
    Raster edge = Uniform(10, 8, {0, 0, 0});
    for (int y = 0; y < 8; ++y)
        for (int x = 5; x < 10; ++x) edge.SetPixel(x, y, 0xFFFFFF);
    EXPECT_TRUE(Filtered(24, edge, 0) == edge);
}

TEST(SpecialEffects, PixelateBlocksAreCutByTheEdge) {
    Raster picture(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) picture.SetPixel(x, y, MakeColor(x * 10 + y, 0, 0));
    const Raster out = Filtered(15, picture, 3);
    // Blocks 3 x 3, 1 x 3, 3 x 1 and 1 x 1.
    EXPECT_EQ(out.Pixel(2, 2) & 0xFF, 11);  // mean of x 0..2, y 0..2
    EXPECT_EQ(out.Pixel(3, 1) & 0xFF, 31);  // x 3, y 0..2
    EXPECT_EQ(out.Pixel(1, 3) & 0xFF, 13);  // x 0..2, y 3
    EXPECT_EQ(out.Pixel(3, 3) & 0xFF, 33);
}

TEST(BlackWhite, WorkedCases) {
    const int menuGrey = MakeColor(150, 150, 150);
    EXPECT_EQ(One(18, {149, 149, 149}, menuGrey), (Bgr{0, 0, 0}));
    EXPECT_EQ(One(18, {150, 150, 150}, menuGrey), (Bgr{255, 255, 255}));
    EXPECT_EQ(One(18, {0, 0, 200}, menuGrey), (Bgr{255, 255, 255}));

    const Raster grid = Filtered(20, Uniform(9, 6, {0, 0, 0}), 0);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 9; ++x)
            EXPECT_EQ(grid.Pixel(x, y), x % 4 == 0 && y % 4 == 0 ? 0xFFFFFF : 0) << x << "," << y;
    const Raster white = Uniform(9, 6, {255, 255, 255});
    EXPECT_TRUE(Filtered(20, white, 0) == white);
    for (int code : {19, 21, 22, 23}) {
        EXPECT_TRUE(Filtered(code, white, 15) == white) << code;
        EXPECT_TRUE(Filtered(code, Uniform(5, 5, {0, 0, 0}), 15) == Uniform(5, 5, {255, 255, 255}))
            << code;
    }
}

TEST(ProgressReports, RowByRowThenOneHundred) {
    const Raster picture = test::RandomRaster(5, 4, 8);
    const auto run = [&](int code) {
        test::RecordedProgress r;
        Raster copy = picture;
        RunEffect(*FindEffect(code), copy, FindEffect(code)->DefaultParameter(), r);
        return r.values;
    };
    EXPECT_EQ(run(2), (std::vector<int>{25, 50, 75, 100, 100}));
    EXPECT_EQ(run(3), (std::vector<int>{50, 75, 100}));      // inner rows only
    EXPECT_EQ(run(8), (std::vector<int>{25, 50, 75, 100}));  // rows 1 to H - 1
    EXPECT_EQ(run(17), (std::vector<int>{5, 28, 52, 76, 100, 100}));
    EXPECT_EQ(run(19), (std::vector<int>{5, 28, 52, 76, 100, 100}));
    EXPECT_EQ(run(21), (std::vector<int>{2, 10, 32, 55, 77, 100, 100}));
    EXPECT_EQ(run(23), (std::vector<int>{3, 10, 32, 55, 77, 100, 100}));
}

TEST(FlipsAndMirrors, RowsVisited) {
    const auto rows = [](int h) {
        Raster r(3, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < 3; ++x) r.SetPixel(x, y, MakeColor(y, x, 0));
        return r;
    };
    for (int h : {4, 5, 7}) {
        Raster r = rows(h);
        int lines = 0;
        Mirror(r, GeometricOp::MirrorTopOntoBottom, [&] { ++lines; });
        const int kept = h == 4 ? 2 : 3;  // 0..round(H / 2 - 1)
        EXPECT_EQ(lines, kept) << h;
        for (int y = 0; y < h; ++y) {
            const int expected = y < kept ? y : (h - 1 - y < kept ? h - 1 - y : y);
            EXPECT_EQ(r.Pixel(1, y) & 0xFF, expected) << h << " row " << y;
        }
    }
    Raster r = rows(5);
    Mirror(r, GeometricOp::MirrorBottomOntoTop);
    EXPECT_EQ(r.Pixel(0, 0) & 0xFF, 4);
    EXPECT_EQ(r.Pixel(0, 1) & 0xFF, 3);
    EXPECT_EQ(r.Pixel(0, 2) & 0xFF, 2);
}

TEST(FlipsAndMirrors, ColumnsAndFlips) {
    const Raster photo = test::RandomRaster(7, 5, 21);
    Raster across = photo, upDown = photo, left = photo, right = photo;
    FlipHorizontal(across);
    FlipVertical(upDown);
    Mirror(left, GeometricOp::MirrorLeftOntoRight);
    Mirror(right, GeometricOp::MirrorRightOntoLeft);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) {
            EXPECT_EQ(across.Pixel(x, y), photo.Pixel(6 - x, y));
            EXPECT_EQ(upDown.Pixel(x, y), photo.Pixel(x, 4 - y));
            EXPECT_EQ(left.Pixel(x, y), photo.Pixel(x < 4 ? x : 6 - x, y));
            EXPECT_EQ(right.Pixel(x, y), photo.Pixel(x > 2 ? x : 6 - x, y));
        }
    Raster thin = test::RandomRaster(1, 6, 4);
    const Raster same = thin;
    Mirror(thin, GeometricOp::MirrorRightOntoLeft);
    EXPECT_TRUE(thin == same);
}

}  // namespace
}  // namespace glifora
