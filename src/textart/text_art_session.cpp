#include "textart/text_art_session.h"

#include <QFontInfo>

namespace glifora {

TextArtSession::TextArtSession() {
    font_.FontName = QFontInfo(Canvas().Font()).family().toStdString();
    cell_ = Canvas().PrepareCell();
}

TextArtSession::TextArtSession(Deferred) {}

TextArtSession::~TextArtSession() = default;

QtGlyphCanvas& TextArtSession::Canvas() const {
    if (!canvas_) {
        canvas_ = std::make_unique<QtGlyphCanvas>();
        canvas_->SetFont(MakeTextArtFont(asked_.FontName, asked_.FontSize));
    }
    return *canvas_;
}

const QFont& TextArtSession::QtFont() const {
    return Canvas().Font();
}

void TextArtSession::ApplyFont(const TextFont& font) {
    asked_ = font;
    font_ = font;
    Canvas().SetFont(MakeTextArtFont(font_.FontName, font_.FontSize));
    // A face that is not installed was replaced by a fixed-pitch one; what is
    // shown and written names the face the glyphs were measured in.
    font_.FontName = QFontInfo(Canvas().Font()).family().toStdString();
    ScanGlyphs(tables_, Canvas());
    BuildLevelMap(tables_);
    cell_ = Canvas().CellSize();
}

void TextArtSession::SelectPalette(int index) {
    if (index >= 0 && index < static_cast<int>(kPalettes.size())) palette_ = index;
    BuildGlyphTable(tables_, index, Canvas());
    cell_ = Canvas().CellSize();
}

void TextArtSession::SetNegative(bool negative) {
    glifora::SetNegative(tables_, negative, Canvas());
    cell_ = Canvas().CellSize();
}

MeasuredSession TextArtSession::Measured() const {
    return {font_.FontName, cell_, palette_, tables_};
}

void TextArtSession::Restore(const TextFont& asked, MeasuredSession measured) {
    asked_ = asked;
    font_ = {std::move(measured.family), asked.FontSize};
    cell_ = measured.cell;
    palette_ = measured.palette;
    tables_ = std::move(measured.tables);
    canvas_.reset();  // a later measurement draws in the restored font
}

}  // namespace glifora
