#include "textart/grey_plane.h"

#include <algorithm>
#include <cmath>

namespace glifora {

GreyPlane LumaOf(const Raster& picture) {
    GreyPlane out(picture.Width(), picture.Height());
    for (int y = 0; y < out.height; ++y) {
        const uint8_t* p = picture.Row(y);
        float* d = &out.At(0, y);
        for (int x = 0; x < out.width; ++x, p += 4)
            d[x] = 0.114f * p[0] + 0.587f * p[1] + 0.299f * p[2];
    }
    return out;
}

namespace {

// For each destination index along one axis: the source indices it covers and
// their weights (summing to 1).
struct AxisWeights {
    std::vector<int> first;  // per destination: first source index
    std::vector<int> count;
    std::vector<float> weights;  // concatenated
    std::vector<size_t> offset;
};

AxisWeights WeightsFor(int srcSize, int dstSize) {
    AxisWeights a;
    const double scale = static_cast<double>(srcSize) / dstSize;
    for (int d = 0; d < dstSize; ++d) {
        double lo = d * scale, hi = (d + 1) * scale;
        if (scale < 1.0) {
            // Enlarging: a one-pixel-wide window around the sample point, so
            // the result interpolates instead of repeating blocks.
            const double c = (d + 0.5) * scale;
            lo = c - 0.5;
            hi = c + 0.5;
        }
        const int i0 = std::max(0, static_cast<int>(std::floor(lo)));
        const int i1 = std::min(srcSize - 1, static_cast<int>(std::ceil(hi)) - 1);
        a.first.push_back(i0);
        a.offset.push_back(a.weights.size());
        double total = 0.0;
        std::vector<double> w;
        for (int i = i0; i <= i1; ++i) {
            const double cover = std::min<double>(i + 1, hi) - std::max<double>(i, lo);
            w.push_back(std::max(0.0, cover));
            total += w.back();
        }
        for (double x : w) a.weights.push_back(static_cast<float>(total > 0 ? x / total : 0));
        a.count.push_back(static_cast<int>(w.size()));
    }
    return a;
}

}  // namespace

GreyPlane AreaResize(const GreyPlane& src, int w, int h) {
    if (src.Empty() || w <= 0 || h <= 0) return {};
    const AxisWeights ax = WeightsFor(src.width, w), ay = WeightsFor(src.height, h);
    // Rows first (each source row to w values), then columns.
    GreyPlane mid(w, src.height);
    for (int y = 0; y < src.height; ++y) {
        const float* s = src.RowAt(0, y);
        float* d = &mid.At(0, y);
        for (int x = 0; x < w; ++x) {
            const float* wt = &ax.weights[ax.offset[x]];
            const float* p = s + ax.first[x];
            float sum = 0.0f;
            for (int k = 0; k < ax.count[x]; ++k) sum += wt[k] * p[k];
            d[x] = sum;
        }
    }
    GreyPlane out(w, h, 0.0f);
    for (int y = 0; y < h; ++y) {
        float* d = &out.At(0, y);
        const float* wt = &ay.weights[ay.offset[y]];
        for (int k = 0; k < ay.count[y]; ++k) {
            const float* s = mid.RowAt(0, ay.first[y] + k);
            for (int x = 0; x < w; ++x) d[x] += wt[k] * s[x];
        }
    }
    return out;
}

std::vector<float> GaussianKernel(double sigma) {
    const int radius = std::max(1, static_cast<int>(std::ceil(3.0 * sigma)));
    std::vector<float> k(static_cast<size_t>(2 * radius + 1));
    double total = 0.0;
    for (int i = -radius; i <= radius; ++i) total += std::exp(-0.5 * i * i / (sigma * sigma));
    for (int i = -radius; i <= radius; ++i)
        k[i + radius] = static_cast<float>(std::exp(-0.5 * i * i / (sigma * sigma)) / total);
    return k;
}

namespace {

// Mirrored index (…2 1 0 | 0 1 2 … n-1 | n-1 n-2 …), valid for any offset.
int Mirror(int i, int n) {
    if (n == 1) return 0;
    const int period = 2 * n;
    i %= period;
    if (i < 0) i += period;
    return i < n ? i : period - 1 - i;
}

// Blurs `n` values spaced `step` apart starting at `data`, using `tmp`.
void Blur1D(float* data, int n, size_t step, const std::vector<float>& k, std::vector<float>& tmp) {
    const int r = static_cast<int>(k.size() / 2);
    tmp.resize(static_cast<size_t>(n) + 2 * r);
    for (int i = -r; i < n + r; ++i) tmp[i + r] = data[Mirror(i, n) * step];
    for (int i = 0; i < n; ++i) {
        float sum = 0.0f;
        const float* t = &tmp[i];
        for (size_t j = 0; j < k.size(); ++j) sum += k[j] * t[j];
        data[i * step] = sum;
    }
}

}  // namespace

GreyPlane GaussianBlur(const GreyPlane& src, double sigmaX, double sigmaY) {
    GreyPlane out = src;
    if (out.Empty()) return out;
    std::vector<float> tmp;
    if (sigmaX > 0) {
        const std::vector<float> k = GaussianKernel(sigmaX);
        for (int y = 0; y < out.height; ++y) Blur1D(&out.At(0, y), out.width, 1, k, tmp);
    }
    if (sigmaY > 0) {
        // Whole rows at a time, weighted and summed, which reads memory in order.
        const std::vector<float> k = GaussianKernel(sigmaY);
        const int r = static_cast<int>(k.size() / 2);
        const GreyPlane in = out;
        for (int y = 0; y < out.height; ++y) {
            float* d = &out.At(0, y);
            std::fill(d, d + out.width, 0.0f);
            for (int j = -r; j <= r; ++j) {
                const float w = k[j + r];
                const float* s = in.RowAt(0, Mirror(y + j, out.height));
                for (int x = 0; x < out.width; ++x) d[x] += w * s[x];
            }
        }
    }
    return out;
}

}  // namespace glifora
