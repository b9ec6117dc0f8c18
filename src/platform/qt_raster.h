#pragma once
// Raster <-> QImage. Both use 32-bit pixels stored blue, green, red, 255 on
// little-endian machines (QImage::Format_RGB32), so conversion is a copy.

#include <QImage>

#include "platform/raster.h"

namespace glifora {

// Pictures with transparency are laid on white first.
[[nodiscard]] Raster RasterFromImage(const QImage& image);
[[nodiscard]] QImage ImageFromRaster(const Raster& raster);
// A QImage over the raster's own bytes: valid while the raster lives unchanged in size.
[[nodiscard]] QImage ImageView(Raster& raster);
[[nodiscard]] QImage ImageView(const Raster& raster);

}  // namespace glifora
