#include "textart/text_art_session.h"

#include <QFontInfo>

namespace glifora {

TextArtSession::TextArtSession() {
    canvas_.SetFont(MakeTextArtFont(font_.FontName, font_.FontSize));
    font_.FontName = UsedFamily();
    canvas_.PrepareCell();
}

std::string TextArtSession::UsedFamily() const {
    return QFontInfo(canvas_.Font()).family().toStdString();
}

void TextArtSession::ApplyFont(const TextFont& font) {
    font_ = font;
    canvas_.SetFont(MakeTextArtFont(font_.FontName, font_.FontSize));
    // A face that is not installed was replaced by a fixed-pitch one; what is
    // shown and written names the face the glyphs were measured in.
    font_.FontName = UsedFamily();
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
