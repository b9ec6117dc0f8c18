#pragma once
// The text-art shrink: nearest sample at pixel centres. Destination pixel
// (dx, dy) takes source pixel (floor((dx + 0.5) W / dw), floor((dy + 0.5) H / dh)).

#include "platform/raster.h"

namespace glifora {

[[nodiscard]] inline int ShrinkSourceIndex(int d, int destSize, int sourceSize) {
    return static_cast<int>((static_cast<int64_t>(2 * d + 1) * sourceSize) /
                            (static_cast<int64_t>(2) * destSize));
}

// A dw x dh picture sampled from `src`; empty when any size is 0.
[[nodiscard]] Raster ShrinkNearest(const Raster& src, int dw, int dh);

}  // namespace glifora
