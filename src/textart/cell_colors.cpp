#include "textart/cell_colors.h"

#include <algorithm>

#include "platform/shrink.h"

namespace glifora {

SourceSpan CellSourceSpan(int d, int destSize, int sourceSize) {
    if (sourceSize < destSize) {
        const int sample = ShrinkSourceIndex(d, destSize, sourceSize);
        return {sample, sample + 1};
    }
    // Boundaries at round(k S / D): the sample floor((d + 1/2) S / D) lies
    // between round(d S / D) and round((d + 1) S / D) whenever S >= D.
    auto boundary = [&](int k) {
        return static_cast<int>((2 * static_cast<int64_t>(k) * sourceSize + destSize) /
                                (2 * static_cast<int64_t>(destSize)));
    };
    return {boundary(d), boundary(d + 1)};
}

CellColorAccumulator::CellColorAccumulator(int sourceWidth, int sourceHeight, int columns, int rows)
    : columns_(columns), rows_(rows) {
    if (sourceWidth <= 0 || sourceHeight <= 0 || columns <= 0 || rows <= 0) {
        columns_ = rows_ = 0;
        return;
    }
    xSpans_.resize(static_cast<size_t>(columns));
    spanWidths_.resize(static_cast<size_t>(columns));
    for (int c = 0; c < columns; ++c) {
        xSpans_[c] = CellSourceSpan(c, columns, sourceWidth);
        spanWidths_[c] = static_cast<uint32_t>(xSpans_[c].end - xSpans_[c].first);
    }
    rowsOfY_.assign(static_cast<size_t>(sourceHeight), SourceSpan{0, 0});
    for (int r = 0; r < rows; ++r) {
        const SourceSpan span = CellSourceSpan(r, rows, sourceHeight);
        for (int y = span.first; y < span.end; ++y) {
            SourceSpan& cells = rowsOfY_[y];
            if (cells.first == cells.end) cells.first = r;
            cells.end = r + 1;
        }
    }
    rowSums_.assign(static_cast<size_t>(columns) * 3, 0);
    sums_.assign(static_cast<size_t>(columns) * static_cast<size_t>(rows) * 3, 0);
    counts_.assign(static_cast<size_t>(rows), 0);
}

void CellColorAccumulator::AddRow(int y, const uint8_t* bgrx) {
    if (columns_ == 0 || y < 0 || y >= static_cast<int>(rowsOfY_.size())) return;
    const SourceSpan cells = rowsOfY_[y];
    if (cells.first == cells.end) return;
    for (int c = 0; c < columns_; ++c) {
        uint64_t b = 0, g = 0, r = 0;
        const uint8_t* p = bgrx + static_cast<size_t>(xSpans_[c].first) * 4;
        const uint8_t* end = bgrx + static_cast<size_t>(xSpans_[c].end) * 4;
        for (; p < end; p += 4) {
            b += p[0];
            g += p[1];
            r += p[2];
        }
        rowSums_[c * 3] = b;
        rowSums_[c * 3 + 1] = g;
        rowSums_[c * 3 + 2] = r;
    }
    for (int row = cells.first; row < cells.end; ++row) {
        uint64_t* cell = sums_.data() + static_cast<size_t>(row) * columns_ * 3;
        for (size_t i = 0; i < rowSums_.size(); ++i) cell[i] += rowSums_[i];
        ++counts_[row];
    }
}

CellColors CellColorAccumulator::Means() const {
    CellColors out;
    if (columns_ == 0) return out;
    out.columns = columns_;
    out.rows = rows_;
    out.values.resize(static_cast<size_t>(columns_) * static_cast<size_t>(rows_));
    for (int row = 0; row < rows_; ++row) {
        for (int c = 0; c < columns_; ++c) {
            const uint64_t n = counts_[row] * spanWidths_[c];
            const uint64_t* s = sums_.data() + (static_cast<size_t>(row) * columns_ + c) * 3;
            auto mean = [n](uint64_t sum) { return n ? static_cast<int>((sum + n / 2) / n) : 0; };
            out.values[static_cast<size_t>(row) * columns_ + c] =
                MakeColor(mean(s[2]), mean(s[1]), mean(s[0]));
        }
    }
    return out;
}

CellColors MeanCellColors(const Raster& picture, int columns, int rows) {
    CellColorAccumulator sums(picture.Width(), picture.Height(), columns, rows);
    for (int y = 0; y < picture.Height(); ++y) sums.AddRow(y, picture.Row(y));
    return sums.Means();
}

}  // namespace glifora
