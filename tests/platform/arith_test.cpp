#include "platform/arith.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/random.h"

namespace glifora {

TEST(Arith, RoundsHalvesToEven) {
    EXPECT_EQ(RoundToInt(50.5), 50);
    EXPECT_EQ(RoundToInt(51.5), 52);
    // The inline path agrees with the library on halves, near-halves, and
    // both sides of where it hands over.
    for (double base : {0.0, 1.0, 255.0, 1e6, 4503599627370495.0, 2251799813685247.0}) {
        for (double d : {-0.5, 0.5, 0.49999999999999994, -0.49999999999999994, 0.25, 1.5}) {
            for (double v : {base + d, -(base + d)})
                EXPECT_EQ(RoundHalfEven(v), static_cast<int64_t>(std::nearbyint(v))) << v;
        }
    }
}

TEST(Arith, DivisionAndRemainderFollowTheDividend) {
    EXPECT_EQ(DivTrunc(-7, 2), -3);
    EXPECT_EQ(DivTrunc(-1, 65536), 0);
    EXPECT_EQ(ModSigned(-7, 2), -1);
    EXPECT_EQ(ModSigned(-1, 256), -1);
    EXPECT_EQ(IntegerPart(-9.75), -9);
}

TEST(Random, DrawsStayBelowOne) {
    SeedRandom(42);
    for (int i = 0; i < 100000; ++i) {
        const float f = Rnd();
        ASSERT_GE(f, 0.0f);
        ASSERT_LT(f, 1.0f);
    }
}

TEST(Random, DrawsAreThoseOfTheStandardTwisterSingleOrInBlocks) {
    for (uint32_t seed : {0u, 1u, 5489u, 0xFFFFFFFFu}) {
        std::mt19937 reference(seed);
        auto expected = [&] { return static_cast<float>(reference() >> 8) * (1.0f / 16777216.0f); };
        SeedRandom(seed);
        // Singles, then blocks of awkward sizes that cross several twists.
        for (int i = 0; i < 700; ++i) ASSERT_EQ(Rnd(), expected()) << seed << " " << i;
        std::vector<float> block;
        for (size_t size : {1u, 623u, 624u, 625u, 2000u}) {
            block.assign(size, -1.0f);
            RndFill(block.data(), block.size());
            for (float f : block) ASSERT_EQ(f, expected()) << seed << " block " << size;
            ASSERT_EQ(Rnd(), expected());
        }
    }
}

}  // namespace glifora
