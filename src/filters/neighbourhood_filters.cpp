// Filters whose output pixel depends on its 3 x 3 neighbourhood. They process
// x = 1 to W - 2 and y = 1 to H - 2 (0-based) unless said otherwise; the
// outermost rows and columns keep their values.
//
// The in-place filters (blur, smoke, both sharpens) read their upper row and
// their left neighbour after those were replaced in this run. Their sums are
// split in two: the parts from the rows above and below are gathered for a
// stretch of the row first, and only the left-right dependency runs pixel by
// pixel. On several threads they run as a wavefront: each row follows the row
// above it, a stretch behind.

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "filters/filter_families.h"
#include "filters/row_bands.h"
#include "platform/arith.h"

namespace glifora::filters {
namespace {

uint8_t ClampByte(int64_t v) {
    return static_cast<uint8_t>(Clamp<int64_t>(v, 0, 255));
}

// clamp(n \ d) for numerators in [lo, hi], tabulated when the range is small
// enough, else computed.
class DivClamp {
  public:
    DivClamp(int64_t lo, int64_t hi, int64_t divisor) : lo_(lo), divisor_(divisor) {
        if (hi - lo < (1 << 18)) {
            table_.resize(static_cast<size_t>(hi - lo + 1));
            for (int64_t n = lo; n <= hi; ++n) table_[static_cast<size_t>(n - lo)] = Slow(n);
        }
    }
    [[nodiscard]] uint8_t operator()(int64_t n) const {
        return table_.empty() ? Slow(n) : table_[static_cast<size_t>(n - lo_)];
    }

