// The scroll rule every frame shares: the main picture frame, the picture
// preview and the editor's canvas.
#include "platform/scroll_rule.h"

#include <gtest/gtest.h>

namespace glifora {
namespace {

TEST(ScrollRule, EdgesMoveInWholeStepsByTheRatioOfValueToMaximum) {
    EXPECT_EQ(HorizontalScrollOffset(2000, 4096, 4096), -1680);
    EXPECT_EQ(VerticalScrollOffset(1000, 2048, 4096), -372);  // O = 375, 31 rows of 12
    // Smaller than the span, O is negative and truncates toward zero: -20 -> 3 steps.
    EXPECT_EQ(HorizontalScrollOffset(300, 4096, 4096), 18);
    EXPECT_EQ(VerticalScrollOffset(1000, 0, 0), 0);  // a bar with no range
    // O rounds halves to even before the steps are counted.
    EXPECT_EQ(ScrollOffset(325, 1, 2, 320, 1), -2);  // 2.5
    EXPECT_EQ(ScrollOffset(327, 1, 2, 320, 1), -4);  // 3.5

    // A bar may run from 0 down to a negative maximum, as the editor's do.
    EXPECT_EQ(HorizontalScrollOffset(800, -51, -100), -240);  // 244.8 -> 245 -> 40 steps
}

}  // namespace
}  // namespace glifora
