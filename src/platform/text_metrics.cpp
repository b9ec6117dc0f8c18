#include "platform/text_metrics.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "platform/ansi.h"
#include "platform/arith.h"
#include "platform/gui_on_demand.h"
#include "platform/qt_raster.h"

namespace glifora {

int PointsToPixels(int points) {
    return RoundToInt(points * 96.0 / 72.0);
}

QFont MakeTextArtFont(const std::string& face, int points) {
    RequireGui();
    QFont font(QString::fromStdString(face));
    font.setStyleHint(QFont::Monospace, QFont::NoAntialias);
    font.setFixedPitch(true);
    font.setPixelSize(std::max(1, PointsToPixels(points)));
    font.setBold(false);
    font.setItalic(false);
    font.setKerning(false);
    // Hinted advances are whole pixels, so a row of n characters is n cells wide.
    font.setHintingPreference(QFont::PreferFullHinting);
    const QFontInfo info(font);
    if (!QFontDatabase::hasFamily(QString::fromStdString(face)) || !info.fixedPitch()) {
        // Not installed (or not fixed-pitch after substitution): the system's
        // fixed face, at the same size.
        QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        if (QFontDatabase::hasFamily("DejaVu Sans Mono") &&
            !QFontDatabase::hasFamily(QString::fromStdString(face)))
            fixed.setFamily("DejaVu Sans Mono");
        fixed.setStyleHint(QFont::Monospace, QFont::NoAntialias);
        fixed.setFixedPitch(true);
        fixed.setPixelSize(std::max(1, PointsToPixels(points)));
        fixed.setBold(false);
        fixed.setItalic(false);
        fixed.setKerning(false);
        fixed.setHintingPreference(QFont::PreferFullHinting);
        return fixed;
    }
    return font;
}

TextExtent MeasureText(const QFont& font, std::string_view ansi) {
    if (ansi.empty()) return {};
    const QFontMetrics metrics(font);
    return {metrics.horizontalAdvance(AnsiToUnicode(ansi)), metrics.height()};
}

struct QtGlyphCanvas::State {
    QFont font = MakeTextArtFont("Lucida Console", 6);
    TextExtent cell;
    QImage image;
    Raster pixels;
};

QtGlyphCanvas::QtGlyphCanvas() : s_(std::make_unique<State>()) {}
QtGlyphCanvas::~QtGlyphCanvas() = default;

void QtGlyphCanvas::SetFont(const QFont& font) {
    s_->font = font;
}
const QFont& QtGlyphCanvas::Font() const {
    return s_->font;
}

TextExtent QtGlyphCanvas::PrepareCell() {
    s_->cell = MeasureText(s_->font, "A");
    s_->pixels = Raster(s_->cell.width, s_->cell.height, 0xFFFFFF);
    return s_->cell;
}

TextExtent QtGlyphCanvas::CellSize() const {
    return s_->cell;
}

void QtGlyphCanvas::Clear() {
    s_->pixels.Fill(0xFFFFFF);
}

void QtGlyphCanvas::DrawCode(uint8_t code) {
    if (s_->pixels.Empty()) return;
    QImage view = ImageView(s_->pixels);
    QPainter painter(&view);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(s_->font);
    painter.setPen(Qt::black);
    const char byte = static_cast<char>(code);
    const QFontMetrics metrics(s_->font);
    painter.drawText(0, metrics.ascent(), AnsiToUnicode(std::string_view(&byte, 1)));
}

const Raster& QtGlyphCanvas::Pixels() const {
    return s_->pixels;
}

}  // namespace glifora
