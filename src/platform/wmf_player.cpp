#include "platform/wmf_player.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <set>
#include <vector>

#include "platform/ansi.h"
#include "platform/arith.h"
#include "platform/qt_raster.h"
#include "platform/wmf_dib.h"
#include "platform/wmf_records.h"

namespace glifora {
namespace {

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr size_t kPlaceableSize = 22;
constexpr size_t kHeaderSize = 18;
// Coordinates in a metafile are 16-bit, so no sensible picture is wider.
constexpr int kMaxSide = 32767;
constexpr size_t kMaxSavedStates = 1024;
// Device coordinates are kept well inside what the rasteriser's fixed point
// holds; only absurd mappings ever reach this.
constexpr double kCoordLimit = 1e6;
constexpr int kMaxFontPixels = 2048;
// Pattern brushes are small tiles; a larger bitmap is not worth keeping per object.
constexpr uint64_t kPatternByteLimit = 256 * 256 * 4;

using namespace wmf;

class Player {
  public:
    Player(std::string_view bytes, uint64_t limit) : b_(bytes), limit_(limit) {}
    PictureLoad Run();

  private:
    bool Fail(std::string why) {
        if (error_.empty()) error_ = std::move(why);
        return false;
    }
    bool Play(const Record& r);

    // Mapping from logical units to picture pixels.
    void Scale(double& sx, double& sy) const;
    QPointF Map(double x, double y) const;
    QRectF MapRect(double l, double t, double r, double b) const {
        return QRectF(Map(l, t), Map(r, b)).normalized();
    }

    // Drawing work is paid for out of one budget; an exhausted budget fails the load.
    bool Charge(double cost);
    double ClippedArea(const QRectF& r) const {
        const QRectF c = r.intersected(QRectF(0, 0, width_, height_));
        return c.isEmpty() ? 0 : c.width() * c.height();
    }
    double Length(QPointF a, QPointF b) const {
        return std::min(std::hypot(a.x() - b.x(), a.y() - b.y()), 4.0 * (width_ + height_));
    }

    double PenWidth() const;
    QPen MakePen() const;
    QBrush MakeBrush() const;
    QFont MakeFont(double sy) const;
    void ApplyClip();

    // Strokes (and for closed shapes fills) what `draw` paints with the
    // selected pen and brush; `outline` is the length of the outline in pixels.
    template <typename Draw>
    void Shape(const QRectF& bounds, double outline, bool closed, Draw&& draw);

    bool ReadPoints(const Params& p, size_t at, size_t count, QPolygonF& out, double& length) const;
    void ArcFamily(const Params& p, uint16_t function);
    void Text(QPointF logical, std::string_view ansi, const Params* dx, size_t dxWord,
              std::optional<QRectF> rect, uint32_t options);
    void PatternFill(uint32_t rop, double x, double y, double w, double h);
    void Bitmap(uint32_t rop, int sx, int sy, int sw, int sh, bool fromBottom, double dx, double dy,
                double dw, double dh, std::string_view dib, int usage);

    bool AddObject(GdiObject o);
    const GdiObject* ObjectAt(uint32_t index);

