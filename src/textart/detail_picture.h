#pragma once
// The detail conversion of a whole picture: the row count, the grey picture
// at the resolution the conversion needs (JPEG files are decoded at a reduced
// DCT scale), and the size limit.

#include <string>

#include "platform/raster.h"
#include "textart/detail_conversion.h"

namespace glifora {

// Whether the detail conversion of columns x rows fits the decoder's memory
// limit (it holds a few floats per sample of every cell).
[[nodiscard]] bool DetailSizeAllowed(int columns, int rows, int cellWidth, int cellHeight);

// Detail text art of `picture`; `in.rows` is computed from the picture's
// aspect and the cell's. Empty when there is nothing to convert or the size
// is not allowed.
[[nodiscard]] std::string DetailTextArtFrom(const Raster& picture, DetailInputs in);

// The same for a picture file; `rows` receives the row count. False with a
// Spanish reason in `error` when the file cannot be decoded, and false with
// an empty `error` when the text would pass the size limit.
[[nodiscard]] bool DetailTextArtFromFile(const std::string& path, DetailInputs in,
                                         std::string* text, std::string* error,
                                         int* rows = nullptr);

}  // namespace glifora
