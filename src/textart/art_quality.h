#pragma once
// How well a text art shows its picture, on two figures:
//  - tone error: mean absolute grey difference between the rendered text and
//    the picture, both blurred by a Gaussian of half a cell, the rendering's
//    ink scaled so that the darkest glyph reads as black (lower is better);
//  - structure: Pearson correlation of rendering and picture after a
//    band-pass (Gaussian of a quarter cell minus Gaussian of two cells), so
//    that it rewards edges and stripes drawn where the picture has them
//    (higher is better; unrelated text scores about 0).

#include <string>
#include <vector>

#include "textart/glyph_shapes.h"
#include "textart/grey_plane.h"

namespace glifora {

struct ArtQuality {
    double tone = 0.0;
    double structure = 0.0;
};

// Splits text art into rows (CR LF or LF); a final line break adds no row.
[[nodiscard]] std::vector<std::string> TextRows(const std::string& text);

// Draws every character of `rows` (code page bytes) into its cell, black ink
// on white, `columns` cells wide. Codes without a shape, and codes past the
// end of a short row, leave their cell white.
[[nodiscard]] GreyPlane RenderText(const std::vector<std::string>& rows, int columns,
                                   const GlyphShapes& shapes);

// Mean grey (0-255) of the darkest printable glyph among codes first-last.
[[nodiscard]] double DarkestGlyphGrey(const GlyphShapes& shapes, int first, int last);

// Both figures for a rendering and a reference of the same size.
[[nodiscard]] ArtQuality MeasureArtQuality(const GreyPlane& rendering, const GreyPlane& reference,
                                           int cellWidth, int cellHeight, double darkestGrey);

// Pearson correlation; 0 when either side is constant.
[[nodiscard]] double Correlation(const std::vector<float>& a, const std::vector<float>& b);

}  // namespace glifora
