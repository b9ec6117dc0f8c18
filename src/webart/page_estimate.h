#pragma once
// How large a WebArt page can get, known before a byte is written, so a
// caller can ask before filling a disk.

#include <cstdint>

#include "webart/webart_writer.h"

namespace glifora {

struct WebArtPageEstimate {
    int64_t samples = 0;   // characters on the page
    int64_t maxBytes = 0;  // the page is never larger than this
};

// From the picture's size and the settings that place the samples (size,
// quality mode, borders). The bound assumes every sample changes colour, so
// real pages of photographs come in below it; flat pictures far below.
[[nodiscard]] WebArtPageEstimate EstimateWebArtPage(int width, int height,
                                                    const WebArtSettings& settings);

}  // namespace glifora
