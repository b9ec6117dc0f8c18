#include "platform/wmf_player.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

#include "platform/arith.h"
#include "platform/gui_on_demand.h"
#include "platform/qt_raster.h"
#include "platform/wmf_playback.h"
#include "platform/wmf_records.h"

namespace glifora {
namespace wmf {
namespace {

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr size_t kPlaceableSize = 22;
constexpr size_t kHeaderSize = 18;
// Device coordinates are kept well inside what the rasteriser's fixed point
// holds; only absurd mappings ever reach this.
constexpr double kCoordLimit = 1e6;

// The metafile header: kept in memory or on disk, nine words long, of
// version 1 or 3 of the format.
constexpr uint32_t kMemoryMetafile = 1, kDiskMetafile = 2, kHeaderWords = 9;
constexpr uint32_t kVersion1 = 0x0100, kVersion3 = 0x0300;

bool IsHeader(uint32_t type, uint32_t words, uint32_t version) {
    return (type == kMemoryMetafile || type == kDiskMetafile) && words == kHeaderWords &&
           (version == kVersion1 || version == kVersion3);
}

}  // namespace

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
    if (!IsHeader(type, words, version)) return failed("cabecera de metarchivo no válida");
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

    // The first pass only measures what the records draw; the second paints,
    // with the drawing's device bounds mapped onto the picture when they
    // reach past it (see ViewOf).
    scanning_ = true;
    view_ = QRectF(0, 0, width_, height_);
    PlayRecords(recordsBegin, frame);
    if (!error_.empty()) return failed(error_);
    scanning_ = false;
    const QRectF picture(0, 0, width_, height_);
    view_ = ViewOf(picture, drawn_);
    viewScale_ = std::min(picture.width() / view_.width(), picture.height() / view_.height());

