// Record handlers of the drawing family (lines, polygons, boxes, arcs,
// pixels) and of the bitmap family (raster operations with and without a
// source bitmap), with the pens and brushes they paint with.

#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/wmf_dib.h"
#include "platform/wmf_playback.h"

namespace glifora::wmf {
namespace {

// Qt's angle (degrees, counter-clockwise, along the ellipse's own parameter)
// of the ray from the centre of `r` through `p`, which is how GDI gives the
// ends of arcs, pies and chords.
double AngleOf(const QRectF& r, QPointF p) {
    const double rx = r.width() / 2, ry = r.height() / 2;
    const QPointF c = r.center();
    return std::atan2((c.y() - p.y()) / ry, (p.x() - c.x()) / rx) * 180 / std::numbers::pi;
}

}  // namespace

double Player::PenWidth() const {
    if ((st_.pen.style & kPenStyleMask) == kPenNull) return 0;
    double sx = 1, sy = 1;
    Scale(sx, sy);
    return std::clamp(std::abs(st_.pen.width * sx), 1.0, 4.0 * kMaxSide);
}

QPen Player::MakePen() const {
    const double width = PenWidth();
    if (width == 0) return QPen(Qt::NoPen);
    QPen pen(st_.pen.color, width);
    // Styled lines exist only for one-pixel pens; wider pens are solid.
    static constexpr Qt::PenStyle kStyles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine,
                                               Qt::DashDotLine, Qt::DashDotDotLine};
    const uint32_t style = st_.pen.style & kPenStyleMask;
    if (width <= 1 && style < kPenNull) pen.setStyle(kStyles[style]);
    // A picture shrunk to show a drawing whole keeps its thin lines visible.
    if (width * viewScale_ < 1) pen.setCosmetic(true), pen.setWidthF(1);
    switch (st_.pen.style & kPenCapMask) {
        case kPenCapSquare:
            pen.setCapStyle(Qt::SquareCap);
            break;
        case kPenCapFlat:
            pen.setCapStyle(Qt::FlatCap);
            break;
        default:
            pen.setCapStyle(Qt::RoundCap);
            break;
    }
    switch (st_.pen.style & kPenJoinMask) {
        case kPenJoinBevel:
            pen.setJoinStyle(Qt::BevelJoin);
            break;
        case kPenJoinMiter:
            pen.setJoinStyle(Qt::MiterJoin);
            break;
        default:
            pen.setJoinStyle(Qt::RoundJoin);
            break;
    }
    return pen;
}

