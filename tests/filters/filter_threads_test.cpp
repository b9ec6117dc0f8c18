// Every filter gives the same picture, draws the same random numbers and
// shows the same progress values on any number of threads: bands, boundary
// rows, the wavefronts of the in-place filters and of diffusion, and the
// pre-drawn random numbers all
// meet their edges on pictures of many sizes.

#include <gtest/gtest.h>

#include "filtered.h"
#include "filters/effect_catalogue.h"
#include "filters/filter_engine.h"
#include "platform/random.h"
#include "test_support.h"

namespace glifora {
namespace {

struct Outcome {
    Raster picture;
    std::vector<int> progress;
    float nextDraw = 0;  // the generator's next value after the run
};

Outcome Filter(const Effect& e, const Raster& picture, int p, int threads) {
    test::RecordedProgress record;  // checks the bar is set on the calling thread
    Outcome r{picture, {}, 0};
    SeedRandom(11);
    RunEffect(e, r.picture, p, record, threads);
    r.progress = std::move(record.values);
    r.nextDraw = Rnd();
    return r;
}

// Two, three and seven threads against one.
void ExpectSameOnAnyThreads(const Effect& e, const Raster& picture, int p) {
    const Outcome one = Filter(e, picture, p, 1);
    for (int threads : {2, 3, 7}) {
        SCOPED_TRACE(std::string(e.name) + " p " + std::to_string(p) + " on " +
                     std::to_string(picture.Width()) + " x " + std::to_string(picture.Height()) +
                     ", " + std::to_string(threads) + " threads");
        const Outcome many = Filter(e, picture, p, threads);
        ASSERT_TRUE(many.picture == one.picture);
        EXPECT_EQ(many.progress, one.progress);
        EXPECT_EQ(many.nextDraw, one.nextDraw);
    }
}

TEST(FilterThreads, SameResultOnAnyNumberOfThreads) {
    // The count asked for is used even on a tiny picture, or this would
    // compare one thread with itself.
    ASSERT_EQ(FilterThreads(3, 1), 3);
    unsigned seed = 40;
    for (const Effect& e : EffectCatalogue()) {
        if (!e.filter) continue;
        std::vector<int> parameters{e.DefaultParameter()};
        if (e.configurable) parameters.push_back(e.maximum);
        for (int p : parameters)
            for (auto [w, h] :
                 {std::pair{1, 1}, {3, 2}, {2, 9}, {5, 5}, {9, 17}, {33, 7}, {300, 41}, {517, 66}})
                ExpectSameOnAnyThreads(e, test::RandomRaster(w, h, seed++), p);
    }
}

// Diffusion reads pixels up to half its strength away, rewritten or not yet:
// its wavefront needs pictures several stretches wide and several groups of
// rows high before it runs on more than one thread.
TEST(FilterThreads, DiffusionAsAWavefrontMatchesOneThread) {
    unsigned seed = 90;
    for (auto [w, h] : {std::pair{1030, 17}, {1300, 70}, {2100, 35}}) {
        const Raster picture = test::RandomRaster(w, h, seed++);
        for (int p : {1, 6, 12, 100}) ExpectSameOnAnyThreads(*FindEffect("difuminar"), picture, p);
    }
}

}  // namespace
}  // namespace glifora
