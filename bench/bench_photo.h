#pragma once
// The picture the benchmarks work on: 4000 x 3000, smooth ramps with some
// texture, made once per program.

#include <cstdint>

#include "platform/raster.h"

namespace glifora::bench {

inline constexpr int kW = 4000, kH = 3000;

inline const Raster& Photo() {
    static const Raster photo = [] {
        Raster r = Raster::Uninitialized(kW, kH);
        for (int y = 0; y < kH; ++y) {
            uint8_t* p = r.Row(y);
            for (int x = 0; x < kW; ++x, p += 4) {
                p[0] = static_cast<uint8_t>((x * 7 + y * 3) >> 4);
                p[1] = static_cast<uint8_t>(((x ^ y) >> 3) + ((x * 13) & 15));
                p[2] = static_cast<uint8_t>((x * y) >> 12);
                p[3] = 255;
            }
        }
        return r;
    }();
    return photo;
}

}  // namespace glifora::bench
