// Every filter of the catalogue against its literal reference on random
// pictures of many sizes, including 1 x N, N x 1 and 2 x 2: this is where an
// in-place read, a border off by one or a wrong rounding shows.

#include <gtest/gtest.h>

#include "filter_reference.h"
#include "filtered.h"
#include "filters/effect_catalogue.h"
#include "filters/filter_engine.h"
#include "platform/random.h"
#include "test_support.h"

namespace glifora {
namespace {

struct Case {
    int code;
    std::vector<int> parameters;
};

// Menu parameters plus the dialog ends and a few unusual values.
const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = [] {
        std::vector<Case> c;
        for (const Effect& e : EffectCatalogue()) {
            Case k{e.code, {}};
            for (const EffectMenuEntry& m : e.entries) k.parameters.push_back(m.parameter);
            if (e.configurable) {
                k.parameters.push_back(e.minimum);
                k.parameters.push_back(e.maximum);
                k.parameters.push_back((e.minimum + e.maximum) / 2 + 7);
            }
            c.push_back(std::move(k));
        }
        auto add = [&](int code, std::initializer_list<int> more) {
            for (int p : more) c[static_cast<size_t>(code - 1)].parameters.push_back(p);
        };
        add(6, {0, 5, -3, -40});                  // edge divisor p + 1
        add(7, {MakeColor(10, 200, 0), -70000});  // contour offsets, negative colour
        add(8, {MakeColor(255, 0, 30), 0});
        add(10, {MakeColor(3, 255, 90)});
        add(16, {0, 6, -1});  // indices that change nothing
        add(18, {MakeColor(0, 255, 255), MakeColor(90, 60, 200), 0});
        add(21, {1, -7, 100});
        add(22, {3, -15});
        add(23, {2, 40, 1, -1});
        add(29, {0, 1, 300});
        add(1, {-30});  // below the dialog range, divisor -22
        return c;
    }();
    return cases;
}

const std::vector<std::pair<int, int>> kSizes = {{1, 1}, {1, 7}, {7, 1},  {2, 2},  {3, 3}, {4, 3},
                                                 {5, 5}, {6, 9}, {13, 8}, {2, 11}, {17, 4}};

// The fast filter against the reference on the same picture and the same draws.
void ExpectReference(int code, const Raster& picture, int p, unsigned seed) {
    SeedRandom(seed);
    const Raster fast = test::Filtered(code, picture, p);
    SeedRandom(seed);
    test::RefPixels px(picture);
    test::ReferenceEffect(code, px, p);
    ASSERT_TRUE(fast == px.ToRaster()) << "effect " << code << " parameter " << p << " on "
                                       << picture.Width() << " x " << picture.Height();
}

TEST(FilterReference, EveryEffectMatchesItsReference) {
    unsigned seed = 1;
    for (const Case& c : Cases()) {
        for (int p : c.parameters) {
            for (auto [w, h] : kSizes) {
                // Pictures of full-range noise, and of a narrow band of greys
                // where thresholds and errors matter most.
                for (int kind = 0; kind < 2; ++kind) {
                    Raster picture = test::RandomRaster(w, h, seed++);
                    if (kind == 1)
                        for (int y = 0; y < h; ++y)
                            for (int x = 0; x < 4 * w; ++x)
                                picture.Row(y)[x] = static_cast<uint8_t>(
                                    x % 4 == 3 ? 255 : 100 + picture.Row(y)[x] % 40);
                    ASSERT_NO_FATAL_FAILURE(ExpectReference(c.code, picture, p, seed));
                }
            }
        }
        // Rows long enough for the vectorised loops and tables to matter.
        const Effect& e = *FindEffect(c.code);
        ASSERT_NO_FATAL_FAILURE(ExpectReference(
            e.code, test::RandomRaster(67, 23, 900u + static_cast<unsigned>(e.code)),
            e.DefaultParameter(), 7));
    }
}

}  // namespace
}  // namespace glifora
