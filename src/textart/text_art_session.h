#pragma once
// The text-art font, the glyph canvas and the tables measured with them, kept
// consistent: every change of font, palette or negative option re-measures.
// The main window and the command line both hold one.

#include <memory>
#include <string>

#include "platform/text_font.h"
#include "platform/text_metrics.h"
#include "textart/glyph_table.h"

namespace glifora {

// Everything a measurement leaves in a session: what a cache keeps.
struct MeasuredSession {
    std::string family;  // the face the glyphs were measured in
    TextExtent cell;
    int palette = -1;
    GlyphTables tables;
    friend bool operator==(const MeasuredSession&, const MeasuredSession&) = default;
};

class TextArtSession {
  public:
    // The default font, resolved and its cell measured.
    TextArtSession();
    // Resolves and draws nothing until something needs the font: for a
    // session that is restored from a cache, or prepared at once.
    struct Deferred {};
    explicit TextArtSession(Deferred);
    ~TextArtSession();
    TextArtSession(const TextArtSession&) = delete;
    TextArtSession& operator=(const TextArtSession&) = delete;

    // Face and size for the canvas; then ScanGlyphs and BuildLevelMap.
    // Font().FontName becomes the family actually used, which differs from
    // the one asked for when that face is not installed.
    void ApplyFont(const TextFont& font);
    // cboPaletas selection: BuildGlyphTable.
    void SelectPalette(int index);
    // chkAsciiNegativo: counted colour, ScanGlyphs, BuildLevelMap.
    void SetNegative(bool negative);

    // The measured state, and a session put back in one without drawing:
    // `asked` is the face and size the state was measured for.
    [[nodiscard]] MeasuredSession Measured() const;
    void Restore(const TextFont& asked, MeasuredSession measured);

    [[nodiscard]] const TextFont& Font() const { return font_; }
    [[nodiscard]] const GlyphTables& Tables() const { return tables_; }
    [[nodiscard]] TextExtent Cell() const { return cell_; }
    // The font itself; a restored session makes it here, on first use.
    [[nodiscard]] const QFont& QtFont() const;
    [[nodiscard]] int Palette() const { return palette_; }
    [[nodiscard]] bool Negative() const { return tables_.CountedColor == kCountBlack; }

  private:
    QtGlyphCanvas& Canvas() const;
    TextFont asked_;  // what the canvas's font is made from
    TextFont font_;   // the same with the family actually used
    GlyphTables tables_;
    mutable std::unique_ptr<QtGlyphCanvas> canvas_;
    TextExtent cell_;
    int palette_ = -1;
};

}  // namespace glifora