    out.raster = Raster(width_, height_, 0xFFFFFF);
    QImage image = ImageView(out.raster);
    painter_.begin(&image);
    if (view_ != picture)
        painter_.setWorldTransform(QTransform::fromScale(picture.width() / view_.width(),
                                                         picture.height() / view_.height())
                                       .translate(-view_.x(), -view_.y()));
    PlayRecords(recordsBegin, frame);
    painter_.end();
    if (!error_.empty()) return failed(error_);
    return out;
}

// Playback starts as if the caller had mapped `frame` onto the whole picture.
void Player::PlayRecords(size_t pos, const QRectF& frame) {
    st_ = DcState();
    st_.windowOrg = frame.topLeft();
    st_.windowExt = QPointF(frame.width(), frame.height());
    st_.viewportExt = QPointF(width_, height_);
    saved_.clear();
    objects_.clear();
    freeSlots_.clear();
    patternBytes_ = 0;
    budget_ = static_cast<double>(limit_) * 4;
    for (Record r;;) {
        std::string why;
        const Step step = NextRecord(b_, pos, r, why);
        if (step == Step::Broken) Fail(why);
        if (step != Step::Record || !Play(r)) break;
    }
}

// Files whose drawing stays on the picture keep the mapping they declare, so
// a drawing that leaves a margin inside its window keeps it. Past a pixel's
// rounding, the picture shows the declared area together with everything
// drawn, as Windows' conversion and other players show such files whole
// rather than cut off. Taking the union (not the drawing alone) keeps the
// view continuous as a drawing begins to cross the window's edge.
QRectF Player::ViewOf(const QRectF& picture, const std::optional<QRectF>& drawn) {
    constexpr double kSlack = 1;
    if (!drawn || (drawn->left() >= -kSlack && drawn->top() >= -kSlack &&
                   drawn->right() <= picture.right() + kSlack &&
                   drawn->bottom() <= picture.bottom() + kSlack))
        return picture;
    return QRectF(
        QPointF(std::min(picture.left(), drawn->left()), std::min(picture.top(), drawn->top())),
        QPointF(std::max(picture.right(), drawn->right()),
                std::max(picture.bottom(), drawn->bottom())));
}

// Bounds noted while scanning are cut by the clip the file has set: what the
// clip hides is not drawn.
void Player::NoteDrawn(QRectF r) {
    if (!scanning_) return;
    r = r.normalized();
    double l = r.left(), t = r.top(), rt = r.right(), b = r.bottom();
    if (st_.clip) {
        if (st_.clip->isEmpty()) return;
        const QRect c = st_.clip->boundingRect();
        l = std::max<double>(l, c.left()), t = std::max<double>(t, c.top());
        rt = std::min<double>(rt, c.left() + c.width());
        b = std::min<double>(b, c.top() + c.height());
        if (l > rt || t > b) return;
    }
    if (!drawn_) {
        drawn_ = QRectF(QPointF(l, t), QPointF(rt, b));
        return;
    }
    drawn_->setCoords(std::min(drawn_->left(), l), std::min(drawn_->top(), t),
                      std::max(drawn_->right(), rt), std::max(drawn_->bottom(), b));
}

QRegion Player::ClipBase() const {
    // While scanning nothing is cut at the picture's edge.
    constexpr int kFar = static_cast<int>(kCoordLimit) + 1;
    if (scanning_) return QRegion(-kFar, -kFar, 2 * kFar, 2 * kFar);
    return QRegion(view_.toAlignedRect());
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
double Player::Length(QPointF a, QPointF b) const {
    return std::min(std::hypot(a.x() - b.x(), a.y() - b.y()), 4.0 * (width_ + height_));
}

void Player::ApplyClip() {
    if (scanning_) return;  // nothing is painted
    if (st_.clip)
        painter_.setClipRegion(*st_.clip);
    else
        painter_.setClipping(false);
}

void Player::AddObject(GdiObject o) {
    if (!freeSlots_.empty()) {
        const size_t slot = *freeSlots_.begin();
        freeSlots_.erase(freeSlots_.begin());
        objects_[slot] = std::move(o);
        return;
    }
    if (objects_.size() >= tableSize_) {
        Fail("tabla de objetos del metarchivo llena");
        return;
    }
    objects_.push_back(std::move(o));
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

// Every record the player acts on, by family. The low byte of a record
// number is unique among records, so the table is indexed by it and the
// whole number checked.
Player::Handler Player::HandlerFor(uint16_t function) {
    static constexpr Entry kState[] = {
        {kSaveDc, &Player::OnSaveDc},
        {kRestoreDc, &Player::OnRestoreDc},
        {kSetBkMode, &Player::OnSetBkMode},
        {kSetMapMode, &Player::OnSetMapMode},
        {kSetPolyFillMode, &Player::OnSetPolyFillMode},
        {kSetTextAlign, &Player::OnSetTextAlign},
        {kSetBkColor, &Player::OnSetBkColor},
        {kSetTextColor, &Player::OnSetTextColor},
        {kSetWindowOrg, &Player::OnSetOrigin},
        {kSetViewportOrg, &Player::OnSetOrigin},
        {kOffsetWindowOrg, &Player::OnSetOrigin},
        {kOffsetViewportOrg, &Player::OnSetOrigin},
        {kSetWindowExt, &Player::OnSetExtent},
        {kSetViewportExt, &Player::OnSetExtent},
        {kScaleWindowExt, &Player::OnScaleExtent},
        {kScaleViewportExt, &Player::OnScaleExtent},
        {kIntersectClipRect, &Player::OnClipRect},
        {kExcludeClipRect, &Player::OnClipRect},
        {kSelectClipRegion, &Player::OnSelectClipRegion},
    };
    static constexpr Entry kObjects[] = {
        {kCreatePenIndirect, &Player::OnCreatePen},
        {kCreateBrushIndirect, &Player::OnCreateBrush},
        {kDibCreatePatternBrush, &Player::OnCreateDibPatternBrush},
        {kCreatePatternBrush, &Player::OnCreatePatternBrush},
        {kCreateFontIndirect, &Player::OnCreateFont},
        {kCreatePalette, &Player::OnCreateOther},
        {kCreateRegion, &Player::OnCreateOther},
        {kSelectObject, &Player::OnSelectObject},
        {kSelectPalette, &Player::OnSelectObject},
        {kDeleteObject, &Player::OnDeleteObject},
    };
    static constexpr Entry kDrawing[] = {
        {kMoveTo, &Player::OnMoveTo},
        {kLineTo, &Player::OnLineTo},
        {kPolygon, &Player::OnPoly},
        {kPolyline, &Player::OnPoly},
        {kPolyPolygon, &Player::OnPolyPolygon},
        {kRectangle, &Player::OnBox},
        {kEllipse, &Player::OnBox},
        {kRoundRect, &Player::OnBox},
        {kArc, &Player::OnArc},
        {kPie, &Player::OnArc},
        {kChord, &Player::OnArc},
        {kSetPixel, &Player::OnSetPixel},
    };
    static constexpr Entry kBitmaps[] = {
        {kPatBlt, &Player::OnPatBlt},
        {kStretchDib, &Player::OnStretchDib},
        {kDibStretchBlt, &Player::OnDibStretchBlt},
        {kDibBitBlt, &Player::OnDibBitBlt},
    };
    static constexpr Entry kText[] = {
        {kTextOut, &Player::OnTextOut},
        {kExtTextOut, &Player::OnExtTextOut},
    };
    static constexpr auto kIndex = [] {
        std::array<Entry, 256> index{};
        for (const auto& family : {std::span<const Entry>(kState), std::span<const Entry>(kObjects),
                                   std::span<const Entry>(kDrawing),
                                   std::span<const Entry>(kBitmaps), std::span<const Entry>(kText)})
            for (const Entry& e : family) {
                // Two records sharing a low byte would not compile: a throw
                // is not a constant expression.
                if (index[e.function & 0xFF].handler) throw "duplicate record slot";
                index[e.function & 0xFF] = e;
            }
        return index;
    }();
    const Entry& e = kIndex[function & 0xFF];
    return e.function == function ? e.handler : nullptr;
}

// Records too short for their parameters, and records not drawn, are passed over.
bool Player::Play(const Record& r) {
    if (const Handler handler = HandlerFor(r.function))
        (this->*handler)(Params(r.params), r.function);
    return error_.empty();
}

}  // namespace wmf

bool LooksLikeWmf(std::string_view b) {
    if (b.size() >= 4 && wmf::Le32(b, 0) == wmf::kPlaceableKey) return true;
    if (b.size() < 6) return false;
    return wmf::IsHeader(wmf::Le16(b, 0), wmf::Le16(b, 2), wmf::Le16(b, 4));
}

PictureLoad PlayWmf(std::string_view bytes, uint64_t byteLimit) {
    RequireGui();  // text records draw with fonts
    return wmf::Player(bytes, byteLimit).Run();
}

}  // namespace glifora
