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
constexpr float kSharpen = 1.5f;
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
    std::vector<float> ink;   // per glyph: n values, its unblurred grey minus paper
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
        for (float v : sampled.v) f.ink.push_back(v - 255.0f);
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

// The refinement that follows the first choice: the weight of the tone error
// (after a blur of half a cell) against the shape error (after a blur of a
// quarter cell), and how many times every cell is revisited.
constexpr float kToneWeight = 1.0f;
constexpr int kSweeps = 2;

// Glyph tables are laid out sample by sample, padded to blocks of this many
// glyphs that the compiler turns into vector operations.
constexpr int kBlock = 8;

// out[g] = the sum over k of values[k] * table[k * padded + g], for every g:
// the sums of one block of glyphs stay in registers while k runs.
void DotAll(const float* values, int n, const float* table, int padded, float* out) {
    for (int g = 0; g < padded; g += kBlock) {
        float acc[kBlock] = {};
        for (int k = 0; k < n; ++k) {
            const float v = values[k];
            const float* p = table + static_cast<size_t>(k) * padded + g;
            for (int j = 0; j < kBlock; ++j) acc[j] += v * p[j];
        }
        for (int j = 0; j < kBlock; ++j) out[g + j] = acc[j];
    }
}

// The first of the lowest of `count` values.
int IndexOfLowest(const float* v, int count) {
    float lowest = v[0];
    for (int i = 1; i < count; ++i) lowest = std::min(lowest, v[i]);
    int i = 0;
    while (v[i] != lowest) ++i;
    return i;
}

// The Gaussian blur of GaussianBlur (mirrored borders, the same kernels),
// written in blocks of 8 values that the compiler turns into vector
// operations: the planes the conversion blurs are large and this is most of
// its time.
GreyPlane FastBlur(const GreyPlane& src, double sigmaX, double sigmaY) {
    constexpr int kLanes = 8;
    const int w = src.width, h = src.height;
    if (src.Empty()) return src;
    const int stride = (w + kLanes - 1) / kLanes * kLanes;
    auto mirror = [](int i, int n) {
        if (n == 1) return 0;
        const int period = 2 * n;
        i %= period;
        if (i < 0) i += period;
        return i < n ? i : period - 1 - i;
    };
    const std::vector<float> kx = GaussianKernel(sigmaX), ky = GaussianKernel(sigmaY);
    const int rx = static_cast<int>(kx.size() / 2), ry = static_cast<int>(ky.size() / 2);
    std::vector<float> across(static_cast<size_t>(stride) * h);
    std::vector<float> line(static_cast<size_t>(stride + 2 * rx), 0.0f);
    for (int y = 0; y < h; ++y) {
        const float* in = src.RowAt(0, y);
        for (int i = -rx; i < w + rx; ++i) line[i + rx] = in[mirror(i, w)];
        float* d = &across[static_cast<size_t>(y) * stride];
        for (int x = 0; x < stride; x += kLanes) {
            float acc[kLanes] = {};
            for (int t = 0; t <= 2 * rx; ++t) {
                const float k = kx[t];
                const float* p = &line[x + t];
                for (int j = 0; j < kLanes; ++j) acc[j] += k * p[j];
            }
            for (int j = 0; j < kLanes; ++j) d[x + j] = acc[j];
        }
    }
    GreyPlane out(w, h, 0.0f);
    std::vector<float> row(stride);
    for (int y = 0; y < h; ++y) {
        std::fill(row.begin(), row.end(), 0.0f);
        for (int t = -ry; t <= ry; ++t) {
            const float k = ky[t + ry];
            const float* p = &across[static_cast<size_t>(mirror(y + t, h)) * stride];
            for (int x = 0; x < stride; x += kLanes)
                for (int j = 0; j < kLanes; ++j) row[x + j] += k * p[x + j];
        }
        std::copy(row.begin(), row.begin() + w, &out.At(0, y));
    }
    return out;
}

