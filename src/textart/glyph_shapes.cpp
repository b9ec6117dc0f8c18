#include "textart/glyph_shapes.h"

namespace glifora {

void ResetGlyphShapes(GlyphShapes& shapes, int width, int height) {
    shapes.width = width > 0 ? width : 0;
    shapes.height = height > 0 ? height : 0;
    for (auto& s : shapes.ink) s.clear();
}

void CaptureGlyphShape(GlyphShapes& shapes, int code, const Raster& cell) {
    if (code < 0 || code > 255 || shapes.width == 0 || shapes.height == 0) return;
    std::vector<uint8_t>& ink = shapes.ink[code];
    ink.assign(static_cast<size_t>(shapes.width) * shapes.height, 0);
    for (int y = 0; y < shapes.height; ++y)
        for (int x = 0; x < shapes.width; ++x)
            ink[static_cast<size_t>(y) * shapes.width + x] = cell.Pixel(x, y) != 0xFFFFFF ? 1 : 0;
}

bool PrintableCode(int code) {
    if (code < 32 || code > 255 || code == 127) return false;
    switch (code) {
        case 0x81:
        case 0x8D:
        case 0x8F:
        case 0x90:
        case 0x9D:
        case 0xA0:
        case 0xAD:
            return false;
        default:
            return true;
    }
}

}  // namespace glifora
