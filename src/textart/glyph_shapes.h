#pragma once
// The ink of every glyph of the text-art font, cell by cell: what the detail
// conversion matches picture cells against. Captured while the brightness
// table is scanned, so both always describe the same font and palette.

#include <array>
#include <cstdint>
#include <vector>

#include "platform/raster.h"

namespace glifora {

struct GlyphShapes {
    int width = 0;   // the cell's size
    int height = 0;  // the cell's size
    // Per code: width x height bytes, row by row, 1 where the glyph puts ink
    // (any pixel that is not white). Empty for codes that were not drawn.
    std::array<std::vector<uint8_t>, 256> ink;
    friend bool operator==(const GlyphShapes&, const GlyphShapes&) = default;
};

// Forgets every shape and takes the new cell size.
void ResetGlyphShapes(GlyphShapes& shapes, int width, int height);
// Records `cell` (the canvas after drawing `code`) as the shape of `code`.
void CaptureGlyphShape(GlyphShapes& shapes, int code, const Raster& cell);

// Codes that may be printed as text art of the detail conversion: control
// codes, delete, the five codes the code page leaves undefined, the no-break
// space and the soft hyphen are never chosen.
[[nodiscard]] bool PrintableCode(int code);

}  // namespace glifora
