#include "filter_reference.h"

#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include "platform/random.h"

namespace glifora::test {

RefPixels::RefPixels(const Raster& r) : W(r.Width()), H(r.Height()) {
    work_.resize(static_cast<size_t>(W) * H * 4);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            for (int c = 0; c < 4; ++c) work_[Index(c + 1, x + 1, y + 1)] = r.Row(y)[4 * x + c];
    source_ = work_;
}

size_t RefPixels::Index(int c, int x, int y) const {
    if (c < 1 || c > 4 || x < 1 || x > W || y < 1 || y > H)
        throw std::out_of_range("reference pixel outside the picture");
    return static_cast<size_t>((c - 1) + 4 * ((x - 1) + W * (y - 1)));
}

Raster RefPixels::ToRaster() const {
    Raster r(W, H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            for (int c = 0; c < 4; ++c) {
                const int v = work_[Index(c + 1, x + 1, y + 1)];
                if (v < 0 || v > 255) throw std::range_error("reference wrote a non-byte");
                r.Row(y)[4 * x + c] = static_cast<uint8_t>(v);
            }
    return r;
}

namespace {

const auto clampi = [](long long v) { return v < 0 ? 0 : (v > 255 ? 255 : static_cast<int>(v)); };
// Nearest integer, halves to even (the default rounding mode).
const auto rnd_even = [](double v) { return std::llrint(v); };
const auto single = [](double v) { return static_cast<double>(static_cast<float>(v)); };
int grey(RefPixels& p, int x, int y, bool fromS) {
    const int s = fromS ? p.S(1, x, y) + p.S(2, x, y) + p.S(3, x, y)
                        : p.Wk(1, x, y) + p.Wk(2, x, y) + p.Wk(3, x, y);
    return s / 3;
}
void setAll(RefPixels& p, int x, int y, int v) {
    for (int c = 1; c <= 3; ++c) p.Wk(c, x, y) = v;
}
int averageGrey(RefPixels& p) {
    long long sum = 0;
    for (int y = 1; y <= p.H; ++y)
        for (int x = 1; x <= p.W; ++x) sum += grey(p, x, y, true);
    return static_cast<int>(sum / (static_cast<long long>(p.W) * p.H));
}
int channelOf(int color, int c) {  // offset / threshold for channel c (1 blue, 3 red)
    const int red = color % 256, green = (color / 256) % 256, blue = (color / 65536) % 256;
    return c == 1 ? blue : (c == 2 ? green : red);
}
int sum8(RefPixels& p, int c, int x, int y, bool fromS) {
    int s = 0;
    for (int j = -1; j <= 1; ++j)
        for (int i = -1; i <= 1; ++i)
            if (i != 0 || j != 0) s += fromS ? p.S(c, x + i, y + j) : p.Wk(c, x + i, y + j);
    return s;
}

// Pushes each channel back into 0..255 in the order blue, green, red, half
// the excess going to each of the other two, until all three fit.
void balance(int& b, int& g, int& r) {
    int* ch[3] = {&b, &g, &r};
    const auto in = [](int v) { return v >= 0 && v <= 255; };
    while (!(in(b) && in(g) && in(r))) {
        if ((b <= 0 && g <= 0 && r <= 0) || (b >= 255 && g >= 255 && r >= 255)) {
            b = g = r = b <= 0 ? 0 : 255;
            continue;
        }
        for (int i = 0; i < 3; ++i) {
            int& v = *ch[i];
            if (in(v)) continue;
            const int half = (v < 0 ? v : v - 255) / 2;
            for (int j = 0; j < 3; ++j)
                if (j != i) *ch[j] += half;
            v = v < 0 ? 0 : 255;
        }
    }
}

struct Tap {
    int dx, dy, w;
};

void errorDiffusion(RefPixels& p, int param, int divisor, const std::vector<Tap>& taps, int rows) {
    const int avg = averageGrey(p);
    std::vector<std::vector<int>> E(rows + 1, std::vector<int>(p.W + 1, 0));  // E[1..rows][1..W]
    for (int y = 1; y <= p.H; ++y) {
        for (int x = 1; x <= p.W; ++x) {
            const int l = clampi(grey(p, x, y, true) + (E[1][x] * 10) / param);
            const int out = l < avg ? 0 : 255;
            setAll(p, x, y, out);
            const int e = l - out;
            for (const Tap& t : taps) {
                const int tx = x + t.dx;
                if (tx < 1 || tx > p.W) continue;
                if (t.dy == 1 && !(y < p.H)) continue;
                if (t.dy == 2 && !(y < p.H - 1)) continue;
                E[1 + t.dy][tx] += (e * t.w) / divisor;
            }
        }
        for (int r = 1; r < rows; ++r) E[r] = E[r + 1];
        E[rows].assign(p.W + 1, 0);
    }
}

}  // namespace

void ReferenceEffect(int code, RefPixels& p, int param) {
    const int W = p.W, H = p.H;
    auto everyPixel = [&](auto fn) {
        for (int y = 1; y <= H; ++y)
            for (int x = 1; x <= W; ++x) fn(x, y);
    };
    auto everyChannel = [&](auto fn) {
        everyPixel([&](int x, int y) {
            for (int c = 1; c <= 3; ++c) fn(c, x, y);
        });
    };
    auto inner = [&](auto fn) {  // x = 2..W-1, y = 2..H-1, each channel
        for (int y = 2; y <= H - 1; ++y)
            for (int x = 2; x <= W - 1; ++x)
                for (int c = 1; c <= 3; ++c) fn(c, x, y);
    };
    switch (code) {
        case 2:
            everyChannel([&](int c, int x, int y) { p.Wk(c, x, y) = 255 - p.Wk(c, x, y); });
            break;
        case 12:
            everyPixel([&](int x, int y) { setAll(p, x, y, grey(p, x, y, false)); });
            break;
        case 14: {
            const double f = single((param + 100) / 100.0);
            everyChannel(
                [&](int c, int x, int y) { p.Wk(c, x, y) = clampi(rnd_even(p.S(c, x, y) * f)); });
            break;
        }
        case 17: {
            const int avg = averageGrey(p);
            const double f = single((param + 100) / 100.0);
            auto t = [&](int v) { return static_cast<int>(rnd_even((v - avg) * f + avg)); };
            everyPixel([&](int x, int y) {
                int b = t(p.S(1, x, y)), g = t(p.S(2, x, y)), r = t(p.S(3, x, y));
                balance(b, g, r);
                p.Wk(1, x, y) = b;
                p.Wk(2, x, y) = g;
                p.Wk(3, x, y) = r;
            });
            break;
        }
        case 30: {
            const double f = single(param / 100.0);
            everyChannel([&](int c, int x, int y) {
                const int gr = grey(p, x, y, true);
                p.Wk(c, x, y) = clampi(rnd_even((p.S(c, x, y) - gr) * f + p.S(c, x, y)));
            });
            break;
        }
        case 31: {
            const double e = 1.0 / (param < 1 ? 1 : param);
            everyChannel([&](int c, int x, int y) {
                p.Wk(c, x, y) = static_cast<int>(rnd_even(std::pow(p.S(c, x, y) / 255.0, e) * 255));
            });
            break;
        }
        case 16: {
            // Source channel (1 blue, 2 green, 3 red) of the new blue, green and red.
            const int from[5][3] = {{2, 3, 1}, {3, 1, 2}, {2, 1, 3}, {3, 2, 1}, {1, 3, 2}};
            if (param < 1 || param > 5) break;
            everyChannel(
                [&](int c, int x, int y) { p.Wk(c, x, y) = p.S(from[param - 1][c - 1], x, y); });
            break;
        }
        case 32:
            everyPixel([&](int x, int y) {
                const long long L = rnd_even(p.Wk(3, x, y) * 0.299) +
                                    rnd_even(p.Wk(2, x, y) * 0.587) +
                                    rnd_even(p.Wk(1, x, y) * 0.114);
                p.Wk(3, x, y) = static_cast<int>(std::min(L + 64, 255LL));
                p.Wk(2, x, y) = static_cast<int>(std::min(L + 24, 255LL));
                p.Wk(1, x, y) = static_cast<int>(std::min(L + 8, 255LL));
            });
            break;
        // Neighbourhood filters.
        case 3:
            inner([&](int c, int x, int y) { p.Wk(c, x, y) = sum8(p, c, x, y, false) / 8; });
            break;
        case 5:
            inner([&](int c, int x, int y) {
                p.Wk(c, x, y) = (p.Wk(c, x, y) + p.Wk(c, x - 1, y) + p.Wk(c, x + 1, y) +
                                 p.Wk(c, x, y - 1) + p.Wk(c, x, y + 1)) /
                                5;
            });
            break;
        case 1:
            inner([&](int c, int x, int y) {
                p.Wk(c, x, y) = clampi((static_cast<long long>(p.Wk(c, x, y)) * (param + 24) -
                                        2 * sum8(p, c, x, y, false)) /
                                       (param + 8));
            });
            break;
        case 6:
            inner([&](int c, int x, int y) {
                p.Wk(c, x, y) = clampi((static_cast<long long>(p.Wk(c, x, y)) * (param + 9) -
                                        sum8(p, c, x, y, false)) /
                                       (param + 1));
            });
            break;
        case 7:
            inner([&](int c, int x, int y) {
                p.Wk(c, x, y) =
                    clampi(8 * p.S(c, x, y) - sum8(p, c, x, y, true) + channelOf(param, c));
            });
            break;
        case 8:
        case 10:
            for (int y = 1; y <= H - 1; ++y)
                for (int x = 1; x <= W - 1; ++x)
                    for (int c = 1; c <= 3; ++c) {
                        const int d = code == 8 ? p.Wk(c, x, y) - p.Wk(c, x + 1, y + 1)
                                                : p.Wk(c, x + 1, y + 1) - p.Wk(c, x, y);
                        p.Wk(c, x, y) = clampi(std::abs(d + channelOf(param, c)));
                    }
            break;
        case 9:
        case 11:
            inner([&](int c, int x, int y) {
                int left = 0, right = 0;
                for (int j = -1; j <= 1; ++j) {
                    left += p.S(c, x - 1, y + j);
                    right += p.S(c, x + 1, y + j);
                }
                p.Wk(c, x, y) =
                    clampi((code == 9 ? left - right : right - left) + channelOf(param, c));
            });
            break;
        case 13:
            inner([&](int c, int x, int y) {
                const int k[3][3] = {{2, 1, 0}, {1, 1, -1}, {0, -1, -2}};
                int K = 0;
                for (int j = -1; j <= 1; ++j)
                    for (int i = -1; i <= 1; ++i) K += k[j + 1][i + 1] * p.S(c, x + i, y + j);
                p.Wk(c, x, y) = clampi(K / 2 + 50);
            });
            break;
        case 25:
        case 26:
        case 27:
            inner([&](int c, int x, int y) {
                int mx = 0, mn = 255;
                for (int j = -1; j <= 1; ++j)
                    for (int i = -1; i <= 1; ++i) {
                        mx = std::max(mx, p.S(c, x + i, y + j));
                        mn = std::min(mn, p.S(c, x + i, y + j));
                    }
                p.Wk(c, x, y) = code == 25 ? mx : (code == 26 ? mn : p.S(c, x, y) - mn);
            });
            break;
        // Special effects.
        case 24:
            for (int y = 3; y <= H - 2; ++y)
                for (int x = 3; x <= W - 2; ++x)
                    for (int c = 1; c <= 3; ++c) {
                        const int corner[4][2] = {{x - 2, y - 2}, {x, y - 2}, {x - 2, y}, {x, y}};
                        int best = 99999, value = 0;
                        for (auto& k : corner) {
                            int sum = 0;
                            for (int j = 0; j < 3; ++j)
                                for (int i = 0; i < 3; ++i) sum += p.S(c, k[0] + i, k[1] + j);
                            const int mean = sum / 9;
                            int dev = 0;
                            for (int j = 0; j < 3; ++j)
                                for (int i = 0; i < 3; ++i)
                                    dev += std::abs(p.S(c, k[0] + i, k[1] + j) - mean);
                            if (dev < best) {
                                best = dev;
                                value = mean;
                            }
                        }
                        p.Wk(c, x, y) = value;
                    }
            break;
        case 29:
            everyChannel([&](int c, int x, int y) {
                p.Wk(c, x, y) = clampi(rnd_even(
                    p.S(c, x, y) + ((2.0 * param + 1) * static_cast<double>(Rnd()) - param)));
            });
            break;
        case 4: {
            const long long half = rnd_even(param / 2.0);
            everyPixel([&](int x, int y) {
                long long dx = rnd_even(static_cast<double>(Rnd()) * param - half);
                long long dy = rnd_even(static_cast<double>(Rnd()) * param - half);
                if (x + dx < 1 || x + dx > W) dx = 0;
                if (y + dy < 1 || y + dy > H) dy = 0;
                for (int c = 1; c <= 3; ++c)
                    p.Wk(c, x, y) = p.Wk(c, static_cast<int>(x + dx), static_cast<int>(y + dy));
            });
            break;
        }
        case 15:
            everyChannel([&](int c, int x, int y) {
                const int bx = (x - 1) / param * param + 1, by = (y - 1) / param * param + 1;
                long long sum = 0, n = 0;
                for (int j = by; j < by + param && j <= H; ++j)
                    for (int i = bx; i < bx + param && i <= W; ++i, ++n) sum += p.S(c, i, j);
                p.Wk(c, x, y) = static_cast<int>(sum / n);
            });
            break;
        // Black and white.
        case 18:
            everyPixel([&](int x, int y) {
                const bool black = p.S(3, x, y) < channelOf(param, 3) &&
                                   p.S(2, x, y) < channelOf(param, 2) &&
                                   p.S(1, x, y) < channelOf(param, 1);
                setAll(p, x, y, black ? 0 : 255);
            });
            break;
        case 19: {
            const int avg = averageGrey(p);
            int carry = 0;
            everyPixel([&](int x, int y) {
                int v[4];
                for (int c = 1; c <= 3; ++c)
                    v[c] = (x == 1 || y == 1 || x == W || y == H)
                               ? p.S(c, x, y)
                               : clampi((10 * p.S(c, x, y) - sum8(p, c, x, y, true)) / 2);
                const int l = clampi((v[1] + v[2] + v[3]) / 3 + carry);
                const int out = l < avg ? 0 : 255;
                setAll(p, x, y, out);
                carry = (l - out) / 4;
            });
            break;
        }
        case 20: {
            const int M[4][4] = {{1, 13, 4, 16}, {9, 5, 12, 8}, {3, 15, 2, 14}, {11, 7, 10, 6}};
            everyPixel([&](int x, int y) {
                const int level = grey(p, x, y, true) / 16 + 1;
                setAll(p, x, y, level >= M[(y - 1) % 4][(x - 1) % 4] ? 255 : 0);
            });
            break;
        }
        case 21:
            errorDiffusion(p, param, 16, {{1, 0, 7}, {-1, 1, 3}, {0, 1, 5}, {1, 1, 1}}, 2);
            break;
        case 22:
        case 23: {
            // Two rows of taps over 32, or those and a third row over 42.
            std::vector<Tap> taps = {{1, 0, 8}, {2, 0, 4}, {-2, 1, 2}, {-1, 1, 4},
                                     {0, 1, 8}, {1, 1, 4}, {2, 1, 2}};
            if (code == 23)
                taps.insert(taps.end(), {{-2, 2, 1}, {-1, 2, 2}, {0, 2, 4}, {1, 2, 2}, {2, 2, 1}});
            errorDiffusion(p, param, code == 22 ? 32 : 42, taps, code == 22 ? 2 : 3);
            break;
        }
        default:
            break;  // 28: no filter
    }
}

}  // namespace glifora::test
