#pragma once
// Shared start-up of the fuzz targets: a GUI application on the offscreen
// platform, since the metafile player draws text with Qt's fonts.

namespace glifora::fuzz {

void StartQt();

}  // namespace glifora::fuzz
