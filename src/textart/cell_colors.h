#pragma once
// The colour of each text-art cell: the mean colour of the picture area the
// cell stands for. The shrink keeps one pixel per cell (the nearest sample);
// the area is the block of pixels around that sample that the cell covers.
// Along an axis where the picture is larger than the text the blocks split
// the picture between them, each holding its cell's sample; along an axis
// where it is smaller, a cell stands for its sample pixel alone.

#include <cstdint>
#include <vector>

#include "platform/raster.h"

namespace glifora {

struct CellColors {
    int columns = 0;
    int rows = 0;
    std::vector<ColorValue> values;  // row by row, columns x rows

    [[nodiscard]] bool Empty() const { return values.empty(); }
    [[nodiscard]] ColorValue At(int column, int row) const {
        return values[static_cast<size_t>(row) * static_cast<size_t>(columns) +
                      static_cast<size_t>(column)];
    }
};

// The source pixels [first, end) that destination index `d` of `destSize`
// stands for, out of `sourceSize`. Always holds ShrinkSourceIndex(d, ...).
struct SourceSpan {
    int first = 0;
    int end = 0;
};
[[nodiscard]] SourceSpan CellSourceSpan(int d, int destSize, int sourceSize);

// Sums a picture's rows into its cells' means, so a decoder can hand over its
// rows one at a time without keeping the picture.
class CellColorAccumulator {
  public:
    CellColorAccumulator(int sourceWidth, int sourceHeight, int columns, int rows);
    // Source row y (sourceWidth pixels, blue, green, red, unused). Each row
    // is added at most once; rows no cell covers are ignored.
    void AddRow(int y, const uint8_t* bgrx);
    [[nodiscard]] CellColors Means() const;

  private:
    int columns_;
    int rows_;
    std::vector<SourceSpan> xSpans_;    // per column
    std::vector<SourceSpan> rowsOfY_;   // per source row: the cell rows holding it
    std::vector<uint64_t> rowSums_;     // scratch: one row's sums per column, 3 channels
    std::vector<uint64_t> sums_;        // per cell, 3 channels
    std::vector<uint64_t> counts_;      // pixels added per cell row
    std::vector<uint32_t> spanWidths_;  // per column
};

// The means of every cell of a columns x rows text art of `picture`; empty
// when any size is 0.
[[nodiscard]] CellColors MeanCellColors(const Raster& picture, int columns, int rows);

}  // namespace glifora