QBrush Player::MakeBrush() const {
    const BrushSpec& b = st_.brush;
    switch (b.style) {
        case kBrushSolid:
            return QBrush(b.color);
        case kBrushHatched: {
            static constexpr Qt::BrushStyle kHatches[kHatchCount] = {
                Qt::HorPattern,   Qt::VerPattern,   Qt::FDiagPattern,
                Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
            return QBrush(b.color, b.hatch < kHatchCount ? kHatches[b.hatch] : Qt::SolidPattern);
        }
        case kBrushPattern:
        case kBrushDibPattern:
            if (!b.pattern.isNull()) return QBrush(b.pattern);
            return QBrush(Qt::gray);
        default:
            return QBrush(Qt::NoBrush);
    }
}

template <typename Draw>
void Player::Shape(const QRectF& bounds, double outline, bool closed, Draw&& draw) {
    const double penWidth = PenWidth();
    const bool filled = closed && st_.brush.style != kBrushNull;
    double cost = outline * std::max(1.0, penWidth);
    if (filled) cost += ClippedArea(bounds.adjusted(-penWidth, -penWidth, penWidth, penWidth));
    if (!Charge(cost)) return;
    if (scanning_) return NoteDrawn(bounds);
    if (filled && st_.brush.style == kBrushHatched && st_.opaque) {
        // Hatching over the background colour.
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(st_.background);
        draw();
    }
    painter_.setBrush(filled ? MakeBrush() : QBrush(Qt::NoBrush));
    painter_.setPen(MakePen());
    draw();
}

bool Player::ReadPoints(const Params& p, size_t at, size_t count, QPolygonF& out,
                        double& length) const {
    if (!p.Has(at + 2 * count)) return false;
    out.clear();
    out.reserve(static_cast<qsizetype>(count));
    length = 0;
    for (size_t i = 0; i < count; ++i) {
        out.append(Map(p.S(at + 2 * i), p.S(at + 2 * i + 1)));
        if (i > 0) length += Length(out[out.size() - 2], out.back());
    }
    return true;
}

void Player::OnMoveTo(const Params& p, uint16_t) {
    if (p.Has(2)) st_.position = QPointF(p.S(1), p.S(0));
}

void Player::OnLineTo(const Params& p, uint16_t) {
    if (!p.Has(2)) return;
    const QPointF a = Map(st_.position.x(), st_.position.y());
    st_.position = QPointF(p.S(1), p.S(0));
    const QPointF b = Map(st_.position.x(), st_.position.y());
    Shape(QRectF(a, b).normalized(), Length(a, b), false, [&] { painter_.drawLine(a, b); });
}

void Player::OnPoly(const Params& p, uint16_t function) {
    QPolygonF poly;
    double length = 0;
    if (!p.Has(1) || !ReadPoints(p, 1, p.U(0), poly, length) || poly.isEmpty()) return;
    const bool closed = function == kPolygon;
    if (closed) length += Length(poly.back(), poly.front());
    Shape(poly.boundingRect(), length + static_cast<double>(poly.size()), closed, [&] {
        if (closed)
            painter_.drawPolygon(poly, st_.fillRule);
        else
            painter_.drawPolyline(poly);
    });
}

void Player::OnPolyPolygon(const Params& p, uint16_t) {
    if (!p.Has(1)) return;
    const size_t count = p.U(0);
    if (!p.Has(1 + count)) return;
    QPainterPath path;
    path.setFillRule(st_.fillRule);
    size_t at = 1 + count;
    double outline = 0;
    for (size_t i = 0; i < count; ++i) {
        QPolygonF poly;
        double length = 0;
        const size_t points = p.U(1 + i);
        if (!ReadPoints(p, at, points, poly, length)) return;
        at += 2 * points;
        if (poly.isEmpty()) continue;
        outline += length + Length(poly.back(), poly.front()) + static_cast<double>(points);
        path.addPolygon(poly);
        path.closeSubpath();
    }
    Shape(path.boundingRect(), outline, true, [&] { painter_.drawPath(path); });
}

// Rectangles, ellipses and rounded rectangles: a box, the last four parameters.
void Player::OnBox(const Params& p, uint16_t function) {
    const size_t at = function == kRoundRect ? 2 : 0;
    if (!p.Has(at + 4)) return;
    const QRectF box = MapRect(p.S(at + 3), p.S(at + 2), p.S(at + 1), p.S(at));
    const double outline = 2 * std::min(box.width() + box.height(), 4.0 * (width_ + height_));
    Shape(box, outline, true, [&] {
        if (function == kRectangle) {
            painter_.drawRect(box);
        } else if (function == kEllipse) {
            painter_.drawEllipse(box);
        } else {
            double sx = 1, sy = 1;
            Scale(sx, sy);
            const double rx = std::min(std::abs(p.S(1) * sx) / 2, box.width() / 2);
            const double ry = std::min(std::abs(p.S(0) * sy) / 2, box.height() / 2);
            painter_.drawRoundedRect(box, rx, ry);
        }
    });
}

// Arcs, pies and chords: a box and the two points whose rays end the curve.
void Player::OnArc(const Params& p, uint16_t function) {
    if (!p.Has(8)) return;
    const QRectF box = MapRect(p.S(7), p.S(6), p.S(5), p.S(4));
    if (box.width() <= 0 || box.height() <= 0) return;
    const double start = AngleOf(box, Map(p.S(3), p.S(2)));
    const double end = AngleOf(box, Map(p.S(1), p.S(0)));
    double span = std::fmod(end - start + 720, 360);
    if (span == 0) span = 360;  // equal ends draw the whole ellipse
    QPainterPath path;
    if (function == kPie) {
        path.moveTo(box.center());
        path.arcTo(box, start, span);
        path.closeSubpath();
    } else {
        path.arcMoveTo(box, start);
        path.arcTo(box, start, span);
        if (function == kChord) path.closeSubpath();
    }
    const double outline =
        std::min(std::numbers::pi * (box.width() + box.height()), 8.0 * (width_ + height_));
    Shape(box, outline, function != kArc, [&] { painter_.drawPath(path); });
}

void Player::OnSetPixel(const Params& p, uint16_t) {
    if (!p.Has(4) || !Charge(1)) return;
    const QPointF at = Map(p.S(3), p.S(2));
    const QRectF pixel(std::floor(at.x()), std::floor(at.y()), 1, 1);
    if (scanning_) return NoteDrawn(pixel);
    painter_.fillRect(pixel, p.Color(0));
}

// Raster operations without a source: the selected brush, black or white.
void Player::PatternFill(uint32_t rop, double x, double y, double w, double h) {
    const QRectF r = MapRect(x, y, x + w, y + h);
    if (!Charge(ClippedArea(r))) return;
    if (scanning_) return NoteDrawn(r);
    switch (rop) {
        case kRopPatCopy:
            painter_.fillRect(r, MakeBrush());
            break;
        case kRopBlackness:
            painter_.fillRect(r, Qt::black);
            break;
        case kRopWhiteness:
            painter_.fillRect(r, Qt::white);
            break;
        default:
            break;
    }
}

void Player::Bitmap(uint32_t rop, int sx, int sy, int sw, int sh, bool fromBottom, double dx,
                    double dy, double dw, double dh, std::string_view dib, int usage) {
    const DibPicture pic = DecodeDib(dib, usage, limit_);
    if (pic.image.isNull()) return;
    bool flipX = sw < 0, flipY = sh < 0;
    if (sw < 0) sx += sw, sw = -sw;
    if (sh < 0) sy += sh, sh = -sh;
    // Stretched DIBs count source rows from the bottom of a bottom-up bitmap.
    const int top = fromBottom && pic.bottomUp ? pic.image.height() - (sy + sh) : sy;
    const QRect source = QRect(sx, top, sw, sh).intersected(pic.image.rect());
    const QPointF d0 = Map(dx, dy), d1 = Map(dx + dw, dy + dh);
    if (d1.x() < d0.x()) flipX = !flipX;
    if (d1.y() < d0.y()) flipY = !flipY;
    const QRectF target = QRectF(d0, d1).normalized();
    if (source.isEmpty() || target.isEmpty()) return;
    if (!Charge(ClippedArea(target) + static_cast<double>(source.width()) * source.height()))
        return;
    if (scanning_) return NoteDrawn(target);
    QImage part = pic.image.copy(source);
    if (flipX || flipY) part = part.mirrored(flipX, flipY);
    painter_.save();
    switch (rop) {
        case kRopSrcAnd:
            painter_.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
            break;
        case kRopSrcPaint:
            painter_.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
            break;
        case kRopSrcInvert:
            painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            break;
        case kRopNotSrcCopy:
            painter_.setCompositionMode(QPainter::RasterOp_NotSource);
            break;
        default:
            break;  // kRopSrcCopy and the rest: a plain copy
    }
    painter_.drawImage(target, part);
    painter_.restore();
}

void Player::OnPatBlt(const Params& p, uint16_t) {
    if (p.Has(6)) PatternFill(p.U32(0), p.S(5), p.S(4), p.S(3), p.S(2));
}

void Player::OnStretchDib(const Params& p, uint16_t) {
    if (p.Has(11))
        Bitmap(p.U32(0), p.S(6), p.S(5), p.S(4), p.S(3), true, p.S(10), p.S(9), p.S(8), p.S(7),
               p.From(11), static_cast<int>(p.U(2)));
}

// The blits without a bitmap (told by their fixed parameter count) are
// pattern operations on the target.
constexpr size_t kStretchBltWithoutBitmap = 11, kBitBltWithoutBitmap = 9;

void Player::OnDibStretchBlt(const Params& p, uint16_t) {
    if (p.Words() == kStretchBltWithoutBitmap)
        PatternFill(p.U32(0), p.S(10), p.S(9), p.S(8), p.S(7));
    else if (p.Has(10))
        Bitmap(p.U32(0), p.S(5), p.S(4), p.S(3), p.S(2), false, p.S(9), p.S(8), p.S(7), p.S(6),
               p.From(10), 0);
}

void Player::OnDibBitBlt(const Params& p, uint16_t) {
    if (p.Words() == kBitBltWithoutBitmap)
        PatternFill(p.U32(0), p.S(8), p.S(7), p.S(6), p.S(5));
    else if (p.Has(8))
        Bitmap(p.U32(0), p.S(3), p.S(2), p.S(5), p.S(4), false, p.S(7), p.S(6), p.S(5), p.S(4),
               p.From(8), 0);
}

}  // namespace glifora::wmf
