#pragma once
// The off-screen cell on which glyphs are drawn and measured. The real canvas
// draws with Qt; tests use a scripted one so the tables can be checked exactly.

#include <cstdint>
#include <string>

#include "platform/raster.h"

namespace glifora {

struct TextExtent {
    int width = 0;
    int height = 0;
    friend bool operator==(const TextExtent&, const TextExtent&) = default;
};

class GlyphCanvas {
  public:
    virtual ~GlyphCanvas() = default;
    // Sizes the cell to the extent of "A" in the canvas's font and returns it.
    virtual TextExtent PrepareCell() = 0;
    [[nodiscard]] virtual TextExtent CellSize() const = 0;
    // Clears the cell to white (the drawing position goes back to the top-left).
    virtual void Clear() = 0;
    // Prints one Windows-1252 character in black at the top-left, clipped by the cell.
    virtual void DrawCode(uint8_t code) = 0;
    // The cell's pixels (colour values, white 0xFFFFFF, black 0).
    [[nodiscard]] virtual const Raster& Pixels() const = 0;
};

}  // namespace glifora
