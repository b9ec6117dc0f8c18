#pragma once
// Text-art generation: how many columns, how many rows, and the two
// conversions of the shrunken picture into text (one character per pixel).

#include <array>
#include <cstdint>
#include <string>

#include "platform/raster.h"

namespace glifora {

// Columns for sldTamaño's value: the percentage of the character cells that fit
// across the screen. A cell of width 0 gives 0 columns.
[[nodiscard]] int ComputeColumnCount(int sizePercent, int screenWidthPixels, int cellWidth,
                                     int twipsPerPixel = 15);

// Rows for `columns` columns of a W x H picture with cells cellW x cellH: the
// picture's aspect corrected by the cell's, rounded to the nearest whole row.
// Any size of 0 gives 0 rows; a count past the range of int is held at its top.
[[nodiscard]] int ComputeRowCount(int pictureWidth, int pictureHeight, int columns, int cellWidth,
                                  int cellHeight);

// Whether a columns x rows text art fits the decoder's memory limit. A very
// thin picture at many columns asks for millions of rows; such a request is
// refused rather than allocated.
[[nodiscard]] bool TextArtSizeAllowed(int columns, int rows);

// Grey level 0-255 of a colour value; -1 (outside the picture) is 0.
[[nodiscard]] int PixelLevel(ColorValue c);

// One character per pixel through LevelMap, the level raised by twice
// `luminosity` and clamped to 0-255. Rows are joined with CR LF.
[[nodiscard]] std::string ConvertTonal(const Raster& resized,
                                       const std::array<int32_t, 256>& levelMap, int luminosity);

// Edges of a black-and-white picture drawn with / \ _ |; `fill` puts ":" inside
// black areas.
[[nodiscard]] std::string ConvertOutline(const Raster& resized, bool fill);

// Detail matches glyph shapes to the picture's cells (detail_conversion.h); it
// needs more than one pixel per cell, so ConvertResized gives no text for it.
enum class Algorithm { Tonal = 0, Outline = 1, Detail = 2 };

struct TextArtInputs {
    int columns = 0;
    int cellWidth = 0;
    int cellHeight = 0;
    int luminosity = 0;  // sldLuminosidad, -100 to 100
    const std::array<int32_t, 256>* levelMap = nullptr;
    bool fill = false;  // chkRelleno, outline only
};

// Converts a picture already shrunk to columns x rows.
[[nodiscard]] std::string ConvertResized(const Raster& resized, const TextArtInputs& in,
                                         Algorithm algorithm);

}  // namespace glifora
