#include "textart/detail_conversion.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace glifora {

namespace {

// Share of the cell's missed tone passed on; dropping the rest keeps
// diffusion from building streaks in flat areas.
constexpr float kDiffusion = 0.9f;
// Local contrast boost of the picture before matching: the picture plus this
// share of its difference from a blur of one cell. Glyphs only ever show a
// cell's contrast weakened, so the boost brings back edges and stripes.
constexpr float kSharpen = 1.15f;
constexpr double kSharpenCells = 1.0;
// How far the boosted picture may leave the 0-255 range: overshoot is kept so
// that the local mean, which the boost leaves unchanged, survives diffusion.
constexpr float kOvershoot = 100.0f;
// The match cost of a glyph: its mean-grey difference squared, plus its
// pattern's energy times this penalty (busy glyphs in flat areas look like
// noise), minus twice its pattern's agreement with the cell's.
constexpr float kPatternPenalty = 0.7f;
// Blur of patterns, as a share of the cell: a quarter, the finest scale that
// still reads as shape rather than as the font's pixels.
constexpr double kPatternBlur = 0.25;

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
    // Patterns are blurred by a quarter cell before matching, so every other
    // pixel row of the cell carries nearly all they show. Across, strokes are
    // one pixel wide and a narrow cell has few columns: squeezing 7 columns
    // into 4 smears strokes unevenly and the match stops telling glyphs apart,
    // so narrow cells are sampled at every pixel.
    const int across = cellWidth <= 8 ? cellWidth : (cellWidth + 1) / 2;
    return {std::clamp(across, 0, 8), std::clamp((cellHeight + 1) / 2, 0, 16)};
}

DetailSampling DetailDecodeFor(int cellWidth, int cellHeight) {
    // The picture is blurred by a quarter cell before matching: every other
    // pixel of the cell is enough to decode; the conversion enlarges it to
    // its sampling grid.
    const DetailSampling s = DetailSamplingFor(cellWidth, cellHeight);
    return {std::min(s.across, (cellWidth + 1) / 2), s.down};
}

std::string ConvertDetail(const GreyPlane& picture, const DetailInputs& in) {
    if (picture.Empty() || in.columns <= 0 || in.rows <= 0 || !in.shapes) return {};
    const DetailSampling s = DetailSamplingFor(in.shapes->width, in.shapes->height);
    if (s.across <= 0 || s.down <= 0) return {};
    const double sigmaX = s.across * kPatternBlur, sigmaY = s.down * kPatternBlur;
    const GlyphFeatures glyphs = FeaturesOf(in, s, sigmaX, sigmaY);
    if (glyphs.codes.empty()) return {};
    const int n = s.across * s.down;
    const size_t count = glyphs.codes.size();
    // Patterns sample by sample, so the agreement with every glyph is summed
    // in one pass over the cell; padded to blocks of 8 glyphs that the
    // compiler turns into vector operations. Padding glyphs never win.
    constexpr size_t kBlock = 8;
    const size_t padded = (count + kBlock - 1) / kBlock * kBlock;
    std::vector<float> byIndex(static_cast<size_t>(n) * padded, 0.0f);
    for (size_t g = 0; g < count; ++g)
        for (int i = 0; i < n; ++i)
            byIndex[static_cast<size_t>(i) * padded + g] = glyphs.pattern[g * n + i];

    GreyPlane ref = AreaResize(picture, in.columns * s.across, in.rows * s.down);
    const float offset = 2.0f * static_cast<float>(in.luminosity);
    for (float& v : ref.v) {
        v = std::clamp(v + offset, 0.0f, 255.0f);
        // Negative text is read light on dark: ink stands for light.
        if (in.negative) v = 255.0f - v;
    }
    {
        // The one-cell blur is smooth at the scale of a cell: it is taken on
        // the cell means and spread back over each cell's samples.
        const GreyPlane means = AreaResize(ref, in.columns, in.rows);
        const GreyPlane soft = GaussianBlur(means, kSharpenCells, kSharpenCells);
        const GreyPlane spread = AreaResize(soft, ref.width, ref.height);
        for (size_t i = 0; i < ref.v.size(); ++i)
            ref.v[i] = std::clamp(ref.v[i] + kSharpen * (ref.v[i] - spread.v[i]), -kOvershoot,
                                  255.0f + kOvershoot);
    }
    const GreyPlane features = GaussianBlur(ref, sigmaX, sigmaY);

    // Tone carried to cells not yet chosen: this row and the next.
    std::vector<float> carry(static_cast<size_t>(in.columns) + 2, 0.0f);
    std::vector<float> next(static_cast<size_t>(in.columns) + 2, 0.0f);
    std::vector<float> patch(static_cast<size_t>(n));
    std::vector<float> cost(padded, std::numeric_limits<float>::max());
    std::string out;
    out.reserve(static_cast<size_t>(in.columns + 2) * in.rows);
    for (int row = 0; row < in.rows; ++row) {
        if (row > 0) out += "\r\n";
        std::fill(next.begin(), next.end(), 0.0f);
        // Serpentine order: odd rows run right to left, so that carried tone
        // does not pile up along one side.
        const bool back = (row % 2) == 1;
        const int dir = back ? -1 : 1;
        std::string line(static_cast<size_t>(in.columns), ' ');
        for (int i = 0; i < in.columns; ++i) {
            const int col = back ? in.columns - 1 - i : i;
            double sum = 0;
            for (int y = 0; y < s.down; ++y) {
                const float* src = features.RowAt(col * s.across, row * s.down + y);
                for (int x = 0; x < s.across; ++x) {
                    patch[static_cast<size_t>(y) * s.across + x] = src[x];
                    sum += src[x];
                }
            }
            const float rawMean = static_cast<float>(sum / n);
            const float mean = rawMean + carry[col + 1];
            for (size_t g = 0; g < count; ++g) {
                const float dm = mean - glyphs.mean[g];
                cost[g] = kPatternPenalty * glyphs.norm[g] + static_cast<float>(n) * dm * dm;
            }
            for (int k = 0; k < n; ++k) {
                const float v = -2.0f * (patch[k] - rawMean);
                const float* p = &byIndex[static_cast<size_t>(k) * padded];
                float* c = cost.data();
                for (size_t g = 0; g < padded; g += kBlock)
                    for (size_t j = 0; j < kBlock; ++j) c[g + j] += v * p[g + j];
            }
            // Ties go to the lowest code.
            const size_t best = static_cast<size_t>(
                std::min_element(cost.begin(), cost.begin() + static_cast<std::ptrdiff_t>(count)) -
                cost.begin());
            line[col] = static_cast<char>(glyphs.codes[best]);
            const float err = kDiffusion * (mean - glyphs.mean[best]);
            carry[col + 1 + dir] += err * (7.0f / 16.0f);
            next[col + 1 - dir] += err * (3.0f / 16.0f);
            next[col + 1] += err * (5.0f / 16.0f);
            next[col + 1 + dir] += err * (1.0f / 16.0f);
        }
        out += line;
        std::swap(carry, next);
    }
    return out;
}

}  // namespace glifora
