#pragma once
// What every filter works on: the pixel array and the progress bar.
//
// `WorkPixels` is the memory image of a 32-bit top-down bitmap: H rows of W
// pixels, 4 bytes per pixel (blue, green, red, unused), stride W x 4, which is
// exactly the byte layout of `Raster`. Filters index x and y from 0; the
// fourth byte of a pixel is never read or written.
//
// There is no second, unchanged copy of the picture: a filter that reads
// neighbours of the unchanged picture ("reads S") keeps copies of the few
// rows it still needs before it overwrites them (row_bands.h).

#include <cstddef>
#include <cstdint>

namespace glifora {

// The progress bar a filter run reports to. The window's implementation sets
// the bar and lets pending events run (see ThrottledProgress); the command
// line draws on stderr; tests may record the values.
class FilterProgress {
  public:
    virtual ~FilterProgress() = default;
    virtual void SetVisible(bool /*visible*/) {}
    // Sets the bar's value (0 to 100), then yields to the event loop once.
    virtual void SetValue(int percent) = 0;
};

class NullProgress final : public FilterProgress {
  public:
    void SetValue(int) override {}
};

struct FilterPixels {
    uint8_t* work = nullptr;  // WorkPixels: read and written
    int width = 0;
    int height = 0;
    // Threads the filter may run its rows on; the result is the same for any
    // count.
    int threads = 1;

    [[nodiscard]] size_t Stride() const { return static_cast<size_t>(width) * 4; }
    [[nodiscard]] uint8_t* WorkRow(int y) const { return work + Stride() * static_cast<size_t>(y); }
    [[nodiscard]] size_t PixelCount() const {
        return static_cast<size_t>(width) * static_cast<size_t>(height);
    }
};

// The percentage after the 1-based row `y` of `h` rows, on a bar that starts
// at `base` and spans `span` points: base + (span x y) \ h.
[[nodiscard]] inline int RowPercent(int y, int h, int base = 0, int span = 100) {
    return base + static_cast<int>(static_cast<int64_t>(span) * y / h);
}

using FilterFunction = void (*)(const FilterPixels& pixels, int parameter,
                                FilterProgress& progress);

// Unpacks a colour parameter red + 256 x green + 65536 x blue. The divisions
// truncate toward zero and the remainders keep the dividend's sign, so a
// negative parameter gives negative parts.
struct SplitParts {
    int red = 0;
    int green = 0;
    int blue = 0;
};
[[nodiscard]] constexpr SplitParts SplitColor(int color) {
    return {color % 256, (color / 256) % 256, (color / 65536) % 256};
}

}  // namespace glifora
