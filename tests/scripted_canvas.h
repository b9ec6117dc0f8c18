#pragma once
// A glyph canvas whose glyphs are scripted: code c inks the first ink[c]
// pixels of the cell, so every brightness is known in advance.

#include <array>

#include "platform/glyph_canvas.h"

namespace glifora::test {

class ScriptedCanvas final : public GlyphCanvas {
  public:
    ScriptedCanvas(int w, int h) : w_(w), h_(h) { ink.fill(0); }
    std::array<int, 256> ink{};
    int prepared = 0;

    TextExtent PrepareCell() override {
        ++prepared;
        pixels_ = Raster(w_, h_, 0xFFFFFF);
        return {w_, h_};
    }
    [[nodiscard]] TextExtent CellSize() const override { return {w_, h_}; }
    void Clear() override { pixels_.Fill(0xFFFFFF); }
    void DrawCode(uint8_t code) override {
        int n = ink[code];
        for (int y = 0; y < h_ && n > 0; ++y)
            for (int x = 0; x < w_ && n > 0; ++x, --n) pixels_.SetPixel(x, y, 0);
    }
    [[nodiscard]] const Raster& Pixels() const override { return pixels_; }

  private:
    int w_, h_;
    Raster pixels_;
};

}  // namespace glifora::test
