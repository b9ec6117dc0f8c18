// Colour and tone filters: every output pixel depends on the same input pixel
// only (contrast also on the picture's mean grey). Each pixel is read before
// it is written, so the filters that "read S" run on WorkPixels alone.

#include <array>
#include <atomic>
#include <cmath>
#include <cstring>
#include <vector>

#include "filters/filter_families.h"
#include "filters/row_bands.h"
#include "platform/arith.h"

namespace glifora::filters {
namespace {

// (b + g + r) \ 3 for sums 0 to 765, without a division.
constexpr uint32_t Third(uint32_t sum) {
    return (sum * 0xAAABu) >> 17;
}
static_assert([] {
    for (uint32_t s = 0; s <= 765; ++s)
        if (Third(s) != s / 3) return false;
    return true;
}());

uint8_t ClampByte(int64_t v) {
    return static_cast<uint8_t>(Clamp<int64_t>(v, 0, 255));
}

// Runs `perPixel(uint8_t* pixel)` over every pixel, row by row, with progress.
template <typename F>
void ForEachPixel(const FilterPixels& px, FilterProgress& progress, F perPixel, int base = 0,
                  int span = 100) {
    const int w = px.width;
    ForEachRow(
        px, progress,
        [w, &perPixel](uint8_t* p, int) {
            for (int x = 0; x < w; ++x, p += 4) perPixel(p);
        },
        base, span);
}

// Per-channel byte table applied to blue, green and red.
void ApplyTable(const FilterPixels& px, const std::array<uint8_t, 256>& t, FilterProgress& progress,
                int base = 0, int span = 100) {
    ForEachPixel(
        px, progress,
        [&t](uint8_t* p) {
            p[0] = t[p[0]];
            p[1] = t[p[1]];
            p[2] = t[p[2]];
        },
        base, span);
}

// A factor "held in single precision": rounded to float once, then used in
// double arithmetic.
double Single(double v) {
    return static_cast<double>(static_cast<float>(v));
}

}  // namespace

int AverageGrey(const FilterPixels& px) {
    if (px.PixelCount() == 0) return 0;
    // Integer sums: the bands add up to the same total in any order.
    std::atomic<uint64_t> total{0};
    NullProgress none;
    RowProgress rows(none, 0, px.height);
    RunBands(px.threads, 0, px.height, BandRows(px.height, px.threads), rows,
             [&](int first, int last, bool) {
                 uint64_t sum = 0;
                 for (int y = first; y < last; ++y) {
                     const uint8_t* p = px.WorkRow(y);
                     for (int x = 0; x < px.width; ++x, p += 4)
                         sum += Third(uint32_t{p[0]} + p[1] + p[2]);
                 }
                 total.fetch_add(sum, std::memory_order_relaxed);
             });
    return static_cast<int>(total.load() / px.PixelCount());
}

void Negative(const FilterPixels& px, int, FilterProgress& progress) {
    const int width = px.width;
    ForEachRow(px, progress, [width](uint8_t* row, int) {
        for (int x = 0; x < width; ++x) {
            uint32_t w;
            std::memcpy(&w, row + 4 * x, 4);
            w ^= 0x00FFFFFFu;  // 255 - c for blue, green and red
            std::memcpy(row + 4 * x, &w, 4);
        }
    });
}

void GreyScale(const FilterPixels& px, int, FilterProgress& progress) {
    // Two pixels per 64-bit word: each half holds one pixel's sum (at most
    // 765), and one multiplication divides both by 3 without their products
    // meeting.
    constexpr uint64_t kLow = 0x000000FF000000FFull;
    const int width = px.width;
    ForEachRow(px, progress, [width](uint8_t* row, int) {
        int x = 0;
        for (; x + 2 <= width; x += 2) {
            uint64_t w;
            std::memcpy(&w, row + 4 * x, 8);
            const uint64_t sums = (w & kLow) + ((w >> 8) & kLow) + ((w >> 16) & kLow);
            const uint64_t g = ((sums * 0xAAABu) >> 17) & kLow;
            w = (w & 0xFF000000FF000000ull) | (g * 0x010101u);
            std::memcpy(row + 4 * x, &w, 8);
        }
        for (; x < width; ++x) {
            uint32_t w;
            std::memcpy(&w, row + 4 * x, 4);
            const uint32_t g = Third((w & 0xFF) + ((w >> 8) & 0xFF) + ((w >> 16) & 0xFF));
            w = (w & 0xFF000000u) | (g * 0x010101u);
            std::memcpy(row + 4 * x, &w, 4);
        }
    });
}

void Brightness(const FilterPixels& px, int p, FilterProgress& progress) {
    const double f = Single((p + 100) / 100.0);
    std::array<uint8_t, 256> t{};
    for (int v = 0; v < 256; ++v) t[v] = ClampByte(RoundHalfEven(v * f));
    ApplyTable(px, t, progress);
}

void Contrast(const FilterPixels& px, int p, FilterProgress& progress) {
    const int average = AverageGrey(px);
    progress.SetValue(5);
    const double f = Single((p + 100) / 100.0);
    std::array<int, 256> t{};
    bool allInRange = true;
    for (int v = 0; v < 256; ++v) {
        t[v] = static_cast<int>(RoundHalfEven((v - average) * f + average));
        allInRange = allInRange && t[v] >= 0 && t[v] <= 255;
    }
    if (allInRange) {
        std::array<uint8_t, 256> bytes{};
        for (int v = 0; v < 256; ++v) bytes[v] = static_cast<uint8_t>(t[v]);
        ApplyTable(px, bytes, progress, 5, 95);
        return;
    }
    // Only pixels with a channel out of range need balancing.
    std::array<uint8_t, 256> bytes{};
    std::array<uint8_t, 256> fits{};
    for (int v = 0; v < 256; ++v) {
        fits[v] = t[v] >= 0 && t[v] <= 255;
        bytes[v] = static_cast<uint8_t>(t[v]);
    }
    ForEachPixel(
        px, progress,
        [&](uint8_t* q) {
            if (fits[q[0]] & fits[q[1]] & fits[q[2]]) {
                q[0] = bytes[q[0]];
                q[1] = bytes[q[1]];
                q[2] = bytes[q[2]];
                return;
            }
            int b = t[q[0]], g = t[q[1]], r = t[q[2]];
            BalanceChannels(b, g, r);
            q[0] = static_cast<uint8_t>(b);
            q[1] = static_cast<uint8_t>(g);
            q[2] = static_cast<uint8_t>(r);
        },
        5, 95);
}

void BalanceChannels(int& b, int& g, int& r) {
    const auto fits = [](int v) { return v >= 0 && v <= 255; };
    while (!(fits(b) && fits(g) && fits(r))) {
        if (b <= 0 && g <= 0 && r <= 0) {
            b = g = r = 0;
            continue;
        }
        if (b >= 255 && g >= 255 && r >= 255) {
            b = g = r = 255;
            continue;
        }
        if (b < 0) {
            const int h = b / 2;
            r += h;
            g += h;
            b = 0;
        } else if (b > 255) {
            const int h = (b - 255) / 2;
            g += h;
            r += h;
            b = 255;
        }
        if (g < 0) {
            const int h = g / 2;
            r += h;
            b += h;
            g = 0;
        } else if (g > 255) {
            const int h = (g - 255) / 2;
            b += h;
            r += h;
            g = 255;
        }
        if (r < 0) {
            const int h = r / 2;
            g += h;
            b += h;
            r = 0;
        } else if (r > 255) {
            const int h = (r - 255) / 2;
            g += h;
            b += h;
            r = 255;
        }
    }
}

void Saturation(const FilterPixels& px, int p, FilterProgress& progress) {
    const double f = Single(p / 100.0);
    // The new value depends on the channel and the grey level only.
    std::vector<uint8_t> t(256 * 256);
    for (int c = 0; c < 256; ++c)
        for (int grey = 0; grey < 256; ++grey)
            t[c * 256 + grey] = ClampByte(RoundHalfEven((c - grey) * f + c));
    const uint8_t* table = t.data();
    ForEachPixel(px, progress, [table](uint8_t* q) {
        const uint32_t grey = Third(uint32_t{q[0]} + q[1] + q[2]);
        q[0] = table[q[0] * 256u + grey];
        q[1] = table[q[1] * 256u + grey];
        q[2] = table[q[2] * 256u + grey];
    });
}

void Gamma(const FilterPixels& px, int p, FilterProgress& progress) {
    // The catalogue takes the menu's 0 as 1; anything below 1 is taken as 1
    // here too, as the exponent divides by it.
    const double e = 1.0 / (p < 1 ? 1 : p);
    std::array<uint8_t, 256> t{};
    for (int c = 0; c < 256; ++c)
        t[c] = static_cast<uint8_t>(RoundHalfEven(std::pow(c / 255.0, e) * 255.0));
    ApplyTable(px, t, progress);
}

void ChannelExchange(const FilterPixels& px, int p, FilterProgress& progress) {
    // For each new channel (blue, green, red), the old one it is taken from.
    static constexpr int kFrom[6][3] = {
        {0, 1, 2},  // unused
        {1, 2, 0},  // "RGB -> BRG": R' = b, G' = r, B' = g
        {2, 0, 1},  // "RGB -> GBR"
        {1, 0, 2},  // "RGB -> RBG"
        {2, 1, 0},  // "RGB -> BGR"
        {0, 2, 1},  // "RGB -> GRB"
    };
    if (p < 1 || p > 5) {
        ForEachRow(px, progress, [](uint8_t*, int) {});
        return;
    }
    const int* from = kFrom[p];
    ForEachPixel(px, progress, [from](uint8_t* q) {
        const uint8_t old[3] = {q[0], q[1], q[2]};
        q[0] = old[from[0]];
        q[1] = old[from[1]];
        q[2] = old[from[2]];
    });
}

void OldPhoto(const FilterPixels& px, int, FilterProgress& progress) {
    std::array<int, 256> tb{}, tg{}, tr{};
    for (int v = 0; v < 256; ++v) {
        tb[v] = static_cast<int>(RoundHalfEven(v * 0.114));
        tg[v] = static_cast<int>(RoundHalfEven(v * 0.587));
        tr[v] = static_cast<int>(RoundHalfEven(v * 0.299));
    }
    ForEachPixel(px, progress, [&](uint8_t* q) {
        const int l = tr[q[2]] + tg[q[1]] + tb[q[0]];
        q[2] = static_cast<uint8_t>(l + 64 < 255 ? l + 64 : 255);
        q[1] = static_cast<uint8_t>(l + 24 < 255 ? l + 24 : 255);
        q[0] = static_cast<uint8_t>(l + 8 < 255 ? l + 8 : 255);
    });
}

}  // namespace glifora::filters
