// The six black-and-white methods: every pixel ends all black or all white.
// All read their own pixel of S, so apart from Método 2 (which reads the
// neighbours and keeps the unchanged row above) they run on WorkPixels alone.
// Métodos 1 and 3 run their rows on several threads; the others carry an
// error from pixel to pixel and run in order.

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "filters/filter_families.h"
#include "filters/row_bands.h"
#include "platform/arith.h"

namespace glifora::filters {
namespace {

constexpr uint32_t Third(uint32_t sum) {
    return (sum * 0xAAABu) >> 17;
}

int ClampInt(int v) {
    return Clamp(v, 0, 255);
}

void Write(uint8_t* p, uint8_t v) {
    p[0] = v;
    p[1] = v;
    p[2] = v;
}

struct KernelTap {
    int dx;
    int dy;
    int weight;
};

// Error diffusion with damping: the level is the source grey plus
// (collected error x 10) \ p, thresholded at the picture's mean grey; each
// share of the error is tabulated and truncated on its own.
template <size_t kTaps>
void ErrorDiffusion(const FilterPixels& px, int p, FilterProgress& progress, int firstStep,
                    int divisor, const std::array<KernelTap, kTaps>& taps) {
    const int w = px.width, h = px.height;
    if (p == 0 || w == 0 || h == 0) {
        for (int y = 0; y < h; ++y) progress.SetValue(RowPercent(y + 1, h, 10, 90));
        return;
    }
    int rows = 1;
    for (const KernelTap& t : taps) rows = std::max(rows, t.dy + 1);
    std::array<std::array<int, 511>, kTaps> share{};
    for (size_t k = 0; k < kTaps; ++k)
        for (int e = -255; e <= 255; ++e) share[k][e + 255] = e * taps[k].weight / divisor;
    // The collected error of a pixel never exceeds 255 in size: the weights
    // that reach one position add up to the divisor.
    std::array<int, 511> damped{};
    for (int e = -255; e <= 255; ++e) damped[e + 255] = e * 10 / p;
    // Error rows with two spare cells on each side, so shares that fall
    // outside the picture land where nothing reads them.
    std::vector<std::vector<int>> store(static_cast<size_t>(rows),
                                        std::vector<int>(static_cast<size_t>(w) + 4, 0));
    std::vector<int*> errors(static_cast<size_t>(rows));
    for (int r = 0; r < rows; ++r) errors[r] = store[r].data() + 2;
    // The errors of the current row (as table indices e + 255), padded with
    // zero errors: the shares for the rows below are gathered from it after
    // the row, which keeps them out of the pixel-to-pixel dependency.
    std::vector<int> rowErrors(static_cast<size_t>(w) + 4, 255);
    int* e = rowErrors.data() + 2;
    struct LowerTap {
        int dx, dy;
        size_t weightIndex;
    };
    std::vector<int> weights;
    std::vector<LowerTap> lower;
    for (const KernelTap& t : taps) {
        if (t.dy == 0) continue;
        size_t i = 0;
        while (i < weights.size() && weights[i] != t.weight) ++i;
        if (i == weights.size()) weights.push_back(t.weight);
        lower.push_back({t.dx, t.dy, i});
    }
    std::vector<std::array<int, 511>> byWeight(weights.size());
    for (size_t i = 0; i < weights.size(); ++i)
        for (int v = -255; v <= 255; ++v) byWeight[i][v + 255] = v * weights[i] / divisor;
    std::vector<std::vector<int>> sharesOf(weights.size(),
                                           std::vector<int>(static_cast<size_t>(w) + 4, 0));
    progress.SetValue(firstStep);
    const int average = AverageGrey(px);
    progress.SetValue(10);
    // The same-row shares (to x + 1 and x + 2) travel in registers.
    const int* toNext = nullptr;
    const int* toSecond = nullptr;
    std::array<int, 511> none{};
    for (size_t k = 0; k < kTaps; ++k) {
        if (taps[k].dy == 0 && taps[k].dx == 1) toNext = share[k].data();
        if (taps[k].dy == 0 && taps[k].dx == 2) toSecond = share[k].data();
    }
    if (!toNext) toNext = none.data();
    if (!toSecond) toSecond = none.data();
    // Everything that follows from the unclamped level v = grey + push, in
    // tables over the range v takes: the clamp, the threshold and the error
    // leave the pixel-to-pixel chain, which is then two look-ups long.
    // Any parameter's damping fits: v runs over grey plus the pushes, and
    // the range always holds 0 to 255 so that clamping into it is exact.
    const auto [fewest, most] = std::minmax_element(damped.begin(), damped.end());
    const int low = std::min(0, *fewest), high = std::max(255, 255 + *most);
    struct Outcome {
        int next;    // share owed to x + 1
        int second;  // share owed to x + 2
        int error;   // table index of the error, e + 255
        int out;     // 0 or 255
    };
    std::vector<Outcome> outcomes(static_cast<size_t>(high - low + 1));
    for (int v = low; v <= high; ++v) {
        const int l = ClampInt(v);
        const int out = l < average ? 0 : 255;
        const int ei = l - out + 255;
        outcomes[static_cast<size_t>(v - low)] = {toNext[ei], toSecond[ei], ei, out};
    }
    const Outcome* outcomeOf = outcomes.data() - low;
    for (int y = 0; y < h; ++y) {
        uint8_t* row = px.WorkRow(y);
        const int* current = errors[0];
        int next = 0, second = 0;  // shares already owed to x + 1 and x + 2
        for (int x = 0; x < w; ++x) {
            uint8_t* q = row + 4 * x;
            const int collected = current[x] + next;
            const int grey = static_cast<int>(Third(uint32_t{q[0]} + q[1] + q[2]));
            int v;
            if (collected >= -255 && collected <= 255) {
                v = grey + damped[collected + 255];
            } else {  // out of the tables' range: same level, clamped into it
                v = Clamp(grey + collected * 10 / p, low, high);
            }
            const Outcome& o = outcomeOf[v];
            Write(q, static_cast<uint8_t>(o.out));
            e[x] = o.error;
            next = second + o.next;
            second = o.second;
        }
        // Each distinct weight's share is looked up once per pixel; the taps
        // of the rows below then only add shifted rows of shares.
        for (size_t i = 0; i < weights.size(); ++i) {
            const int* table = byWeight[i].data();
            int* out = sharesOf[i].data() + 2;
            for (int x = 0; x < w; ++x) out[x] = table[e[x]];
        }
        for (const LowerTap& t : lower) {
            int* target = errors[t.dy];
            const int* from = sharesOf[t.weightIndex].data() + 2 - t.dx;
            for (int x = 0; x < w; ++x) target[x] += from[x];
        }
        int* done = errors[0];
        for (int r = 0; r + 1 < rows; ++r) errors[r] = errors[r + 1];
        std::fill(done - 2, done + w + 2, 0);
        errors[rows - 1] = done;
        progress.SetValue(RowPercent(y + 1, h, 10, 90));
    }
}

}  // namespace

void Method1(const FilterPixels& px, int color, FilterProgress& progress) {
    const SplitParts t = SplitColor(color);
    ForEachRow(px, progress, [&t, w = px.width](uint8_t* q, int) {
        for (int x = 0; x < w; ++x, q += 4) {
            const bool black = q[2] < t.red && q[1] < t.green && q[0] < t.blue;
            Write(q, black ? 0 : 255);
        }
    });
}

void Method2(const FilterPixels& px, int, FilterProgress& progress) {
    const int w = px.width, h = px.height;
    const int average = AverageGrey(px);
    progress.SetValue(5);
    std::vector<int> level(static_cast<size_t>(w));
    // The unchanged row y - 1, kept before it was rewritten. Row y's levels
    // are all taken before row y is written, and row y + 1 is not written yet.
    std::vector<uint8_t> above(px.Stride());
    int carry = 0;  // runs through the whole picture, never reset
    for (int y = 0; y < h; ++y) {
        const uint8_t* mid = px.WorkRow(y);
        const bool edgeRow = y == 0 || y == h - 1;
        const uint8_t* up = edgeRow ? mid : above.data();
        const uint8_t* down = edgeRow ? mid : px.WorkRow(y + 1);
        for (int x = 0; x < w; ++x) {
            const size_t i = 4 * static_cast<size_t>(x);
            int sum = 0;
            if (edgeRow || x == 0 || x == w - 1) {
                sum = mid[i] + mid[i + 1] + mid[i + 2];
            } else {
                for (size_t ch = i; ch < i + 3; ++ch) {
                    const int s8 = up[ch - 4] + up[ch] + up[ch + 4] + mid[ch - 4] + mid[ch + 4] +
                                   down[ch - 4] + down[ch] + down[ch + 4];
                    sum += ClampInt((10 * mid[ch] - s8) / 2);
                }
            }
            level[x] = static_cast<int>(Third(static_cast<uint32_t>(sum)));
        }
        if (w > 0) std::memcpy(above.data(), mid, px.Stride());
        uint8_t* out = px.WorkRow(y);
        for (int x = 0; x < w; ++x) {
            const int l = ClampInt(level[x] + carry);
            const int v = l < average ? 0 : 255;
            carry = (l - v) / 4;
            Write(out + 4 * x, static_cast<uint8_t>(v));
        }
        progress.SetValue(RowPercent(y + 1, h, 5, 95));
    }
}

void Method3(const FilterPixels& px, int, FilterProgress& progress) {
    static constexpr uint8_t kMatrix[4][4] = {
        {1, 13, 4, 16}, {9, 5, 12, 8}, {3, 15, 2, 14}, {11, 7, 10, 6}};
    ForEachRow(px, progress, [w = px.width](uint8_t* q, int y) {
        const uint8_t* m = kMatrix[y % 4];
        for (int x = 0; x < w; ++x, q += 4) {
            const uint32_t level = Third(uint32_t{q[0]} + q[1] + q[2]) / 16 + 1;
            Write(q, level >= m[x % 4] ? 255 : 0);
        }
    });
}

void Method4(const FilterPixels& px, int p, FilterProgress& progress) {
    ErrorDiffusion<4>(px, p, progress, 2, 16, {{{1, 0, 7}, {-1, 1, 3}, {0, 1, 5}, {1, 1, 1}}});
}

void Method5(const FilterPixels& px, int p, FilterProgress& progress) {
    ErrorDiffusion<7>(
        px, p, progress, 3, 32,
        {{{1, 0, 8}, {2, 0, 4}, {-2, 1, 2}, {-1, 1, 4}, {0, 1, 8}, {1, 1, 4}, {2, 1, 2}}});
}

void Method6(const FilterPixels& px, int p, FilterProgress& progress) {
    ErrorDiffusion<12>(px, p, progress, 3, 42,
                       {{{1, 0, 8},
                         {2, 0, 4},
                         {-2, 1, 2},
                         {-1, 1, 4},
                         {0, 1, 8},
                         {1, 1, 4},
                         {2, 1, 2},
                         {-2, 2, 1},
                         {-1, 2, 2},
                         {0, 2, 4},
                         {1, 2, 2},
                         {2, 2, 1}}});
}

}  // namespace glifora::filters
