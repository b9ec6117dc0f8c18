#pragma once
// The text-art font, the glyph canvas and the tables measured with them, kept
// consistent: every change of font, palette or negative option re-measures.
// The main window and the command line both hold one.

#include "platform/text_font.h"
#include "platform/text_metrics.h"
#include "textart/glyph_table.h"

namespace glifora {

class TextArtSession {
  public:
    TextArtSession();

    // Face and size for the canvas; then ScanGlyphs and BuildLevelMap.
    // Font().FontName becomes the family actually used, which differs from
    // the one asked for when that face is not installed.
    void ApplyFont(const TextFont& font);
    // cboPaletas selection: BuildGlyphTable.
    void SelectPalette(int index);
    // chkAsciiNegativo: counted colour, ScanGlyphs, BuildLevelMap.
    void SetNegative(bool negative);

    [[nodiscard]] const TextFont& Font() const { return font_; }
    [[nodiscard]] const GlyphTables& Tables() const { return tables_; }
    [[nodiscard]] TextExtent Cell() const { return canvas_.CellSize(); }
    [[nodiscard]] const QFont& QtFont() const { return canvas_.Font(); }
    [[nodiscard]] int Palette() const { return palette_; }
    [[nodiscard]] bool Negative() const { return tables_.CountedColor == kCountBlack; }

  private:
    [[nodiscard]] std::string UsedFamily() const;
    TextFont font_;
    GlyphTables tables_;
    QtGlyphCanvas canvas_;
    int palette_ = -1;
};

}  // namespace glifora
