#pragma once
// Running a filter's rows on several threads with the same result and the
// same progress values as a run from top to bottom.
//
// Bands: the rows are cut into bands that threads take in turn; a band's rows
// run in order. Filters whose rows do not depend on each other's output use
// them directly; filters that read a neighbourhood of the unchanged picture
// keep copies of the few rows a band needs from its neighbours, taken before
// any band starts (see BoundaryRows).
//
// Progress: every finished row is counted, and the calling thread, and only
// it, gives the bar the k-th row's value for every row finished so far, so the
// bar shows rows done, the values come in the same order as in a run on one
// thread, and the yields to the event loop happen on the window's thread.

#include <algorithm>
#include <atomic>
#include <cstring>
#include <thread>
#include <vector>

#include "filters/filter_pixels.h"

namespace glifora::filters {

// The bar's values for the rows first .. last - 1 of a picture of h rows:
// the row finished k-th (from 1) shows RowPercent(first + k, h, base, span),
// which is RowPercent(y + 1, ...) of the k-th row in order.
class RowProgress {
  public:
    RowProgress(FilterProgress& progress, int first, int h, int base = 0, int span = 100)
        : progress_(progress), first_(first), h_(h), base_(base), span_(span) {}

    // After each finished row; `onCaller` is true on the calling thread.
    void RowDone(bool onCaller) {
        finished_.fetch_add(1, std::memory_order_relaxed);
        if (onCaller) Report();
    }
    // Gives the bar every value not given yet (calling thread only).
    void Report() {
        const int finished = finished_.load(std::memory_order_relaxed);
        while (reported_ < finished) {
            ++reported_;
            progress_.SetValue(RowPercent(first_ + reported_, h_, base_, span_));
        }
    }

  private:
    FilterProgress& progress_;
    int first_, h_, base_, span_;
    std::atomic<int> finished_{0};
    int reported_ = 0;
};

// Wavefronts: filters whose rows read pixels their neighbouring rows have
// already rewritten sweep a group of rows together, each row a few stretches
// behind the row above, the group's first row following the previous group's
// last row (perhaps on another thread).
//
// Pixels per stretch of a row: the unit in which rows follow each other.
inline constexpr int kStretch = 256;
// Rows swept together by one thread: a group hands its last row to the next
// group, perhaps on another core, so the fewer the groups the fewer rows
// travel between cores.
inline constexpr int kGroupRows = 16;

// Waits until `done` reaches `need`.
inline void WaitFor(const std::atomic<int>& done, int need) {
    for (int seen; (seen = done.load(std::memory_order_acquire)) < need;)
        done.wait(seen, std::memory_order_acquire);
}

// The band height for `rows` rows on `threads` threads: several bands per
// thread, so a thread slowed down by others leaves little work behind.
[[nodiscard]] inline int BandRows(int rows, int threads, int multipleOf = 1) {
    int band = threads <= 1 ? rows : std::max(1, rows / (threads * 8));
    if (threads > 1 && rows >= 64 * threads) band = std::max(band, 4);
    band = (band + multipleOf - 1) / multipleOf * multipleOf;
    return std::max(band, 1);
}

// Runs band(first, last, onCaller) over [begin, end) cut into bands of
// `bandRows` rows (the last may be shorter), on up to `threads` threads; the
// calling thread takes bands too. band must call rows.RowDone(onCaller) after
// each row. With one thread it is one call over the whole range.
template <typename Band>
void RunBands(int threads, int begin, int end, int bandRows, RowProgress& rows, Band&& band) {
    if (end <= begin) return;
    const int bands = (end - begin + bandRows - 1) / bandRows;
    threads = std::min(threads, bands);
    if (threads <= 1) {
        band(begin, end, true);
        rows.Report();
        return;
    }
    std::atomic<int> next{0};
    const auto work = [&](bool onCaller) {
        for (int i; (i = next.fetch_add(1, std::memory_order_relaxed)) < bands;) {
            const int first = begin + i * bandRows;
            band(first, std::min(end, first + bandRows), onCaller);
        }
    };
    std::vector<std::thread> others;
    others.reserve(static_cast<size_t>(threads - 1));
    for (int t = 1; t < threads; ++t) others.emplace_back(work, false);
    work(true);
    for (std::thread& t : others) t.join();
    rows.Report();
}

// Runs `perRow(uint8_t* row, int y)` over every row of the picture, on px.threads
// threads, reporting each row on a bar from `base` spanning `span` points.
template <typename F>
void ForEachRow(const FilterPixels& px, FilterProgress& progress, F&& perRow, int base = 0,
                int span = 100) {
    RowProgress rows(progress, 0, px.height, base, span);
    RunBands(px.threads, 0, px.height, BandRows(px.height, px.threads), rows,
             [&](int first, int last, bool onCaller) {
                 for (int y = first; y < last; ++y) {
                     perRow(px.WorkRow(y), y);
                     rows.RowDone(onCaller);
                 }
             });
}

// Copies of the rows just above and just below every band, taken from the
// picture before any band runs: a band that reads its neighbours' rows reads
// them here, unchanged, while the neighbouring bands rewrite them.
class BoundaryRows {
  public:
    BoundaryRows(const FilterPixels& px, int begin, int end, int bandRows)
        : stride_(px.Stride()), begin_(begin), bandRows_(bandRows) {
        const int bands = end > begin ? (end - begin + bandRows - 1) / bandRows : 0;
        rows_.resize(stride_ * 2 * static_cast<size_t>(bands));
        for (int i = 0; i < bands; ++i) {
            const int first = begin + i * bandRows;
            const int last = std::min(end, first + bandRows);
            if (first > 0) std::memcpy(Slot(i, 0), px.WorkRow(first - 1), stride_);
            if (last < px.height) std::memcpy(Slot(i, 1), px.WorkRow(last), stride_);
        }
    }
    // The unchanged row first - 1 of the band starting at `first`.
    [[nodiscard]] const uint8_t* Above(int first) const {
        return const_cast<BoundaryRows*>(this)->Slot((first - begin_) / bandRows_, 0);
    }
    // The unchanged row after the band starting at `first`.
    [[nodiscard]] const uint8_t* Below(int first) const {
        return const_cast<BoundaryRows*>(this)->Slot((first - begin_) / bandRows_, 1);
    }

  private:
    uint8_t* Slot(int band, int which) {
        return rows_.data() + stride_ * (2 * static_cast<size_t>(band) + which);
    }
    size_t stride_;
    int begin_, bandRows_;
    std::vector<uint8_t> rows_;
};

}  // namespace glifora::filters
