#include "textart/glyph_table.h"

#include <cmath>

#include "platform/arith.h"

namespace glifora {

void BuildGlyphTable(GlyphTables& t, int index, GlyphCanvas& canvas) {
    if (index >= 0 && index < static_cast<int>(kPalettes.size())) {
        t.PaletteFirst = static_cast<float>(kPalettes[index].first);
        t.PaletteLast = static_cast<float>(kPalettes[index].last);
    }
    t.GlyphTable.fill(0.0f);
    t.LevelMap.fill(0);
    t.MinBrightness = 0.0f;
    t.MaxBrightness = 0.0f;
    ScanGlyphs(t, canvas);
    BuildLevelMap(t);
}

void ScanGlyphs(GlyphTables& t, GlyphCanvas& canvas) {
    t.MinBrightness = 256.0f;
    t.MaxBrightness = -1.0f;
    const TextExtent cell = canvas.PrepareCell();
    ResetGlyphShapes(t.Shapes, cell.width, cell.height);
    for (int c = 0; c < 256; ++c)
        if (IsExcludedCode(c)) t.GlyphTable[c] = kExcludedGlyph;
    const int first = Clamp(RoundToInt(t.PaletteFirst), 0, 255);
    const int last = Clamp(RoundToInt(t.PaletteLast), 0, 255);
    for (int c = first; c <= last; ++c) {
        if (IsExcludedCode(c)) continue;
        canvas.Clear();
        canvas.DrawCode(static_cast<uint8_t>(c));
        CaptureGlyphShape(t.Shapes, c, canvas.Pixels());
        const float b = MeasureGlyph(canvas, t.CountedColor);
        t.GlyphTable[c] = b;
        if (b > t.MaxBrightness) t.MaxBrightness = b;
        if (b < t.MinBrightness) t.MinBrightness = b;
    }
}

float MeasureGlyph(const GlyphCanvas& canvas, ColorValue counted) {
    const Raster& px = canvas.Pixels();
    const int w = px.Width(), h = px.Height();
    if (w <= 0 || h <= 0) return 0.0f;  // a cell with no extent has no brightness
    int64_t count = 0;
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y)
            if (px.Pixel(x, y) == counted) ++count;
    return static_cast<float>(static_cast<double>(count) / (static_cast<double>(w) * h) * 255.0);
}

int32_t NearestGlyph(const GlyphTables& t, int level) {
    const float target = static_cast<float>(
        static_cast<double>(level) / 255.0 *
            (static_cast<double>(t.MaxBrightness) - static_cast<double>(t.MinBrightness)) +
        static_cast<double>(t.MinBrightness));
    float best = 255.0f;
    int32_t result = 0;
    for (int i = 0; i < 256; ++i) {
        const float d = std::fabs(t.GlyphTable[i] - target);
        if (d < best) {
            best = d;
            result = i;
        }
    }
    return result;
}

void BuildLevelMap(GlyphTables& t) {
    for (int level = 0; level < 256; ++level) t.LevelMap[level] = NearestGlyph(t, level);
}

void SetNegative(GlyphTables& t, bool negative, GlyphCanvas& canvas) {
    t.CountedColor = negative ? kCountBlack : kCountWhite;
    ScanGlyphs(t, canvas);
    BuildLevelMap(t);
}

}  // namespace glifora
