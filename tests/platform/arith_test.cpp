#include <gtest/gtest.h>

#include "platform/arith.h"
#include "platform/random.h"

namespace glifora {

TEST(Arith, RoundsHalvesToEven) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);
    EXPECT_EQ(RoundHalfEven(8.01), 8);
    EXPECT_EQ(RoundHalfEven(12.015), 12);
    EXPECT_EQ(RoundToInt(50.5), 50);
    EXPECT_EQ(RoundToInt(51.5), 52);
}

TEST(Arith, DivisionAndRemainderFollowTheDividend) {
    EXPECT_EQ(DivTrunc(-7, 2), -3);
    EXPECT_EQ(ModSigned(-7, 2), -1);
    EXPECT_EQ(ModSigned(-1, 256), -1);
    EXPECT_EQ(DivTrunc(-1, 65536), 0);
    EXPECT_EQ(IntegerPart(9.75), 9);
    EXPECT_EQ(IntegerPart(-9.75), -9);
}

TEST(Random, SeededDrawsRepeatAndStayBelowOne) {
    SeedRandom(42);
    float first[5];
    for (float& f : first) f = Rnd();
    SeedRandom(42);
    for (float f : first) EXPECT_EQ(Rnd(), f);
    for (int i = 0; i < 100000; ++i) {
        const float f = Rnd();
        ASSERT_GE(f, 0.0f);
        ASSERT_LT(f, 1.0f);
    }
}

}  // namespace glifora