// Revisits every cell, replacing its glyph wherever that lowers
//   toneWeight * |H (R - P)|^2 + |Q R - T|^2,
// R being the rendering at the sampling grid, P the plain picture, T the
// boosted picture blurred by Q (as the first choice sees it), H and Q
// Gaussians of half and a quarter cell. A change touches R inside one cell only, so the change of
// the sum is a dot product of that cell with the gradient plus a table lookup; the gradient is then
// updated by the change's footprint. Unlike the first choice, this sees ink that spills over a
// cell's border and the cells on every side, not only the ones already chosen.
void Refine(const GlyphFeatures& glyphs, DetailSampling s, int columns, int rows,
            const GreyPlane& plain, const GreyPlane& boosted, double qx, double qy,
            std::vector<int>& choice) {
    const int n = s.across * s.down;
    const int count = static_cast<int>(glyphs.codes.size());
    const double hx = s.across * 0.5, hy = s.down * 0.5;
    const double root2 = std::sqrt(2.0);
    GreyPlane render(columns * s.across, rows * s.down);
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < columns; ++col) {
            const float* ink = &glyphs.ink[static_cast<size_t>(choice[row * columns + col]) * n];
            for (int y = 0; y < s.down; ++y)
                for (int x = 0; x < s.across; ++x)
                    render.At(col * s.across + x, row * s.down + y) += ink[y * s.across + x];
        }

    // Footprint of every glyph's ink: both blurs applied twice (a Gaussian of
    // sqrt(2) times the sigma), over the cell and the margin the wider blur
    // reaches; rows padded to whole blocks of 8 with zeros.
    const std::vector<float> qkx = GaussianKernel(qx * root2), qky = GaussianKernel(qy * root2);
    const std::vector<float> hkx = GaussianKernel(hx * root2), hky = GaussianKernel(hy * root2);
    const int mx = static_cast<int>(std::max(qkx.size(), hkx.size()) / 2);
    const int my = static_cast<int>(std::max(qky.size(), hky.size()) / 2);
    const int pw = (s.across + 2 * mx + kBlock - 1) / kBlock * kBlock, ph = s.down + 2 * my;
    const size_t footSize = static_cast<size_t>(pw) * ph;
    std::vector<float> foot(footSize * count, 0.0f);
    std::vector<float> across(static_cast<size_t>(s.down) * pw);
    for (int g = 0; g < count; ++g) {
        const float* ink = &glyphs.ink[static_cast<size_t>(g) * n];
        float* f = &foot[g * footSize];
        for (int k = 0; k < 2; ++k) {
            const std::vector<float>& kx = k == 0 ? qkx : hkx;
            const std::vector<float>& ky = k == 0 ? qky : hky;
            const float weight = k == 0 ? 1.0f : kToneWeight;
            const int rx = static_cast<int>(kx.size() / 2), ry = static_cast<int>(ky.size() / 2);
            std::fill(across.begin(), across.end(), 0.0f);
            for (int y = 0; y < s.down; ++y)
                for (int x = 0; x < s.across; ++x)
                    for (int t = -rx; t <= rx; ++t)
                        across[static_cast<size_t>(y) * pw + mx + x + t] +=
                            ink[y * s.across + x] * kx[t + rx];
            for (int y = 0; y < s.down; ++y)
                for (int t = -ry; t <= ry; ++t) {
                    float* d = f + static_cast<size_t>(my + y + t) * pw;
                    const float w = weight * ky[t + ry];
                    const float* a = &across[static_cast<size_t>(y) * pw];
                    for (int x = 0; x < pw; ++x) d[x] += w * a[x];
                }
        }
    }
    // gram[a][b]: glyph a's ink against glyph b's footprint.
    std::vector<float> gram(static_cast<size_t>(count) * count);
    for (int a = 0; a < count; ++a)
        for (int b = 0; b < count; ++b) {
            double sum = 0;
            for (int y = 0; y < s.down; ++y)
                for (int x = 0; x < s.across; ++x)
                    sum += static_cast<double>(
                               glyphs.ink[static_cast<size_t>(a) * n + y * s.across + x]) *
                           foot[b * footSize + static_cast<size_t>(my + y) * pw + mx + x];
            gram[static_cast<size_t>(a) * count + b] = static_cast<float>(sum);
        }
    std::vector<float> diag(count);
    for (int g = 0; g < count; ++g) diag[g] = gram[static_cast<size_t>(g) * count + g];

    // Gradient of the sum, halved: H'H (R - P) * toneWeight + Q'Q R - Q'T.
    // With T = Q B (B the boosted picture) and H, Q Gaussians, H'H and Q'Q
    // are Gaussians of sqrt(2) times the sigma, so two blurs give it. It is
    // kept with a margin of a footprint on every side, so that footprints
    // are added without clipping.
    GreyPlane shape = render;
    for (size_t i = 0; i < shape.v.size(); ++i) shape.v[i] -= boosted.v[i];
    shape = FastBlur(shape, qx * root2, qy * root2);
    // The rendering itself is not needed again: it becomes the tone error.
    const int gw = render.width + pw, gh = render.height + 2 * my;
    GreyPlane tone = std::move(render);
    for (size_t i = 0; i < tone.v.size(); ++i) tone.v[i] -= plain.v[i];
    tone = FastBlur(tone, hx * root2, hy * root2);
    std::vector<float> grad(static_cast<size_t>(gw) * gh, 0.0f);
    auto gradAt = [&](int x, int y) { return &grad[static_cast<size_t>(y + my) * gw + x + mx]; };
    for (int y = 0; y < tone.height; ++y) {
        float* d = gradAt(0, y);
        const float* a = shape.RowAt(0, y);
        const float* b = tone.RowAt(0, y);
        for (int x = 0; x < tone.width; ++x) d[x] = a[x] + kToneWeight * b[x];
    }

    const int padded = (count + kBlock - 1) / kBlock * kBlock;
    std::vector<float> inkByIndex(static_cast<size_t>(n) * padded, 0.0f);
    for (int g = 0; g < count; ++g)
        for (int i = 0; i < n; ++i)
            inkByIndex[static_cast<size_t>(i) * padded + g] =
                glyphs.ink[static_cast<size_t>(g) * n + i];
    std::vector<float> dot(padded), cellGrad(n);
    for (int sweep = 0; sweep < kSweeps; ++sweep)
        for (int row = 0; row < rows; ++row)
            for (int col = 0; col < columns; ++col) {
                for (int y = 0; y < s.down; ++y)
                    std::copy_n(gradAt(col * s.across, row * s.down + y), s.across,
                                &cellGrad[static_cast<size_t>(y) * s.across]);
                DotAll(cellGrad.data(), n, inkByIndex.data(), padded, dot.data());
                int& chosen = choice[row * columns + col];
                const int a = chosen;
                const float* ga = &gram[static_cast<size_t>(a) * count];
                // The change of the sum from glyph a to b is base plus the
                // terms of b; a itself gives exactly 0.
                const float base = ga[a] - 2.0f * dot[a];
                // Only a clear gain counts, so rounding cannot swap glyphs back and forth.
                float bestDelta = -1e-3f * std::fabs(base) - 1e-3f;
                int best = a;
                for (int b = 0; b < count; ++b) {
                    const float delta = base + 2.0f * (dot[b] - ga[b]) + diag[b];
                    if (delta < bestDelta) {
                        bestDelta = delta;
                        best = b;
                    }
                }
                if (best == a) continue;
                chosen = best;
                const float* fb = &foot[best * footSize];
                const float* fa = &foot[a * footSize];
                for (int y = 0; y < ph; ++y) {
                    float* d = gradAt(col * s.across - mx, row * s.down - my + y);
                    const float* pb = fb + static_cast<size_t>(y) * pw;
                    const float* pa = fa + static_cast<size_t>(y) * pw;
                    for (int x = 0; x < pw; x += kBlock)
                        for (int j = 0; j < kBlock; ++j) d[x + j] += pb[x + j] - pa[x + j];
                }
            }
}

}  // namespace

