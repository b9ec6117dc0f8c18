#include "textart/text_art_session.h"

namespace glifora {

TextArtSession::TextArtSession() {
    canvas_.SetFont(MakeTextArtFont(font_.FontName, font_.FontSize));
    canvas_.PrepareCell();
}

void TextArtSession::ApplyFont(const TextFont& font) {
    font_ = font;
    canvas_.SetFont(MakeTextArtFont(font_.FontName, font_.FontSize));
    ScanGlyphs(tables_, canvas_);
    BuildLevelMap(tables_);
}

void TextArtSession::SelectPalette(int index) {
    if (index >= 0 && index < static_cast<int>(kPalettes.size())) palette_ = index;
    BuildGlyphTable(tables_, index, canvas_);
}

void TextArtSession::SetNegative(bool negative) {
    glifora::SetNegative(tables_, negative, canvas_);
}

}  // namespace glifora
