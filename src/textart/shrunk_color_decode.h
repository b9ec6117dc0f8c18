#pragma once
// A picture file decoded into what coloured text art needs: the picture
// shrunk as the text-art shrink samples it (so the text is the same as
// without colour) and the mean colour of every cell over the whole picture.
//
// A JPEG file is read in one pass, row by row, without keeping the picture:
// every row is summed into its cells and the sampled rows are kept. Skipping
// rows, as the plain text path does, saves only the inverse transform and the
// colour conversion (the entropy decoding of a JPEG is sequential and covers
// every row either way), and a mean needs every pixel anyway. A scaled-down
// decode would be cheaper but gives block averages whose blocks straddle the
// cell borders, and its pixels differ from the full decode's, so the text
// could change; it is not used.

#include <functional>
#include <string>

#include "platform/picture_decoder.h"
#include "textart/cell_colors.h"

namespace glifora {

struct ShrunkColorLoad {
    PictureLoad shrunk;  // as DecodePictureShrunk gives it
    CellColors colors;   // columns x rows of the shrunk picture
};

[[nodiscard]] ShrunkColorLoad DecodeShrunkWithColors(
    const std::string& path, const std::function<ShrinkTarget(int, int)>& target);

}  // namespace glifora
