#pragma once
// The detail conversion: text art that keeps a picture's edges and stripes as
// well as its tone. Each cell's blurred sub-cell pattern is matched against
// every glyph's blurred ink, weighing shape against mean grey, and the tone
// each choice misses is carried to the cells not yet chosen (error diffusion).
// A refinement then revisits every cell with all its neighbours chosen,
// weighing the tone of the whole rendering, seen through a blur of half a
// cell, against its shape.

#include <string>

#include "textart/glyph_shapes.h"
#include "textart/grey_plane.h"

namespace glifora {

struct DetailInputs {
    int columns = 0;
    int rows = 0;
    int luminosity = 0;  // -100 to 100; twice this is added to every grey level
    bool negative = false;
    int first = 31;  // the palette range
    int last = 127;
    const GlyphShapes* shapes = nullptr;
};

// Samples per cell across and down that the conversion looks at: every other
// pixel of the cell, at most 8 x 16 for large fonts.
struct DetailSampling {
    int across = 0;
    int down = 0;
};
[[nodiscard]] DetailSampling DetailSamplingFor(int cellWidth, int cellHeight);

// Converts `picture` (grey, any size; it is resized here) to `rows` rows of
// exactly `columns` characters joined with CR LF. Only printable codes of the
// palette range are used; without one, or without a size, the text is empty.
[[nodiscard]] std::string ConvertDetail(const GreyPlane& picture, const DetailInputs& in);

}  // namespace glifora