DetailSampling DetailSamplingFor(int cellWidth, int cellHeight) {
    // Patterns are blurred by a quarter cell before matching, so every other
    // pixel of the cell carries nearly all they show, at a quarter of the cost.
    return {std::clamp((cellWidth + 1) / 2, 0, 8), std::clamp((cellHeight + 1) / 2, 0, 16)};
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
    // in one pass over the cell. Padding glyphs are never looked at.
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
    const GreyPlane plain = ref;
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
    GreyPlane features = FastBlur(ref, sigmaX, sigmaY);

    // Tone carried to cells not yet chosen: this row and the next.
    std::vector<float> carry(static_cast<size_t>(in.columns) + 2, 0.0f);
    std::vector<float> next(static_cast<size_t>(in.columns) + 2, 0.0f);
    std::vector<float> patch(static_cast<size_t>(n));
    std::vector<float> cost(padded, std::numeric_limits<float>::max());
    std::vector<int> choice(static_cast<size_t>(in.columns) * in.rows, 0);
    for (int row = 0; row < in.rows; ++row) {
        std::fill(next.begin(), next.end(), 0.0f);
        // Serpentine order: odd rows run right to left, so that carried tone
        // does not pile up along one side.
        const bool back = (row % 2) == 1;
        const int dir = back ? -1 : 1;
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
            for (int k = 0; k < n; ++k) patch[k] = -2.0f * (patch[k] - rawMean);
            DotAll(patch.data(), n, byIndex.data(), static_cast<int>(padded), cost.data());
            for (size_t g = 0; g < count; ++g) {
                const float dm = mean - glyphs.mean[g];
                cost[g] += kPatternPenalty * glyphs.norm[g] + static_cast<float>(n) * dm * dm;
            }
            // Ties go to the lowest code.
            const size_t best =
                static_cast<size_t>(IndexOfLowest(cost.data(), static_cast<int>(count)));
            choice[static_cast<size_t>(row) * in.columns + col] = static_cast<int>(best);
            const float err = kDiffusion * (mean - glyphs.mean[best]);
            carry[col + 1 + dir] += err * (7.0f / 16.0f);
            next[col + 1 - dir] += err * (3.0f / 16.0f);
            next[col + 1] += err * (5.0f / 16.0f);
            next[col + 1 + dir] += err * (1.0f / 16.0f);
        }
        std::swap(carry, next);
    }
    features = GreyPlane();  // freed for the refinement's planes
    Refine(glyphs, s, in.columns, in.rows, plain, ref, sigmaX, sigmaY, choice);
    std::string out;
    out.reserve(static_cast<size_t>(in.columns + 2) * in.rows);
    for (int row = 0; row < in.rows; ++row) {
        if (row > 0) out += "\r\n";
        for (int col = 0; col < in.columns; ++col)
            out += static_cast<char>(
                glyphs.codes[choice[static_cast<size_t>(row) * in.columns + col]]);
    }
    return out;
}

}  // namespace glifora
