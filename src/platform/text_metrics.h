#pragma once
// Fonts of the text art and the measurement of text. A font is named by face
// and whole points; points become pixels as on a screen of 96 dots per inch.
// A face that is not installed falls back to a fixed-pitch face.

#include <QFont>
#include <memory>
#include <string>
#include <string_view>

#include "platform/glyph_canvas.h"

namespace glifora {

// Pixel height of the em for a size in points at 96 dots per inch.
[[nodiscard]] int PointsToPixels(int points);

// The QFont for a face and size: regular weight, no antialiasing, so every
// pixel drawn is ink or background.
[[nodiscard]] QFont MakeTextArtFont(const std::string& face, int points);

// The extent of `ansi` (Windows-1252 bytes): its horizontal advance by the
// font's height. (0, 0) for an empty string.
[[nodiscard]] TextExtent MeasureText(const QFont& font, std::string_view ansi);

// The real glyph canvas: QPainter on a white QImage.
class QtGlyphCanvas final : public GlyphCanvas {
  public:
    QtGlyphCanvas();
    ~QtGlyphCanvas() override;
    void SetFont(const QFont& font);
    [[nodiscard]] const QFont& Font() const;

    TextExtent PrepareCell() override;
    [[nodiscard]] TextExtent CellSize() const override;
    void Clear() override;
    void DrawCode(uint8_t code) override;
    [[nodiscard]] const Raster& Pixels() const override;

  private:
    struct State;
    std::unique_ptr<State> s_;
};

}  // namespace glifora
