#pragma once
// The text art as a picture to share: every character drawn in its cell with
// the glyph canvas that measured it, so the picture shows exactly the ink the
// conversion counted. The picture is columns x cell width by rows x cell
// height, times a whole scale; the window and the command line both render
// through here.

#include <QFont>
#include <optional>
#include <string>
#include <string_view>

#include "platform/picture_decoder.h"
#include "platform/raster.h"
#include "textart/cell_colors.h"

namespace glifora {

struct ArtPictureSettings {
    ColorValue foreground = 0x000000;  // the ink, unless cell colours are given
    ColorValue background = 0xFFFFFF;
    int scale = 1;  // each pixel becomes scale x scale
};

inline constexpr int kMaxArtPictureScale = 64;

struct ArtPicture {
    Raster picture;
    std::string error;  // Spanish reason when nothing could be rendered
    [[nodiscard]] bool Ok() const { return error.empty(); }
};

// `text`: Windows-1252 rows joined by CR LF, one cell per byte. With
// `colors`, the ink of cell (c, r) is colors.At(c, r) where the grid has it.
[[nodiscard]] ArtPicture RenderArtPicture(std::string_view text, const QFont& font,
                                          const ArtPictureSettings& settings,
                                          const CellColors* colors = nullptr);

// The save dialog's filter for the windows' "Guardar como imagen...".
inline constexpr const char* kArtPictureFilter = "Imagen PNG|*.png|Imagen BMP|*.bmp";

// Writes the picture whole or not at all; on failure `why` says why.
[[nodiscard]] bool SaveArtPicture(const Raster& picture, PictureFileFormat format,
                                  const std::string& path, std::string* why = nullptr);

// Renders `text` and writes it in the format the path's extension names (PNG
// when it names neither): what the command line's -o IMAGE and the windows'
// "Guardar como imagen..." write. False with a reason when nothing was written.
[[nodiscard]] bool SaveTextArtPicture(const std::string& path, std::string_view text,
                                      const QFont& font, const ArtPictureSettings& settings,
                                      const CellColors* colors = nullptr,
                                      std::string* why = nullptr);

}  // namespace glifora