  private:
    [[nodiscard]] uint8_t Slow(int64_t n) const { return ClampByte(n / divisor_); }
    int64_t lo_;
    int64_t divisor_;
    std::vector<uint8_t> table_;
};

void ReportInnerRows(const FilterPixels& px, FilterProgress& progress) {
    for (int y = 1; y < px.height - 1; ++y) progress.SetValue(RowPercent(y + 1, px.height));
}

// The in-place family. For each inner pixel and channel, `combine(c, vertical,
// left, right)` gives the new value, where `vertical` is the sum over the row
// above (already new) and the row below (still old).
//
// Pixel (x, y) needs the new pixels x - 1 to x + 1 of row y - 1 and the old
// pixels x - 1 to x + 1 of row y + 1. So stretch s of row y may run once
// stretch s + 1 of row y - 1 is done, and then row y + 1 has not yet passed
// stretch s - 1. A group of rows is swept as a wavefront, row j of the group
// two stretches behind row j - 1; the group's first row follows the previous
// group's last row (perhaps on another thread) through `lastDone`.
template <bool kThreeWide, typename Combine>
void InPlace3x3(const FilterPixels& px, FilterProgress& progress, Combine combine) {
    const int w = px.width, h = px.height;
    if (w < 3 || h < 3) {
        ReportInnerRows(px, progress);
        return;
    }
    // Pixels final so far in the last row of each group (x < lastDone[g]),
    // indexed by the group's first row; row 0 is never written.
    const auto lastDone = std::make_unique<std::atomic<int>[]>(static_cast<size_t>(h));
    for (int y = 0; y < h; ++y) lastDone[y].store(y == 0 ? w : 0, std::memory_order_relaxed);
    const int stretches = (w - 2 + kStretch - 1) / kStretch;
    const auto stretch = [&](int y, int s) {
        const int a = 1 + s * kStretch, b = std::min(w - 1, a + kStretch);
        const uint8_t* up = px.WorkRow(y - 1);
        uint8_t* mid = px.WorkRow(y);
        const uint8_t* down = px.WorkRow(y + 1);
        int32_t vertical[4 * kStretch];
        int32_t* v = vertical - 4 * static_cast<size_t>(a);
        for (size_t i = 4 * static_cast<size_t>(a); i < 4 * static_cast<size_t>(b); ++i) {
            if constexpr (kThreeWide)
                v[i] = up[i - 4] + up[i] + up[i + 4] + down[i - 4] + down[i] + down[i + 4];
            else
                v[i] = up[i] + down[i];
        }
        for (int x = a; x < b; ++x) {
            uint8_t* p = mid + 4 * x;
            const int32_t* vx = v + 4 * x;
            for (int ch = 0; ch < 3; ++ch) p[ch] = combine(p[ch], vx[ch], p[ch - 4], p[ch + 4]);
        }
        return b;
    };
    RowProgress rows(progress, 1, h);
    // Groups are taken in order, so the group a thread waits for is always
    // held by a thread that is running.
    RunBands(px.threads, 1, h - 1, kGroupRows, rows, [&](int first, int last, bool onCaller) {
        for (int g = first; g < last; g += kGroupRows) {
            const int k = std::min(kGroupRows, last - g);
            const std::atomic<int>& above = lastDone[g - (g == 1 ? 1 : kGroupRows)];
            std::atomic<int>& mine = lastDone[g];
            for (int t = 0; t < stretches + 2 * (k - 1); ++t) {
                for (int j = 0; j < k; ++j) {
                    const int s = t - 2 * j;
                    if (s < 0) break;
                    if (s >= stretches) continue;
                    if (j == 0) {
                        // The first stretch waits until the group above is half
                        // done, so that two threads run half a row apart and
                        // seldom wait for each other within a row.
                        const int b = std::min(w - 1, 1 + (s + 1) * kStretch);
                        WaitFor(above, std::min(w, s == 0 ? std::max(b + 1, w / 2) : b + 1));
                    }
                    const int b = stretch(g + j, s);
                    if (j == k - 1) {
                        mine.store(b == w - 1 ? w : b, std::memory_order_release);
                        mine.notify_all();
                    }
                    if (s == stretches - 1) rows.RowDone(onCaller);
                }
            }
        }
    });
}

// The filters that read S: for each inner pixel and channel, `value(up, mid,
// down, i, ch)` with the three unchanged rows and the byte index i of the
// pixel. A band keeps the unchanged copy of the row it last rewrote and takes
// its outer neighbours from BoundaryRows.
template <typename Value>
void FromSource3x3(const FilterPixels& px, FilterProgress& progress, Value value) {
    const int w = px.width, h = px.height;
    if (w < 3 || h < 3) {
        ReportInnerRows(px, progress);
        return;
    }
    const int bandRows = BandRows(h - 2, px.threads);
    const BoundaryRows outer(px, 1, h - 1, bandRows);
    RowProgress rows(progress, 1, h);
    RunBands(px.threads, 1, h - 1, bandRows, rows, [&](int first, int last, bool onCaller) {
        std::vector<uint8_t> ring(2 * px.Stride());
        uint8_t* kept = ring.data();             // the unchanged row y
        uint8_t* previous = kept + px.Stride();  // the unchanged row y - 1
        std::memcpy(previous, outer.Above(first), px.Stride());
        for (int y = first; y < last; ++y) {
            uint8_t* out = px.WorkRow(y);
            std::memcpy(kept, out, px.Stride());
            const uint8_t* up = previous;
            const uint8_t* mid = kept;
            const uint8_t* down = y + 1 < last ? px.WorkRow(y + 1) : outer.Below(first);
            for (int x = 1; x < w - 1; ++x) {
                const size_t i = 4 * static_cast<size_t>(x);
                out[i] = value(up, mid, down, i, 0);
                out[i + 1] = value(up, mid, down, i + 1, 1);
                out[i + 2] = value(up, mid, down, i + 2, 2);
            }
            std::swap(kept, previous);
            rows.RowDone(onCaller);
        }
    });
}

// Per-channel offsets (blue, green, red) of a colour parameter.
struct Offsets {
    int c[3];
};
Offsets OffsetsOf(int color) {
    const SplitParts s = SplitColor(color);
    return {{s.blue, s.green, s.red}};
}

// "Realzar" and "Grabado": x = 0 to W - 2, y = 0 to H - 2, each pixel against
// its lower-right neighbour, which is not yet written when it is read. The
// last row of a band reads the next band's first row from BoundaryRows.
template <bool kEngrave>
void Diagonal(const FilterPixels& px, int color, FilterProgress& progress) {
    const Offsets off = OffsetsOf(color);
    const int h = px.height;
    if (h < 2) return;
    const int bandRows = BandRows(h - 1, px.threads);
    const BoundaryRows outer(px, 0, h - 1, bandRows);
    RowProgress rows(progress, 0, h);
    RunBands(px.threads, 0, h - 1, bandRows, rows, [&](int first, int last, bool onCaller) {
        for (int y = first; y < last; ++y) {
            uint8_t* row = px.WorkRow(y);
            const uint8_t* below = y + 1 < last ? px.WorkRow(y + 1) : outer.Below(first);
            for (int x = 0; x < px.width - 1; ++x) {
                uint8_t* p = row + 4 * x;
                const uint8_t* q = below + 4 * (x + 1);
                for (int ch = 0; ch < 3; ++ch) {
                    const int d = kEngrave ? q[ch] - p[ch] : p[ch] - q[ch];
                    const int v = std::abs(d + off.c[ch]);
                    p[ch] = static_cast<uint8_t>(v > 255 ? 255 : v);
                }
            }
            rows.RowDone(onCaller);
        }
    });
}

int Sum8(const uint8_t* up, const uint8_t* mid, const uint8_t* down, size_t i) {
    return up[i - 4] + up[i] + up[i + 4] + mid[i - 4] + mid[i + 4] + down[i - 4] + down[i] +
           down[i + 4];
}

template <bool kMax>
uint8_t Extreme9(const uint8_t* up, const uint8_t* mid, const uint8_t* down, size_t i) {
    uint8_t m = mid[i];
    for (const uint8_t* r : {up, mid, down})
        for (size_t j : {i - 4, i, i + 4}) m = kMax ? (r[j] > m ? r[j] : m) : (r[j] < m ? r[j] : m);
    return m;
}

}  // namespace

void Blur(const FilterPixels& px, int, FilterProgress& progress) {
    InPlace3x3<true>(px, progress, [](int, int v, int l, int r) {
        return static_cast<uint8_t>((v + l + r) >> 3);
    });
}

void Smoke(const FilterPixels& px, int, FilterProgress& progress) {
    InPlace3x3<false>(px, progress, [](int c, int v, int l, int r) {
        return static_cast<uint8_t>((v + c + l + r) / 5);
    });
}

void Sharpen(const FilterPixels& px, int p, FilterProgress& progress) {
    const int64_t k = int64_t{p} + 24, d = int64_t{p} + 8;
    if (d == 0) {
        ReportInnerRows(px, progress);
        return;
    }
    const int64_t lo = std::min<int64_t>(0, 255 * k) - 2 * 8 * 255;
    const int64_t hi = std::max<int64_t>(0, 255 * k);
    const DivClamp div(lo, hi, d);
    InPlace3x3<true>(px, progress, [&div, k](int c, int v, int l, int r) {
        return div(c * k - 2 * int64_t{v + l + r});
    });
}

void EdgeEnhance(const FilterPixels& px, int p, FilterProgress& progress) {
    const int64_t k = int64_t{p} + 9, d = int64_t{p} + 1;
    if (d == 0) {
        ReportInnerRows(px, progress);
        return;
    }
    const int64_t lo = std::min<int64_t>(0, 255 * k) - 8 * 255;
    const int64_t hi = std::max<int64_t>(0, 255 * k);
    const DivClamp div(lo, hi, d);
    InPlace3x3<true>(px, progress, [&div, k](int c, int v, int l, int r) {
        return div(c * k - int64_t{v + l + r});
    });
}

void MarkContours(const FilterPixels& px, int color, FilterProgress& progress) {
    const Offsets off = OffsetsOf(color);
    FromSource3x3(px, progress,
                  [&off](const uint8_t* u, const uint8_t* m, const uint8_t* d, size_t i, int ch) {
                      return ClampByte(int64_t{8} * m[i] - Sum8(u, m, d, i) + off.c[ch]);
                  });
}

void Enhance(const FilterPixels& px, int color, FilterProgress& progress) {
    Diagonal<false>(px, color, progress);
}

void Engrave(const FilterPixels& px, int color, FilterProgress& progress) {
    Diagonal<true>(px, color, progress);
}

void EnhanceMore(const FilterPixels& px, int color, FilterProgress& progress) {
    const Offsets off = OffsetsOf(color);
    FromSource3x3(px, progress,
                  [&off](const uint8_t* u, const uint8_t* m, const uint8_t* d, size_t i, int ch) {
                      const int left = u[i - 4] + m[i - 4] + d[i - 4],
                                right = u[i + 4] + m[i + 4] + d[i + 4];
                      return ClampByte(int64_t{left} - right + off.c[ch]);
                  });
}

void EngraveMore(const FilterPixels& px, int color, FilterProgress& progress) {
    const Offsets off = OffsetsOf(color);
    FromSource3x3(px, progress,
                  [&off](const uint8_t* u, const uint8_t* m, const uint8_t* d, size_t i, int ch) {
                      const int left = u[i - 4] + m[i - 4] + d[i - 4],
                                right = u[i + 4] + m[i + 4] + d[i + 4];
                      return ClampByte(int64_t{right} - left + off.c[ch]);
                  });
}

void Relief(const FilterPixels& px, int, FilterProgress& progress) {
    FromSource3x3(
        px, progress, [](const uint8_t* u, const uint8_t* m, const uint8_t* d, size_t i, int) {
            const int k = 2 * u[i - 4] + u[i] + m[i - 4] + m[i] - m[i + 4] - d[i] - 2 * d[i + 4];
            return ClampByte(k / 2 + 50);
        });
}

void Dilate(const FilterPixels& px, int, FilterProgress& progress) {
    FromSource3x3(px, progress,
                  [](const uint8_t* u, const uint8_t* m, const uint8_t* d, size_t i, int) {
                      return Extreme9<true>(u, m, d, i);
                  });
}

void Erode(const FilterPixels& px, int, FilterProgress& progress) {
    FromSource3x3(px, progress,
                  [](const uint8_t* u, const uint8_t* m, const uint8_t* d, size_t i, int) {
                      return Extreme9<false>(u, m, d, i);
                  });
}

void JoinedContours(const FilterPixels& px, int, FilterProgress& progress) {
    FromSource3x3(px, progress,
                  [](const uint8_t* u, const uint8_t* m, const uint8_t* d, size_t i, int) {
                      return static_cast<uint8_t>(m[i] - Extreme9<false>(u, m, d, i));
                  });
}

}  // namespace glifora::filters
