#pragma once
// Slow, literal versions of every filter, written from the description of
// each one: 1-based (channel, x, y) indexing, WorkPixels and SourcePixels as
// separate arrays, bounds checked at every step. The fast filters must give
// the same bytes.

#include <vector>

#include "platform/raster.h"

namespace glifora::test {

class RefPixels {
  public:
    explicit RefPixels(const Raster& r);
    [[nodiscard]] Raster ToRaster() const;

    // Channel 1 blue, 2 green, 3 red; x 1..W, y 1..H.
    int& Wk(int c, int x, int y) { return work_[Index(c, x, y)]; }
    [[nodiscard]] int S(int c, int x, int y) const { return source_[Index(c, x, y)]; }
    int W, H;

  private:
    [[nodiscard]] size_t Index(int c, int x, int y) const;
    std::vector<int> work_, source_;
};

// Runs the reference of effect `code` (draws from the program's generator
// where the effect draws).
void ReferenceEffect(int code, RefPixels& px, int p);

}  // namespace glifora::test
