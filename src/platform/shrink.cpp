#include "platform/shrink.h"

#include <cstring>
#include <vector>

namespace glifora {

Raster ShrinkNearest(const Raster& src, int dw, int dh) {
    if (src.Empty() || dw <= 0 || dh <= 0) return {};
    Raster out = Raster::Uninitialized(dw, dh);
    std::vector<int> xs(static_cast<size_t>(dw));
    for (int dx = 0; dx < dw; ++dx) xs[dx] = ShrinkSourceIndex(dx, dw, src.Width());
    for (int dy = 0; dy < dh; ++dy) {
        const uint8_t* srow = src.Row(ShrinkSourceIndex(dy, dh, src.Height()));
        uint8_t* drow = out.Row(dy);
        for (int dx = 0; dx < dw; ++dx) std::memcpy(drow + dx * 4, srow + xs[dx] * 4, 4);
    }
    return out;
}

}  // namespace glifora
