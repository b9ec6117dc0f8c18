// Record handlers of the text family: TEXTOUT and EXTTEXTOUT, with the
// selected font, text colour, background mode and alignment.

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/ansi.h"
#include "platform/arith.h"
#include "platform/wmf_playback.h"

namespace glifora::wmf {
namespace {

constexpr int kMaxFontPixels = 2048;
constexpr int kNormalWeight = 400;  // what a weight of 0 (the default) means
// The pixel height a font's default size stands for when the file gives 0.
constexpr double kDefaultFontPixels = 16;

}  // namespace

QFont Player::MakeFont(double sy) const {
    const FontSpec& f = st_.font;
    QFont font(f.face);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setWeight(
        static_cast<QFont::Weight>(std::clamp(f.weight == 0 ? kNormalWeight : f.weight, 1, 1000)));
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeOut);
    double px = f.height == 0 ? kDefaultFontPixels : std::abs(f.height * sy);
    if (f.height > 0) {
        // A positive height is the whole character cell, not the em.
        font.setPixelSize(100);
        const double ratio = QFontMetricsF(font).height() / 100.0;
        if (ratio > 0) px /= ratio;
    }
    font.setPixelSize(std::clamp(RoundToInt(std::min(px, 1e6)), 1, kMaxFontPixels));
    return font;
}

void Player::Text(QPointF logical, std::string_view ansi, const Params* dx, size_t dxWord,
                  std::optional<QRectF> rect, uint32_t options) {
    if (!qGuiApp) return;  // fonts need the GUI application
    const bool updateCp = st_.textAlign & kAlignUpdateCp;
    const QPointF at = updateCp ? st_.position : logical;
    double sx = 1, sy = 1;
    Scale(sx, sy);
    const QPointF ref = Map(at.x(), at.y());
    const QString text = AnsiToUnicode(ansi);
    const QFont font = MakeFont(sy);
    const QFontMetricsF fm(font);

    const bool perChar = dx && dx->Has(dxWord + static_cast<size_t>(text.size()));
    std::vector<double> advances;
    double width = 0;
    if (perChar) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            advances.push_back(
                std::min(std::abs(dx->S(dxWord + static_cast<size_t>(i)) * sx), 4.0 * kMaxSide));
            width += advances.back();
        }
    } else {
        width = fm.horizontalAdvance(text);
    }
    const uint32_t horizontal = st_.textAlign & kAlignHorizontalMask;
    const uint32_t vertical = st_.textAlign & kAlignVerticalMask;
    const double x0 = horizontal == kAlignCenter  ? -width / 2
                      : horizontal == kAlignRight ? -width
                                                  : 0;
    const double base = vertical == kAlignBaseline ? 0
                        : vertical == kAlignBottom ? -fm.descent()
                                                   : fm.ascent();
    const QRectF cell(x0, base - fm.ascent(), width, fm.ascent() + fm.descent());

    double cost = ClippedArea(cell.translated(ref)) + static_cast<double>(text.size()) * 16;
    QRectF box;
    if (rect) {
        box = MapRect(rect->left(), rect->top(), rect->right(), rect->bottom());
        if (options & kTextOpaque) cost += ClippedArea(box);
    }
    if (!Charge(cost)) return;
    if (scanning_) {
        QTransform placed = QTransform::fromTranslate(ref.x(), ref.y());
        if (st_.font.escapement != 0) placed.rotate(-st_.font.escapement / 10.0);
        QRectF inked = placed.mapRect(cell);
        if (rect && (options & kTextClipped)) inked = inked.intersected(box);
        if (!inked.isEmpty()) NoteDrawn(inked);
        if (rect && (options & kTextOpaque)) NoteDrawn(box);
        return;
    }

    painter_.save();
    if (rect && (options & kTextOpaque)) painter_.fillRect(box, st_.background);
    if (rect && (options & kTextClipped)) painter_.setClipRect(box, Qt::IntersectClip);
    painter_.translate(ref);
    if (st_.font.escapement != 0) painter_.rotate(-st_.font.escapement / 10.0);
    if (st_.opaque) painter_.fillRect(cell, st_.background);
    painter_.setFont(font);
    painter_.setPen(st_.text);
    if (perChar) {
        double x = x0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            painter_.drawText(QPointF(x, base), QString(text[i]));
            x += advances[static_cast<size_t>(i)];
        }
    } else {
        painter_.drawText(QPointF(x0, base), text);
    }
    painter_.restore();
    if (updateCp && sx != 0) st_.position.rx() += width / sx;
}

void Player::OnTextOut(const Params& p, uint16_t) {
    if (!p.Has(1)) return;
    const size_t length = p.U(0);
    const size_t stringWords = (length + 1) / 2;
    if (!p.Has(1 + stringWords + 2)) return;
    Text(QPointF(p.S(2 + stringWords), p.S(1 + stringWords)), p.From(1).substr(0, length), nullptr,
         0, std::nullopt, 0);
}

void Player::OnExtTextOut(const Params& p, uint16_t) {
    if (!p.Has(4)) return;
    const size_t length = p.U(2);
    const uint32_t options = p.U(3);
    size_t at = 4;
    std::optional<QRectF> rect;
    if (options & (kTextOpaque | kTextClipped)) {
        if (!p.Has(8)) return;
        rect = QRectF(QPointF(p.S(4), p.S(5)), QPointF(p.S(6), p.S(7)));
        at = 8;
    }
    const size_t stringWords = (length + 1) / 2;
    if (!p.Has(at + stringWords)) return;
    Text(QPointF(p.S(1), p.S(0)), p.From(at).substr(0, length), &p, at + stringWords, rect,
         options);
}

}  // namespace glifora::wmf
