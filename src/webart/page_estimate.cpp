#include "webart/page_estimate.h"

#include <algorithm>
#include <cstring>

namespace glifora {

namespace {

// The longest sample: a colour switch "</font><font style=\"color:rgb(" (30),
// three components "255,255,255" (11), ")\">" (3), and one character escaped
// as "&amp;" (5). Each row ends in "<br>\r\n"; header and footer stay under
// the allowance.
constexpr int64_t kMaxSampleBytes = 30 + 11 + 3 + 5;
constexpr int64_t kRowEndBytes = 6;
constexpr int64_t kFrameBytes = 2048;

int64_t SampleCount(int first, int last, int step) {
    return last < first ? 0 : (last - first) / step + 1;
}

}  // namespace

WebArtPageEstimate EstimateWebArtPage(int width, int height, const WebArtSettings& settings) {
    // The same placement as the page writer: every `spacing` pixels across,
    // every `spacing` (quality) or 2 * `spacing` rows down, borders adding the
    // sample just outside the picture.
    const bool q = settings.quality;
    const int spacing = 6 - std::clamp(settings.size, 1, 5);
    const WebBorders b = q ? settings.borders : WebBorders{};
    const int w = std::max(width, 0);
    const int h = std::max(height, 0);
    const int64_t rows =
        SampleCount(b.top ? -1 : 0, b.bottom ? h : h - 1, q ? spacing : 2 * spacing);
    const int64_t columns = SampleCount(b.left ? -1 : 0, b.right ? w : w - 1, spacing);
    WebArtPageEstimate e;
    e.samples = rows * columns;
    e.maxBytes = e.samples * kMaxSampleBytes + rows * kRowEndBytes + kFrameBytes;
    return e;
}

}  // namespace glifora