    std::string_view b_;
    uint64_t limit_;
    std::string error_;
    int width_ = 0, height_ = 0;
    double budget_ = 0;
    uint64_t patternBytes_ = 0;
    QPainter painter_;
    DcState st_;
    std::vector<DcState> saved_;
    size_t tableSize_ = 0;
    std::vector<GdiObject> objects_;
    std::set<size_t> freeSlots_;  // empty slots below objects_.size()
};

PictureLoad Player::Run() {
    PictureLoad out;
    auto failed = [&](std::string why) {
        out.raster = Raster();
        out.error = std::move(why);
        return out;
    };
    size_t pos = 0;
    QRectF frame;
    const bool placeable = b_.size() >= 4 && Le32(b_, 0) == kPlaceableKey;
    if (placeable) {
        if (b_.size() < kPlaceableSize + kHeaderSize) return failed("metarchivo incompleto");
        const int left = S16(b_, 6), top = S16(b_, 8), right = S16(b_, 10), bottom = S16(b_, 12);
        const uint32_t inch = Le16(b_, 14);
        if (inch == 0) return failed("metarchivo sin unidades por pulgada");
        if (right <= left || bottom <= top) return failed("metarchivo con un tamaño no válido");
        // Pixels at 96 dpi; one more than the largest side marks the picture too large.
        const double perPixel = inch / 96.0;
        auto pixels = [perPixel](int units) {
            return static_cast<int>(
                std::clamp<int64_t>(RoundHalfEven(units / perPixel), 1, kMaxSide + 1));
        };
        width_ = pixels(right - left);
        height_ = pixels(bottom - top);
        frame = QRectF(left, top, right - left, bottom - top);
        pos = kPlaceableSize;
    }
    if (b_.size() - pos < kHeaderSize) return failed("metarchivo incompleto");
    const uint32_t type = Le16(b_, pos), words = Le16(b_, pos + 2), version = Le16(b_, pos + 4);
    if ((type != 1 && type != 2) || words != 9 || (version != 0x0100 && version != 0x0300))
        return failed("cabecera de metarchivo no válida");
    tableSize_ = Le16(b_, pos + 10);
    pos += kHeaderSize;
    const size_t recordsBegin = pos;

    if (!placeable) {
        // A plain file is as large as its window: the first window extent.
        Record r;
        std::string why;
        for (size_t p = recordsBegin;;) {
            const Step step = NextRecord(b_, p, r, why);
            if (step == Step::Broken) return failed(why);
            if (step == Step::End) return failed("metarchivo sin tamaño (no fija la ventana)");
            const Params params(r.params);
            if (r.function == kSetWindowExt && params.Has(2) && params.S(0) != 0 &&
                params.S(1) != 0) {
                // A negative extent only turns an axis round; the size is its magnitude.
                width_ = std::abs(params.S(1));
                height_ = std::abs(params.S(0));
                frame = QRectF(0, 0, params.S(1), params.S(0));
                break;
            }
        }
    }
    if (width_ > kMaxSide || height_ > kMaxSide ||
        static_cast<uint64_t>(width_) * static_cast<uint64_t>(height_) * 4 > limit_)
        return failed("imagen demasiado grande");

    out.raster = Raster(width_, height_, 0xFFFFFF);
    budget_ = static_cast<double>(limit_) * 4;
    QImage view = ImageView(out.raster);
    painter_.begin(&view);
    st_.windowOrg = frame.topLeft();
    st_.windowExt = QPointF(frame.width(), frame.height());
    st_.viewportExt = QPointF(width_, height_);
    for (Record r;;) {
        std::string why;
        const Step step = NextRecord(b_, pos, r, why);
        if (step == Step::Broken) Fail(why);
        if (step != Step::Record || !Play(r)) break;
    }
    painter_.end();
    if (!error_.empty()) return failed(error_);
    return out;
}

void Player::Scale(double& sx, double& sy) const {
    double unit = 0;  // inches per logical unit in the fixed metric modes
    switch (st_.mapMode) {
        case kText:
            sx = sy = 1;
            return;
        case kLoMetric:
            unit = 1 / 254.0;
            break;
        case kHiMetric:
            unit = 1 / 2540.0;
            break;
        case kLoEnglish:
            unit = 1 / 100.0;
            break;
        case kHiEnglish:
            unit = 1 / 1000.0;
            break;
        case kTwips:
            unit = 1 / 1440.0;
            break;
        default:
            break;
    }
    if (unit > 0) {  // y grows upwards in the metric modes
        sx = 96 * unit;
        sy = -96 * unit;
        return;
    }
    sx = st_.viewportExt.x() / st_.windowExt.x();
    sy = st_.viewportExt.y() / st_.windowExt.y();
    if (st_.mapMode == kIsotropic) {
        const double m = std::min(std::abs(sx), std::abs(sy));
        sx = std::copysign(m, sx);
        sy = std::copysign(m, sy);
    }
}

QPointF Player::Map(double x, double y) const {
    double sx = 1, sy = 1;
    Scale(sx, sy);
    const double dx = (x - st_.windowOrg.x()) * sx + st_.viewportOrg.x();
    const double dy = (y - st_.windowOrg.y()) * sy + st_.viewportOrg.y();
    return {std::clamp(dx, -kCoordLimit, kCoordLimit), std::clamp(dy, -kCoordLimit, kCoordLimit)};
}

bool Player::Charge(double cost) {
    budget_ -= cost + 1;
    if (budget_ < 0) return Fail("metarchivo demasiado costoso de dibujar");
    return true;
}

double Player::PenWidth() const {
    if ((st_.pen.style & 0x0F) == 5) return 0;  // PS_NULL
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
    const uint32_t style = st_.pen.style & 0x0F;
    if (width <= 1 && style < 5) pen.setStyle(kStyles[style]);
    switch (st_.pen.style & 0x0F00) {
        case 0x0100:
            pen.setCapStyle(Qt::SquareCap);
            break;
        case 0x0200:
            pen.setCapStyle(Qt::FlatCap);
            break;
        default:
            pen.setCapStyle(Qt::RoundCap);
            break;
    }
    switch (st_.pen.style & 0xF000) {
        case 0x1000:
            pen.setJoinStyle(Qt::BevelJoin);
            break;
        case 0x2000:
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
        case 0:
            return QBrush(b.color);
        case 2: {
            static constexpr Qt::BrushStyle kHatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                          Qt::FDiagPattern, Qt::BDiagPattern,
                                                          Qt::CrossPattern, Qt::DiagCrossPattern};
            return QBrush(b.color, b.hatch < 6 ? kHatches[b.hatch] : Qt::SolidPattern);
        }
        case 3:
        case 5:
            if (!b.pattern.isNull()) return QBrush(b.pattern);
            return QBrush(Qt::gray);
        default:
            return QBrush(Qt::NoBrush);
    }
}

QFont Player::MakeFont(double sy) const {
    const FontSpec& f = st_.font;
    QFont font(f.face);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setWeight(static_cast<QFont::Weight>(std::clamp(f.weight == 0 ? 400 : f.weight, 1, 1000)));
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeOut);
    double px = f.height == 0 ? 16 : std::abs(f.height * sy);
    if (f.height > 0) {
        // A positive height is the whole character cell, not the em.
        font.setPixelSize(100);
        const double ratio = QFontMetricsF(font).height() / 100.0;
        if (ratio > 0) px /= ratio;
    }
    font.setPixelSize(std::clamp(RoundToInt(std::min(px, 1e6)), 1, kMaxFontPixels));
    return font;
}

