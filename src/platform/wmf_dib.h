#pragma once
// Device-independent bitmaps as metafiles carry them: a BITMAPINFOHEADER (or
// the older BITMAPCOREHEADER), a colour table and the pixel rows, with no file
// header in front. Only what clip art uses is read: 1, 4, 8, 16, 24 and 32 bits
// a pixel, uncompressed or with bit fields.

#include <QImage>
#include <cstdint>
#include <string_view>

namespace glifora {

struct DibPicture {
    QImage image;           // Format_RGB32, rows top-down; null when unreadable
    bool bottomUp = false;  // rows were stored bottom row first
};

// `colorUsage` 1 (DIB_PAL_COLORS) means the colour table holds palette indexes,
// which are drawn as greys since a metafile's palette is not realised. Nothing
// is allocated before the rows are known to be in `dib` and the picture to
// fit in `byteLimit` bytes at 4 bytes a pixel.
[[nodiscard]] DibPicture DecodeDib(std::string_view dib, int colorUsage, uint64_t byteLimit);

}  // namespace glifora
