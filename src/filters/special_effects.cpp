// Painterly effects: diffusion, pixelation, watercolour and added noise, all
// on several threads with the result of a run from top to bottom.

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "filters/filter_families.h"
#include "filters/row_bands.h"
#include "platform/arith.h"
#include "platform/random.h"

namespace glifora::filters {
namespace {

uint8_t ClampByte(int64_t v) {
    return static_cast<uint8_t>(Clamp<int64_t>(v, 0, 255));
}

void ReportAllRows(const FilterPixels& px, FilterProgress& progress) {
    for (int y = 0; y < px.height; ++y) progress.SetValue(RowPercent(y + 1, px.height));
}

// sum \ 9 for sums of nine bytes, without a division.
constexpr uint32_t Ninth(uint32_t sum) {
    return (sum * 7282u) >> 16;
}
static_assert([] {
    for (uint32_t s = 0; s <= 9 * 255; ++s)
        if (Ninth(s) != s / 9) return false;
    return true;
}());

}  // namespace

// Rows of a diffusion group: the group's last row starts lag x (rows - 1)
// stretches after its first, and only then may the next group start, so
// short groups let the threads overlap.
constexpr int kDiffuseRows = 8;

void Diffuse(const FilterPixels& px, int p, FilterProgress& progress) {
    const double half = static_cast<double>(RoundHalfEven(p / 2.0));
    const int w = px.width, h = px.height;
    const size_t perRow = static_cast<size_t>(w) * 2;  // a row's draws, in order
    // Pixels from .. to - 1 of row y: each takes the colour of a pixel at
    // most `reach` away as that pixel is at this moment, rewritten already
    // if it comes earlier in the run, as it was if it comes later.
    const auto moveRow = [&](int y, const float* draws, int from, int to) {
        uint8_t* row = px.WorkRow(y);
        for (int x = from; x < to; ++x) {
            int64_t dx = RoundHalfEven(static_cast<double>(draws[2 * x]) * p - half);
            int64_t dy = RoundHalfEven(static_cast<double>(draws[2 * x + 1]) * p - half);
            if (x + dx < 0 || x + dx > w - 1) dx = 0;
            if (y + dy < 0 || y + dy > h - 1) dy = 0;
            if (dx == 0 && dy == 0) continue;
            const uint8_t* source = px.WorkRow(static_cast<int>(y + dy)) + 4 * (x + dx);
            uint8_t* to = row + 4 * x;
            to[0] = source[0];
            to[1] = source[1];
            to[2] = source[2];
        }
    };
    // On several threads, a wavefront. A stretch reads pixels at most reach =
    // |p| / 2 + 1 away: those of the rows above must be final, those of the
    // rows below not yet rewritten. Within a group each row runs `lag`
    // stretches behind the row above, lag x kStretch >= reach, which
    // ensures both; a group's first row waits until the previous group's
    // last row has passed the stretch by `reach`, and then the rows below
    // trail it as far. A group's numbers are drawn once the group before it
    // has drawn, so they come in the order of one thread.
    const int64_t reach = std::abs(int64_t{p}) / 2 + 2;
    const int stretches = (w + kStretch - 1) / kStretch;
    const int64_t lag = std::max<int64_t>(1, (reach + kStretch - 1) / kStretch);
    if (px.threads <= 1 || h <= kDiffuseRows || 2 * lag > stretches) {
        std::vector<float> draws(perRow);
        for (int y = 0; y < h; ++y) {
            RndFill(draws.data(), draws.size());
            moveRow(y, draws.data(), 0, w);
            progress.SetValue(RowPercent(y + 1, h));
        }
        return;
    }
    const int groups = (h + kDiffuseRows - 1) / kDiffuseRows;
    // Pixels final so far in each group's last row.
    const auto lastDone = std::make_unique<std::atomic<int>[]>(static_cast<size_t>(groups));
    std::atomic<int> drawn{0};  // the first row whose numbers are not drawn yet
    RowProgress rows(progress, 0, h);
    RunBands(px.threads, 0, h, kDiffuseRows, rows, [&](int first, int last, bool onCaller) {
        const int k = last - first, g = first / kDiffuseRows;
        std::vector<float> draws(perRow * static_cast<size_t>(k));
        WaitFor(drawn, first);
        RndFill(draws.data(), draws.size());
        drawn.store(last, std::memory_order_release);
        drawn.notify_all();
        const int steps = static_cast<int>(stretches + lag * (k - 1));
        for (int t = 0; t < steps; ++t) {
            for (int j = 0; j < k; ++j) {
                const int64_t s = t - lag * j;
                if (s < 0) break;
                if (s >= stretches) continue;
                if (j == 0 && g > 0)
                    WaitFor(lastDone[g - 1],
                            static_cast<int>(std::min<int64_t>(w, (s + 1) * kStretch + reach)));
                const int a = static_cast<int>(s) * kStretch, b = std::min(w, a + kStretch);
                moveRow(first + j, draws.data() + perRow * static_cast<size_t>(j), a, b);
                if (j == k - 1) {
                    lastDone[g].store(b, std::memory_order_release);
                    lastDone[g].notify_all();
                }
                if (s == stretches - 1) rows.RowDone(onCaller);
            }
        }
    });
}

void AddNoise(const FilterPixels& px, int p, FilterProgress& progress) {
    const double spread = 2.0 * p + 1.0;
    const auto moved = [spread, p](uint8_t c, float draw) {
        const double offset = spread * static_cast<double>(draw) - p;
        return ClampByte(RoundHalfEven(c + offset));
    };
    // Bands of a few rows are taken in order; each draws all its numbers as
    // soon as the band before it has drawn, so the draws come in the order of
    // a run on one thread, and only the arithmetic runs side by side.
    const int w = px.width, h = px.height;
    const int bandRows = px.threads > 1 ? 4 : std::max(h, 1);
    const size_t perRow = static_cast<size_t>(w) * 3;
    std::atomic<int> drawn{0};  // the first row whose numbers are not drawn yet
    RowProgress rows(progress, 0, h);
    RunBands(px.threads, 0, h, bandRows, rows, [&](int first, int last, bool onCaller) {
        // One row's draws at a time on one thread, all of a band's otherwise.
        std::vector<float> draws(perRow * static_cast<size_t>(px.threads > 1 ? last - first : 1));
        if (px.threads > 1) {
            for (int seen; (seen = drawn.load(std::memory_order_acquire)) != first;)
                drawn.wait(seen, std::memory_order_acquire);
            RndFill(draws.data(), draws.size());
            drawn.store(last, std::memory_order_release);
            drawn.notify_all();
        }
        for (int y = first; y < last; ++y) {
            const float* d = draws.data();
            if (px.threads > 1)
                d += perRow * static_cast<size_t>(y - first);
            else
                RndFill(draws.data(), draws.size());
            uint8_t* q = px.WorkRow(y);
            for (int x = 0; x < w; ++x, q += 4, d += 3) {
                q[0] = moved(q[0], d[0]);
                q[1] = moved(q[1], d[1]);
                q[2] = moved(q[2], d[2]);
            }
            rows.RowDone(onCaller);
        }
    });
}

namespace {

// One band of Pixelate: the block rows from `first` to `last`. Column sums
// are kept per byte (the fourth byte's sums are never used), in `Sum`, wide
// enough for a block's rows.
template <typename Sum>
void PixelateBand(const FilterPixels& px, int p, int first, int last, RowProgress& rows,
                  bool onCaller) {
    const int w = px.width, h = px.height;
    const size_t stride = px.Stride();
    std::vector<Sum> columns(stride);
    std::vector<uint32_t> means(static_cast<size_t>((w + static_cast<int64_t>(p) - 1) / p));
    for (int64_t top = first; top < last; top += p) {
        const int bottom = static_cast<int>(std::min<int64_t>(top + p, h));
        std::fill(columns.begin(), columns.end(), Sum{0});
        for (int y = static_cast<int>(top); y < bottom; ++y) {
            const uint8_t* row = px.WorkRow(y);
            for (size_t i = 0; i < stride; ++i) columns[i] += row[i];
        }
        for (size_t b = 0; b < means.size(); ++b) {
            const int left = static_cast<int>(b * static_cast<size_t>(p));
            const int right = static_cast<int>(std::min<int64_t>(int64_t{left} + p, w));
            const uint64_t count = static_cast<uint64_t>(right - left) * (bottom - top);
            uint32_t mean = 0;
            for (int ch = 0; ch < 3; ++ch) {
                uint64_t sum = 0;
                for (int x = left; x < right; ++x) sum += columns[4 * static_cast<size_t>(x) + ch];
                mean |= static_cast<uint32_t>(sum / count) << (8 * ch);
            }
            means[b] = mean;
        }
        for (int y = static_cast<int>(top); y < bottom; ++y) {
            uint8_t* row = px.WorkRow(y);
            for (size_t b = 0; b < means.size(); ++b) {
                const int left = static_cast<int>(b * static_cast<size_t>(p));
                const int right = static_cast<int>(std::min<int64_t>(int64_t{left} + p, w));
                const uint32_t mean = means[b];
                for (int x = left; x < right; ++x) {  // the fourth byte keeps its value
                    uint32_t v;
                    std::memcpy(&v, row + 4 * static_cast<size_t>(x), 4);
                    v = (v & 0xFF000000u) | mean;
                    std::memcpy(row + 4 * static_cast<size_t>(x), &v, 4);
                }
            }
            rows.RowDone(onCaller);
        }
    }
}

}  // namespace

void Pixelate(const FilterPixels& px, int p, FilterProgress& progress) {
    const int h = px.height;
    if (p < 1) {
        ReportAllRows(px, progress);
        return;
    }
    // A block row's blocks are summed before any of its pixels is written, so
    // reading WorkPixels here reads the unchanged picture. Block rows do not
    // share pixels, so bands of whole block rows run side by side.
    const int blockRows = static_cast<int>(std::min<int64_t>(p, std::max(h, 1)));
    const bool narrowSums = static_cast<uint64_t>(blockRows) * 255 <= UINT32_MAX;
    RowProgress rows(progress, 0, h);
    RunBands(px.threads, 0, h, BandRows(h, px.threads, blockRows), rows,
             [&](int first, int last, bool onCaller) {
                 if (narrowSums)
                     PixelateBand<uint32_t>(px, p, first, last, rows, onCaller);
                 else
                     PixelateBand<uint64_t>(px, p, first, last, rows, onCaller);
             });
}

namespace {

// The mean and deviation of the 3 x 3 blocks centred on one row's pixels.
struct CentreRow {
    int y = -1;
    std::vector<uint8_t> mean;
    std::vector<uint16_t> dev;
};

// Fills `r` for centre row cy from the rows cy - 1 to cy + 1 (unchanged).
void ComputeCentreRow(const FilterPixels& px, int cy, CentreRow& r, std::vector<uint16_t>& column) {
    const size_t stride = px.Stride();
    r.y = cy;
    r.mean.resize(stride);
    r.dev.resize(stride);
    column.resize(stride);
    const uint8_t* a = px.WorkRow(cy - 1);
    const uint8_t* b = px.WorkRow(cy);
    const uint8_t* c = px.WorkRow(cy + 1);
    for (size_t i = 0; i < stride; ++i) column[i] = static_cast<uint16_t>(a[i] + b[i] + c[i]);
    for (size_t i = 4; i < stride - 4; ++i) {
        const int m = static_cast<int>(Ninth(column[i - 4] + column[i] + column[i + 4]));
        int dev = 0;
        for (const uint8_t* row : {a, b, c})
            dev += std::abs(row[i - 4] - m) + std::abs(row[i] - m) + std::abs(row[i + 4] - m);
        r.mean[i] = static_cast<uint8_t>(m);
        r.dev[i] = static_cast<uint16_t>(dev);
    }
}

}  // namespace

void Watercolour(const FilterPixels& px, int, FilterProgress& progress) {
    const int w = px.width, h = px.height;
    if (w < 5 || h < 5) {
        for (int y = 2; y < h - 2; ++y) progress.SetValue(RowPercent(y + 1, h));
        return;
    }
    // The four blocks of a pixel are the 3 x 3 blocks centred on its diagonal
    // neighbours; each centre's mean and deviation serve four pixels, so they
    // are computed once per centre row and kept for the rows that need them.
    //
    // Output row y reads centre rows y - 1 and y + 1, that is the unchanged
    // rows y - 2 to y + 2. Centre row y + 1 is taken just before row y is
    // written, while rows y to y + 2 are unchanged. Within a band [first,
    // last) that holds for every centre row but first - 1, first, last - 1
    // and last, which read rows of the neighbouring bands or rows the band
    // has already written: those four are taken before any band starts.
    const int bandRows = BandRows(h - 4, px.threads);
    const int bands = (h - 4 + bandRows - 1) / bandRows;
    std::vector<std::array<CentreRow, 4>> edges(static_cast<size_t>(bands));
    {
        std::vector<uint16_t> column;
        for (int i = 0; i < bands; ++i) {
            const int first = 2 + i * bandRows, last = std::min(h - 2, first + bandRows);
            const int ys[4] = {first - 1, first, last - 1, last};
            for (int k = 0; k < 4; ++k)
                ComputeCentreRow(px, ys[k], edges[static_cast<size_t>(i)][k], column);
        }
    }
    RowProgress rows(progress, 2, h);
    RunBands(px.threads, 2, h - 2, bandRows, rows, [&](int first, int last, bool onCaller) {
        const std::array<CentreRow, 4>& kept = edges[static_cast<size_t>((first - 2) / bandRows)];
        std::array<CentreRow, 4> ring;
        std::vector<uint16_t> column;
        const auto centreRow = [&](int cy) -> const CentreRow& {
            for (const CentreRow& k : kept)
                if (k.y == cy) return k;
            CentreRow& r = ring[static_cast<size_t>(cy & 3)];
            if (r.y != cy) ComputeCentreRow(px, cy, r, column);
            return r;
        };
        for (int y = first; y < last; ++y) {
            const CentreRow& above = centreRow(y - 1);
            const CentreRow& below = centreRow(y + 1);
            uint8_t* out = px.WorkRow(y);
            for (int x = 2; x < w - 2; ++x) {
                for (int ch = 0; ch < 3; ++ch) {
                    const size_t i = 4 * static_cast<size_t>(x) + ch;
                    // Upper left, upper right, lower left, lower right; on a
                    // tie the earlier block wins.
                    int best = above.dev[i - 4];
                    uint8_t value = above.mean[i - 4];
                    if (above.dev[i + 4] < best) {
                        best = above.dev[i + 4];
                        value = above.mean[i + 4];
                    }
                    if (below.dev[i - 4] < best) {
                        best = below.dev[i - 4];
                        value = below.mean[i - 4];
                    }
                    if (below.dev[i + 4] < best) value = below.mean[i + 4];
                    out[i] = value;
                }
            }
            rows.RowDone(onCaller);
        }
    });
}

}  // namespace glifora::filters
