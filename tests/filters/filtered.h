#pragma once
// The one way the filter tests apply an effect to a copy of a picture.

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

}  // namespace glifora::test
