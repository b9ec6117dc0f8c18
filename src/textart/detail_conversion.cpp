#include "textart/detail_conversion.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

namespace glifora {

namespace {

// Share of the cell's own error passed on (the rest is dropped, which keeps
// diffusion from building up streaks in flat areas).
static float Env(const char* n, float d) {
    const char* v = std::getenv(n);
    return v ? std::stof(v) : d;
}
static const float kDiffusion = Env("GD_DIFF", 0.9f);
// Weight of the pattern difference against the mean-grey difference.
static const float kShapeWeight = Env("GD_SHAPE", 1.0f);
// Mild unsharp mask of the picture before matching.
static const float kSharpen = Env("GD_SHARP", 0.5f);
static const float kSigma = Env("GD_SIGMA", 4.0f);

struct GlyphFeatures {
    std::vector<int> codes;
    std::vector<float> pattern;  // per glyph: n values, mean removed
    std::vector<float> mean;
    std::vector<float> norm;  // squared length of the pattern
};

// Blurred ink of every candidate glyph at the sampling grid, in the grey scale
// where the darkest candidate is black and paper is white.
GlyphFeatures FeaturesOf(const DetailInputs& in, DetailSampling s, double sigmaX, double sigmaY) {
    GlyphFeatures f;
    const GlyphShapes& shapes = *in.shapes;
    const int n = s.across * s.down;
    double maxInk = 0.0;
    std::vector<int> codes;
    for (int c = std::max(in.first, 0); c <= std::min(in.last, 255); ++c) {
        const auto& ink = shapes.ink[c];
        if (ink.empty() || !PrintableCode(c)) continue;
        double count = 0;
        for (uint8_t i : ink) count += i;
        // Only the space may be blank: a blank of another code prints nothing useful.
        if (count == 0 && c != 32) continue;
        codes.push_back(c);
        maxInk = std::max(maxInk, count / static_cast<double>(ink.size()));
    }
    const float inkGrey = maxInk > 0 ? static_cast<float>(255.0 - 255.0 / maxInk) : 0.0f;
    for (int c : codes) {
        GreyPlane cell(shapes.width, shapes.height);
        for (size_t i = 0; i < cell.v.size(); ++i)
            if (shapes.ink[c][i]) cell.v[i] = inkGrey;
        const GreyPlane sampled = AreaResize(cell, s.across, s.down);
        // Blurred with mirrored borders, which keeps the glyph's mean grey.
        const GreyPlane blurred = GaussianBlur(sampled, sigmaX, sigmaY);
        double sum = 0;
        std::vector<float> p(blurred.v.begin(), blurred.v.end());
        for (float v : p) sum += v;
        const float mean = static_cast<float>(sum / n);
        double norm = 0;
        for (float& v : p) {
            v -= mean;
            norm += static_cast<double>(v) * v;
        }
        f.codes.push_back(c);
        f.mean.push_back(mean);
        f.norm.push_back(static_cast<float>(norm));
        f.pattern.insert(f.pattern.end(), p.begin(), p.end());
    }
    return f;
}

}  // namespace

DetailSampling DetailSamplingFor(int cellWidth, int cellHeight) {
    return {std::clamp(cellWidth, 0, 8), std::clamp(cellHeight, 0, 16)};
}

std::string ConvertDetail(const GreyPlane& picture, const DetailInputs& in) {
    if (picture.Empty() || in.columns <= 0 || in.rows <= 0 || !in.shapes) return {};
    const DetailSampling s = DetailSamplingFor(in.shapes->width, in.shapes->height);
    if (s.across <= 0 || s.down <= 0) return {};
    const double sigmaX = s.across / kSigma, sigmaY = s.down / kSigma;
    const GlyphFeatures glyphs = FeaturesOf(in, s, sigmaX, sigmaY);
    if (glyphs.codes.empty()) return {};

    GreyPlane ref = AreaResize(picture, in.columns * s.across, in.rows * s.down);
    const float offset = 2.0f * static_cast<float>(in.luminosity);
    for (float& v : ref.v) {
        v = std::clamp(v + offset, 0.0f, 255.0f);
        // Negative text is read light on dark: ink stands for light.
        if (in.negative) v = 255.0f - v;
    }
    {
        const GreyPlane soft = GaussianBlur(ref, s.across / 2.0, s.down / 2.0);
        for (size_t i = 0; i < ref.v.size(); ++i)
            ref.v[i] = std::clamp(ref.v[i] + kSharpen * (ref.v[i] - soft.v[i]), 0.0f, 255.0f);
    }
    const GreyPlane features = GaussianBlur(ref, sigmaX, sigmaY);

    const int n = s.across * s.down;
    const size_t count = glyphs.codes.size();
    // Tone carried to cells not yet chosen: this row and the next.
    std::vector<float> carry(static_cast<size_t>(in.columns) + 2, 0.0f);
    std::vector<float> next(static_cast<size_t>(in.columns) + 2, 0.0f);
    std::vector<float> patch(static_cast<size_t>(n));
    std::string out;
    out.reserve(static_cast<size_t>(in.columns + 2) * in.rows);
    for (int row = 0; row < in.rows; ++row) {
        if (row > 0) out += "\r\n";
        std::fill(next.begin(), next.end(), 0.0f);
        for (int col = 0; col < in.columns; ++col) {
            double sum = 0;
            for (int y = 0; y < s.down; ++y) {
                const float* src = features.RowAt(col * s.across, row * s.down + y);
                for (int x = 0; x < s.across; ++x) {
                    patch[static_cast<size_t>(y) * s.across + x] = src[x];
                    sum += src[x];
                }
            }
            const float rawMean = static_cast<float>(sum / n);
            for (float& v : patch) v -= rawMean;
            const float mean = rawMean + carry[col + 1];
            size_t best = 0;
            float bestCost = std::numeric_limits<float>::max();
            for (size_t g = 0; g < count; ++g) {
                const float* p = &glyphs.pattern[g * n];
                float dot = 0.0f;
                for (int i = 0; i < n; ++i) dot += patch[i] * p[i];
                const float dm = mean - glyphs.mean[g];
                const float cost = kShapeWeight * (glyphs.norm[g] - 2.0f * dot) + n * dm * dm;
                if (cost < bestCost) {
                    bestCost = cost;
                    best = g;
                }
            }
            out.push_back(static_cast<char>(glyphs.codes[best]));
            const float err = kDiffusion * (mean - glyphs.mean[best]);
            carry[col + 2] += err * (7.0f / 16.0f);
            next[col] += err * (3.0f / 16.0f);
            next[col + 1] += err * (5.0f / 16.0f);
            next[col + 2] += err * (1.0f / 16.0f);
        }
        std::swap(carry, next);
    }
    return out;
}

}  // namespace glifora
