#pragma once
// Character palettes and the two tables that match grey levels to glyphs:
// GlyphTable (how light each code looks in the text-art font) and LevelMap
// (which code to print for each grey level 0-255).

#include <array>
#include <cstdint>

#include "platform/glyph_canvas.h"
#include "platform/raster.h"
#include "textart/glyph_shapes.h"

namespace glifora {

struct Palette {
    const char* name;  // UTF-8, as listed in cboPaletas
    int first;
    int last;
};

inline constexpr std::array<Palette, 4> kPalettes = {{
    {"AsciiArt Extendido (31-255)", 31, 255},
    {"AsciiArt clasico (31-127)", 31, 127},
    {"Caracteres (a-Z)", 65, 122},
    {"Números (0-9)", 48, 57},
}};

// Excluded codes hold this so that no nearest-value search ever picks them.
inline constexpr float kExcludedGlyph = 99999.0f;

// Codes that print nothing readable: the controls 0-31 and 127, and the five
// codes Windows-1252 leaves undefined (they decode to C1 controls). They are
// never measured and never become text, whatever the palette's range; a
// terminal would obey them and a text editor calls such a file binary.
[[nodiscard]] constexpr bool IsExcludedCode(int code) {
    return code <= 31 || code == 127 || code == 129 || code == 141 || code == 143 || code == 144 ||
           code == 157;
}

inline constexpr ColorValue kCountWhite = 0xFFFFFF;
inline constexpr ColorValue kCountBlack = 0;

struct GlyphTables {
    float PaletteFirst = 0.0f;
    float PaletteLast = 0.0f;
    std::array<float, 256> GlyphTable{};
    float MinBrightness = 0.0f;
    float MaxBrightness = 0.0f;
    std::array<int32_t, 256> LevelMap{};
    // White normally (share of the cell left white), black in negative mode
    // (share covered by ink).
    ColorValue CountedColor = kCountWhite;
    // The ink of every code of the palette range, for the detail conversion.
    GlyphShapes Shapes;
    // Exact: a kept table must be bit for bit the measured one.
    friend bool operator==(const GlyphTables&, const GlyphTables&) = default;
};

// Selects palette `index` (outside 0-3 keeps the current range), clears both
// tables, scans and maps.
void BuildGlyphTable(GlyphTables& t, int index, GlyphCanvas& canvas);
// Measures every code of the palette range; excluded codes (IsExcludedCode)
// hold kExcludedGlyph and count for neither MinBrightness nor MaxBrightness.
void ScanGlyphs(GlyphTables& t, GlyphCanvas& canvas);
// Brightness of what the canvas shows now, 0-255; an empty cell measures 0.
[[nodiscard]] float MeasureGlyph(const GlyphCanvas& canvas, ColorValue counted);
void BuildLevelMap(GlyphTables& t);
// The code whose brightness is nearest the level's target; ties to the lowest code.
[[nodiscard]] int32_t NearestGlyph(const GlyphTables& t, int level);
// The negative option: counted colour, then scan and map (no reset).
void SetNegative(GlyphTables& t, bool negative, GlyphCanvas& canvas);

}  // namespace glifora
