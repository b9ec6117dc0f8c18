#pragma once
// The one way the filter tests apply an effect to a copy of a picture, and
// the one way they record the progress a run shows.

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "filters/effect_catalogue.h"
#include "filters/filter_engine.h"

namespace glifora::test {

// `picture` after effect `code` with `parameter`, run as the command line
// runs it, on `threads` threads (0: as the program chooses).
inline Raster Filtered(int code, Raster picture, int parameter, int threads = 0) {
    NullProgress none;
    RunEffect(*FindEffect(code), picture, parameter, none, threads);
    return picture;
}

// The values the bar is set to; the bar is set, and the event loop runs, on
// the calling thread only.
struct RecordedProgress : FilterProgress {
    std::vector<int> values;
    std::thread::id caller = std::this_thread::get_id();
    void SetValue(int v) override {
        EXPECT_EQ(std::this_thread::get_id(), caller);
        values.push_back(v);
    }
};

}  // namespace glifora::test
