#pragma once
// The fixed-font list's double click applied to the text-art state: the face
// changes, the size stays, the glyphs are measured again in the new face and
// the column count follows the new cell. The text art is not regenerated.

#include <string>

#include "textart/text_art_session.h"

namespace glifora {

struct FixedFacePick {
    std::string fontPanel;  // the status panel "Fuente", Windows-1252
    int columnCount = 0;
};

// `face` is UTF-8; `sizePercent` is sldTamaño's value and `screenWidth` the
// screen's width in pixels, as ComputeColumnCount takes them.
[[nodiscard]] FixedFacePick TakeFixedFace(TextArtSession& session, const std::string& face,
                                          int sizePercent, int screenWidth, int twipsPerPixel = 15);

}  // namespace glifora
