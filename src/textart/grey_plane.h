#pragma once
// A grey picture as floats (0 black to 255 white) and the filters the detail
// conversion and its quality measure share: area resizing and Gaussian blur.

#include <vector>

#include "platform/raster.h"

namespace glifora {

struct GreyPlane {
    int width = 0;
    int height = 0;
    std::vector<float> v;  // row by row

    GreyPlane() = default;
    GreyPlane(int w, int h, float fill = 255.0f)
        : width(w),
          height(h),
          v(static_cast<size_t>(w > 0 && h > 0 ? w : 0) * (h > 0 ? h : 0), fill) {}
    [[nodiscard]] bool Empty() const { return width <= 0 || height <= 0; }
    [[nodiscard]] float& At(int x, int y) { return v[static_cast<size_t>(y) * width + x]; }
    [[nodiscard]] float At(int x, int y) const { return v[static_cast<size_t>(y) * width + x]; }
    [[nodiscard]] const float* RowAt(int x, int y) const {
        return v.data() + static_cast<size_t>(y) * width + x;
    }
};

// BT.601 luma of every pixel.
[[nodiscard]] GreyPlane LumaOf(const Raster& picture);

// Resized to w x h by area averaging: every destination pixel is the mean of
// the source area it covers (fractional pixels weighted by their share).
[[nodiscard]] GreyPlane AreaResize(const GreyPlane& src, int w, int h);

// Separable Gaussian blur with standard deviations `sigmaX` and `sigmaY`
// (pixels); the border is mirrored. A sigma of 0 leaves that direction alone.
[[nodiscard]] GreyPlane GaussianBlur(const GreyPlane& src, double sigmaX, double sigmaY);
// The normalised kernel GaussianBlur uses for `sigma`: radius ceil(3 sigma),
// at least 1.
[[nodiscard]] std::vector<float> GaussianKernel(double sigma);

}  // namespace glifora