void Player::ApplyClip() {
    if (st_.clip)
        painter_.setClipRegion(*st_.clip);
    else
        painter_.setClipping(false);
}

template <typename Draw>
void Player::Shape(const QRectF& bounds, double outline, bool closed, Draw&& draw) {
    const double penWidth = PenWidth();
    const bool filled = closed && st_.brush.style != 1;
    double cost = outline * std::max(1.0, penWidth);
    if (filled) cost += ClippedArea(bounds.adjusted(-penWidth, -penWidth, penWidth, penWidth));
    if (!Charge(cost)) return;
    if (filled && st_.brush.style == 2 && st_.opaque) {  // hatching over the background colour
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

// Qt's angle (degrees, counter-clockwise, along the ellipse's own parameter)
// of the ray from the centre of `r` through `p`, which is how GDI gives the
// ends of arcs, pies and chords.
double AngleOf(const QRectF& r, QPointF p) {
    const double rx = r.width() / 2, ry = r.height() / 2;
    const QPointF c = r.center();
    return std::atan2((c.y() - p.y()) / ry, (p.x() - c.x()) / rx) * 180 / std::numbers::pi;
}

void Player::ArcFamily(const Params& p, uint16_t function) {
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

void Player::Text(QPointF logical, std::string_view ansi, const Params* dx, size_t dxWord,
                  std::optional<QRectF> rect, uint32_t options) {
    constexpr uint32_t kOpaque = 0x0002, kClipped = 0x0004;
    if (!qGuiApp) return;  // fonts need the GUI application
    const bool updateCp = st_.textAlign & 1;
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
    const uint32_t horizontal = st_.textAlign & 6, vertical = st_.textAlign & 24;
    const double x0 = horizontal == 6 ? -width / 2 : horizontal == 2 ? -width : 0;
    const double base = vertical == 24 ? 0 : vertical == 8 ? -fm.descent() : fm.ascent();
    const QRectF cell(x0, base - fm.ascent(), width, fm.ascent() + fm.descent());

    double cost = ClippedArea(cell.translated(ref)) + static_cast<double>(text.size()) * 16;
    QRectF box;
    if (rect) {
        box = MapRect(rect->left(), rect->top(), rect->right(), rect->bottom());
        if (options & kOpaque) cost += ClippedArea(box);
    }
    if (!Charge(cost)) return;

    painter_.save();
    if (rect && (options & kOpaque)) painter_.fillRect(box, st_.background);
    if (rect && (options & kClipped)) painter_.setClipRect(box, Qt::IntersectClip);
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

// Raster operations without a source: the selected brush, black or white.
void Player::PatternFill(uint32_t rop, double x, double y, double w, double h) {
    const QRectF r = MapRect(x, y, x + w, y + h);
    if (!Charge(ClippedArea(r))) return;
    switch (rop) {
        case 0x00F00021:
            painter_.fillRect(r, MakeBrush());
            break;  // PATCOPY
        case 0x00000042:
            painter_.fillRect(r, Qt::black);
            break;  // BLACKNESS
        case 0x00FF0062:
            painter_.fillRect(r, Qt::white);
            break;  // WHITENESS
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
    QImage part = pic.image.copy(source);
    if (flipX || flipY) part = part.mirrored(flipX, flipY);
    painter_.save();
    switch (rop) {
        case 0x008800C6:
            painter_.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
            break;
        case 0x00EE0086:
            painter_.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
            break;
        case 0x00660046:
            painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            break;
        case 0x00330008:
            painter_.setCompositionMode(QPainter::RasterOp_NotSource);
            break;
        default:
            break;  // SRCCOPY and the rest: a plain copy
    }
    painter_.drawImage(target, part);
    painter_.restore();
}

bool Player::AddObject(GdiObject o) {
    if (!freeSlots_.empty()) {
        const size_t slot = *freeSlots_.begin();
        freeSlots_.erase(freeSlots_.begin());
        objects_[slot] = std::move(o);
        return true;
    }
    if (objects_.size() >= tableSize_) return Fail("tabla de objetos del metarchivo llena");
    objects_.push_back(std::move(o));
    return true;
}

// The object at `index`, or null for an empty slot; an index past the table
// fails the load.
const GdiObject* Player::ObjectAt(uint32_t index) {
    if (index >= tableSize_) {
        Fail("objeto fuera de la tabla del metarchivo");
        return nullptr;
    }
    if (index >= objects_.size() || objects_[index].kind == GdiObject::Kind::Empty) return nullptr;
    return &objects_[index];
}

// Plays one record; false stops playback (error_ then says why). Records too
// short for their parameters, and records not drawn, are passed over.
bool Player::Play(const Record& r) {
    const Params p(r.params);
    switch (r.function) {
        case kSaveDc:
            if (saved_.size() >= kMaxSavedStates)
                return Fail("metarchivo con demasiados estados guardados");
            saved_.push_back(st_);
            break;
        case kRestoreDc: {
            if (!p.Has(1)) break;
            const int n = p.S(0);
            // Negative: that many levels back; positive: the n-th state saved.
            size_t keep = 0;
            if (n < 0 && static_cast<size_t>(-n) <= saved_.size())
                keep = saved_.size() + static_cast<size_t>(n);
            else if (n > 0 && static_cast<size_t>(n) <= saved_.size())
                keep = static_cast<size_t>(n) - 1;
            else
                break;
            st_ = saved_[keep];
            saved_.resize(keep);
            ApplyClip();
            break;
        }
        case kSetBkMode:
            if (p.Has(1)) st_.opaque = p.U(0) == 2;
            break;
        case kSetMapMode:
            if (p.Has(1) && p.U(0) >= kText && p.U(0) <= kAnisotropic)
                st_.mapMode = static_cast<int>(p.U(0));
            break;
        case kSetPolyFillMode:
            if (p.Has(1)) st_.fillRule = p.U(0) == 2 ? Qt::WindingFill : Qt::OddEvenFill;
            break;
        case kSetTextAlign:
            if (p.Has(1)) st_.textAlign = p.U(0);
            break;
        case kSetBkColor:
            if (p.Has(2)) st_.background = p.Color(0);
            break;
        case kSetTextColor:
            if (p.Has(2)) st_.text = p.Color(0);
            break;
        case kSetWindowOrg:
            if (p.Has(2)) st_.windowOrg = QPointF(p.S(1), p.S(0));
            break;
        case kSetViewportOrg:
            if (p.Has(2)) st_.viewportOrg = QPointF(p.S(1), p.S(0));
            break;
        case kOffsetWindowOrg:
            if (p.Has(2)) st_.windowOrg += QPointF(p.S(1), p.S(0));
            break;
        case kOffsetViewportOrg:
            if (p.Has(2)) st_.viewportOrg += QPointF(p.S(1), p.S(0));
            break;
        case kSetWindowExt:
        case kSetViewportExt:
            // A zero extent would divide by zero; GDI refuses it too.
            if (p.Has(2) && p.S(0) != 0 && p.S(1) != 0)
                (r.function == kSetWindowExt ? st_.windowExt : st_.viewportExt) =
                    QPointF(p.S(1), p.S(0));
            break;
        case kScaleWindowExt:
        case kScaleViewportExt: {
            if (!p.Has(4) || p.S(0) == 0 || p.S(2) == 0 || p.S(1) == 0 || p.S(3) == 0) break;
            QPointF& ext = r.function == kScaleWindowExt ? st_.windowExt : st_.viewportExt;
            const double x = std::clamp(ext.x() * p.S(3) / p.S(2), -1e9, 1e9);
            const double y = std::clamp(ext.y() * p.S(1) / p.S(0), -1e9, 1e9);
            if (x != 0 && y != 0) ext = QPointF(x, y);
            break;
        }
        case kMoveTo:
            if (p.Has(2)) st_.position = QPointF(p.S(1), p.S(0));
            break;
        case kLineTo: {
            if (!p.Has(2)) break;
            const QPointF a = Map(st_.position.x(), st_.position.y());
            st_.position = QPointF(p.S(1), p.S(0));
            const QPointF b = Map(st_.position.x(), st_.position.y());
            Shape(QRectF(a, b).normalized(), Length(a, b), false, [&] { painter_.drawLine(a, b); });
            break;
        }
        case kPolygon:
        case kPolyline: {
            QPolygonF poly;
            double length = 0;
            if (!p.Has(1) || !ReadPoints(p, 1, p.U(0), poly, length) || poly.isEmpty()) break;
            const bool closed = r.function == kPolygon;
            if (closed) length += Length(poly.back(), poly.front());
            Shape(poly.boundingRect(), length + static_cast<double>(poly.size()), closed, [&] {
                if (closed)
                    painter_.drawPolygon(poly, st_.fillRule);
                else
                    painter_.drawPolyline(poly);
            });
            break;
        }
        case kPolyPolygon: {
            if (!p.Has(1)) break;
            const size_t count = p.U(0);
            if (!p.Has(1 + count)) break;
            QPainterPath path;
            path.setFillRule(st_.fillRule);
            size_t at = 1 + count;
            double outline = 0;
            for (size_t i = 0; i < count; ++i) {
                QPolygonF poly;
                double length = 0;
                const size_t points = p.U(1 + i);
                if (!ReadPoints(p, at, points, poly, length)) return true;
                at += 2 * points;
                if (poly.isEmpty()) continue;
                outline += length + Length(poly.back(), poly.front()) + static_cast<double>(points);
                path.addPolygon(poly);
                path.closeSubpath();
            }
            Shape(path.boundingRect(), outline, true, [&] { painter_.drawPath(path); });
            break;
        }
        case kRectangle:
        case kEllipse:
        case kRoundRect: {
            const size_t at = r.function == kRoundRect ? 2 : 0;
            if (!p.Has(at + 4)) break;
            const QRectF box = MapRect(p.S(at + 3), p.S(at + 2), p.S(at + 1), p.S(at));
            const double outline =
                2 * std::min(box.width() + box.height(), 4.0 * (width_ + height_));
            Shape(box, outline, true, [&] {
                if (r.function == kRectangle) {
                    painter_.drawRect(box);
                } else if (r.function == kEllipse) {
                    painter_.drawEllipse(box);
                } else {
                    double sx = 1, sy = 1;
                    Scale(sx, sy);
                    const double rx = std::min(std::abs(p.S(1) * sx) / 2, box.width() / 2);
                    const double ry = std::min(std::abs(p.S(0) * sy) / 2, box.height() / 2);
                    painter_.drawRoundedRect(box, rx, ry);
                }
            });
            break;
        }
        case kArc:
        case kPie:
        case kChord:
            ArcFamily(p, r.function);
            break;
        case kSetPixel:
            if (p.Has(4) && Charge(1)) {
                const QPointF at = Map(p.S(3), p.S(2));
                painter_.fillRect(QRectF(std::floor(at.x()), std::floor(at.y()), 1, 1), p.Color(0));
            }
            break;
        case kTextOut: {
            if (!p.Has(1)) break;
            const size_t length = p.U(0);
            const size_t stringWords = (length + 1) / 2;
            if (!p.Has(1 + stringWords + 2)) break;
            Text(QPointF(p.S(2 + stringWords), p.S(1 + stringWords)), p.From(1).substr(0, length),
                 nullptr, 0, std::nullopt, 0);
            break;
        }
        case kExtTextOut: {
            if (!p.Has(4)) break;
            const size_t length = p.U(2);
            const uint32_t options = p.U(3);
            size_t at = 4;
            std::optional<QRectF> rect;
            if (options & 0x0006) {
                if (!p.Has(8)) break;
                rect = QRectF(QPointF(p.S(4), p.S(5)), QPointF(p.S(6), p.S(7)));
                at = 8;
            }
            const size_t stringWords = (length + 1) / 2;
            if (!p.Has(at + stringWords)) break;
            Text(QPointF(p.S(1), p.S(0)), p.From(at).substr(0, length), &p, at + stringWords, rect,
                 options);
            break;
        }
        case kPatBlt:
            if (p.Has(6)) PatternFill(p.U32(0), p.S(5), p.S(4), p.S(3), p.S(2));
            break;
        case kStretchDib:
            if (p.Has(11))
                Bitmap(p.U32(0), p.S(6), p.S(5), p.S(4), p.S(3), true, p.S(10), p.S(9), p.S(8),
                       p.S(7), p.From(11), static_cast<int>(p.U(2)));
            break;
        case kDibStretchBlt:
            if (p.Words() == 11)  // no bitmap: a pattern operation on the target
                PatternFill(p.U32(0), p.S(10), p.S(9), p.S(8), p.S(7));
            else if (p.Has(10))
                Bitmap(p.U32(0), p.S(5), p.S(4), p.S(3), p.S(2), false, p.S(9), p.S(8), p.S(7),
                       p.S(6), p.From(10), 0);
            break;
        case kDibBitBlt:
            if (p.Words() == 9)
                PatternFill(p.U32(0), p.S(8), p.S(7), p.S(6), p.S(5));
            else if (p.Has(8))
                Bitmap(p.U32(0), p.S(3), p.S(2), p.S(5), p.S(4), false, p.S(7), p.S(6), p.S(5),
                       p.S(4), p.From(8), 0);
            break;
        case kIntersectClipRect:
        case kExcludeClipRect: {
            if (!p.Has(4)) break;
            const QRect box = MapRect(p.S(3), p.S(2), p.S(1), p.S(0)).toRect();
            QRegion clip = st_.clip.value_or(QRegion(0, 0, width_, height_));
            // Each exclusion can split the region further; past a few hundred
            // pieces the cost grows faster than any picture needs.
            if (r.function == kExcludeClipRect && clip.rectCount() > 256) break;
            st_.clip =
                r.function == kIntersectClipRect ? clip.intersected(box) : clip.subtracted(box);
            ApplyClip();
            break;
        }
        case kSelectClipRegion:
            // Regions are not kept; selecting one is taken as removing the clip,
            // which is what files that select the empty region ask for.
            if (p.Has(1) && (static_cast<void>(ObjectAt(p.U(0))), !error_.empty())) return false;
            st_.clip.reset();
            ApplyClip();
            break;
        case kCreatePenIndirect: {
            if (!p.Has(5)) return AddObject({GdiObject::Kind::Other, {}, {}, {}});
            GdiObject o{GdiObject::Kind::Pen, {}, {}, {}};
            o.pen = {p.U(0), p.S(1), p.Color(3)};
            return AddObject(std::move(o));
        }
        case kCreateBrushIndirect: {
            if (!p.Has(4)) return AddObject({GdiObject::Kind::Other, {}, {}, {}});
            GdiObject o{GdiObject::Kind::Brush, {}, {}, {}};
            o.brush.style = p.U(0);
            o.brush.color = p.Color(1);
            o.brush.hatch = p.U(3);
            return AddObject(std::move(o));
        }
        case kDibCreatePatternBrush: {
            GdiObject o{GdiObject::Kind::Brush, {}, {}, {}};
            o.brush.style = 5;
            // Every pattern is kept while its object lives; together they stay
            // within the picture limit, past which patterns are drawn grey.
            if (p.Has(2) && patternBytes_ < limit_) {
                o.brush.pattern =
                    DecodeDib(p.From(2), static_cast<int>(p.U(1)), kPatternByteLimit).image;
                patternBytes_ += static_cast<uint64_t>(o.brush.pattern.sizeInBytes());
            }
            return AddObject(std::move(o));
        }
        case kCreatePatternBrush: {
            GdiObject o{GdiObject::Kind::Brush, {}, {}, {}};
            o.brush.style = 3;  // an old device bitmap: drawn grey
            return AddObject(std::move(o));
        }
        case kCreateFontIndirect: {
            if (!p.Has(9)) return AddObject({GdiObject::Kind::Other, {}, {}, {}});
            GdiObject o{GdiObject::Kind::Font, {}, {}, {}};
            FontSpec& f = o.font;
            f.height = p.S(0);
            f.escapement = p.S(2);
            f.weight = p.S(4);
            const std::string_view bytes = p.From(5);
            f.italic = bytes[0] != 0;
            f.underline = bytes[1] != 0;
            f.strikeOut = bytes[2] != 0;
            std::string_view face = bytes.substr(std::min<size_t>(8, bytes.size()), 32);
            face = face.substr(0, std::min(face.size(), face.find('\0')));
            f.face = AnsiToUnicode(face);
            return AddObject(std::move(o));
        }
        case kCreatePalette:
        case kCreateRegion:
            return AddObject({GdiObject::Kind::Other, {}, {}, {}});
        case kSelectObject:
        case kSelectPalette: {
            if (!p.Has(1)) break;
            const GdiObject* o = ObjectAt(p.U(0));
            if (!error_.empty()) return false;
            if (!o || r.function == kSelectPalette) break;
            if (o->kind == GdiObject::Kind::Pen) st_.pen = o->pen;
            if (o->kind == GdiObject::Kind::Brush) st_.brush = o->brush;
            if (o->kind == GdiObject::Kind::Font) st_.font = o->font;
            break;
        }
        case kDeleteObject: {
            if (!p.Has(1)) break;
            const uint32_t index = p.U(0);
            if (!ObjectAt(index)) return error_.empty();
            objects_[index] = GdiObject();
            freeSlots_.insert(index);
            break;
        }
        default:
            break;
    }
    return error_.empty();
}

}  // namespace

bool LooksLikeWmf(std::string_view b) {
    if (b.size() >= 4 && Le32(b, 0) == kPlaceableKey) return true;
    if (b.size() < 6) return false;
    const uint32_t type = Le16(b, 0), words = Le16(b, 2), version = Le16(b, 4);
    return (type == 1 || type == 2) && words == 9 && (version == 0x0100 || version == 0x0300);
}

PictureLoad PlayWmf(std::string_view bytes, uint64_t byteLimit) {
    return Player(bytes, byteLimit).Run();
}

}  // namespace glifora
