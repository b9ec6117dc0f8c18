#pragma once
// How a scroll bar's position places a picture or canvas inside its frame.
// Every frame of the program scrolls by the same rule, and the rule depends
// only on the ratio value / maximum, so a bar may run to a negative maximum
// (its value then goes from 0 down to that maximum).

namespace glifora {

// O = round((size - span) x value / maximum), halves to even; the offset of
// the picture's edge is -step x trunc(O / step), so it moves in whole steps.
// A maximum of 0 (a bar with no range) leaves the edge at 0.
[[nodiscard]] int ScrollOffset(int size, int value, int maximum, int span, int step);

// The two bars of every frame: the horizontal one moves in steps of 6 pixels
// over a span of 320, the vertical one in steps of 12 over a span of 250.
[[nodiscard]] inline int HorizontalScrollOffset(int width, int value, int maximum) {
    return ScrollOffset(width, value, maximum, 320, 6);
}
[[nodiscard]] inline int VerticalScrollOffset(int height, int value, int maximum) {
    return ScrollOffset(height, value, maximum, 250, 12);
}

}  // namespace glifora
