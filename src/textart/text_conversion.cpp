#include "textart/text_conversion.h"

#include <climits>
#include <cstdlib>

#include "platform/arith.h"
#include "platform/picture_decoder.h"
#include "platform/shrink.h"

namespace glifora {

int ComputeColumnCount(int sizePercent, int screenWidthPixels, int cellWidth, int twipsPerPixel) {
    const int64_t a = static_cast<int64_t>(screenWidthPixels) * twipsPerPixel;
    const int64_t b = cellWidth;
    const int64_t t = twipsPerPixel;
    if (b <= 0 || t <= 0) return 0;
    const int64_t fit = DivTrunc(DivTrunc(a, b), t);
    return RoundToInt(static_cast<double>(sizePercent) * static_cast<double>(fit) / 100.0);
}

int ComputeRowCount(int pictureWidth, int pictureHeight, int columns, int cellWidth,
                    int cellHeight) {
    if (pictureWidth <= 0 || pictureHeight <= 0 || columns <= 0 || cellWidth <= 0 ||
        cellHeight <= 0)
        return 0;
    const double rows = static_cast<double>(pictureHeight) /
                        (static_cast<double>(pictureWidth) / columns) /
                        (static_cast<double>(cellHeight) / cellWidth);
    // The raster takes its size as a single-precision value.
    const float single = static_cast<float>(rows);
    const double rounded = RoundHalfEven(static_cast<double>(single));
    return rounded >= static_cast<double>(INT_MAX) ? INT_MAX : static_cast<int>(rounded);
}

bool TextArtSizeAllowed(int columns, int rows) {
    if (columns <= 0 || rows <= 0) return true;
    return static_cast<uint64_t>(columns) * static_cast<uint64_t>(rows) * 4 <= kDecodeByteLimit;
}

int PixelLevel(ColorValue c) {
    const int64_t r = ModSigned(c, 256);
    const int64_t g = DivTrunc(ModSigned(c, 65536), 256);
    const int64_t b = DivTrunc(c, 65536);
    return RoundToInt(static_cast<double>(std::llabs(r) + std::llabs(g) + std::llabs(b)) / 3.0);
}

namespace {

// Level of a stored pixel (blue, green, red): the mean of its components.
struct LevelOfSum {
    std::array<uint8_t, 766> table{};
    LevelOfSum() {
        for (int s = 0; s < 766; ++s) table[s] = static_cast<uint8_t>(RoundToInt(s / 3.0));
    }
};
const LevelOfSum kLevelOfSum;

}  // namespace

std::string ConvertTonal(const Raster& resized, const std::array<int32_t, 256>& levelMap,
                         int luminosity) {
    const int W = resized.Width(), H = resized.Height();
    if (resized.Empty()) return {};
    const int offset = 2 * luminosity;
    // Character for every level once offset and clamped.
    std::array<char, 256> glyph{};
    for (int level = 0; level < 256; ++level)
        glyph[level] = static_cast<char>(levelMap[Clamp(level + offset, 0, 255)] & 0xFF);
    std::string out;
    out.reserve(static_cast<size_t>(W + 2) * H);
    // Every row stays where it is, whatever it holds.
    for (int y = 0; y < H; ++y) {
        if (y > 0) out += "\r\n";
        const uint8_t* p = resized.Row(y);
        for (int x = 0; x < W; ++x, p += 4)
            out.push_back(glyph[kLevelOfSum.table[p[0] + p[1] + p[2]]]);
    }
    return out;
}

std::string ConvertOutline(const Raster& resized, bool fill) {
    const int W = resized.Width(), H = resized.Height();
    if (resized.Empty()) return {};
    const char fillChar = fill ? ':' : ' ';
    auto level = [&](int x, int y) { return PixelLevel(resized.Pixel(x, y)); };
    std::string out;
    out.reserve(static_cast<size_t>(W + 2) * H);
    char carried = 0;  // 0: nothing carried yet
    for (int y = 0; y < H; ++y) {
        if (y > 0) out += "\r\n";
        for (int x = 0; x < W; ++x) {
            char cell = ' ';
            if (level(x, y) == 0) {
                const int lf = level(x - 1, y), rt = level(x + 1, y);
                const int up = level(x, y - 1), dn = level(x, y + 1);
                if (lf == 0 && rt == 0 && up == 0 && dn == 0)
                    carried = fillChar;
                else if (lf == 255 && up == 255)
                    carried = '/';
                else if (rt == 255 && up == 255)
                    carried = '\\';
                else if (lf == 255 && dn == 255)
                    carried = '\\';
                else if (rt == 255 && dn == 255)
                    carried = '/';
                else if (rt != 255 && dn == 255)
                    carried = '_';
                else if (lf == 255 || rt == 255)
                    carried = '|';
                if (carried != 0) cell = carried;
            }
            out.push_back(cell);
        }
    }
    return out;
}

std::string ConvertResized(const Raster& resized, const TextArtInputs& in, Algorithm algorithm) {
    if (algorithm == Algorithm::Outline) return ConvertOutline(resized, in.fill);
    if (algorithm != Algorithm::Tonal || !in.levelMap) return {};
    return ConvertTonal(resized, *in.levelMap, in.luminosity);
}

}  // namespace glifora
