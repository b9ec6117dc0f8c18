// Record handlers of the state family (device-context attributes, mapping,
// clipping, saved states) and of the object family (creating, selecting and
// deleting pens, brushes, fonts and the objects that are only counted).

#include <algorithm>
#include <cstdlib>

#include "platform/ansi.h"
#include "platform/wmf_dib.h"
#include "platform/wmf_playback.h"

namespace glifora::wmf {
namespace {

constexpr size_t kMaxSavedStates = 1024;
// Pattern brushes are small tiles; a larger bitmap is not worth keeping per object.
constexpr uint64_t kPatternByteLimit = 256 * 256 * 4;
// Each exclusion can split the clip region further; past a few hundred pieces
// the cost grows faster than any picture needs.
constexpr int kMaxClipPieces = 256;

}  // namespace

void Player::OnSaveDc(const Params&, uint16_t) {
    if (saved_.size() >= kMaxSavedStates) {
        Fail("metarchivo con demasiados estados guardados");
        return;
    }
    saved_.push_back(st_);
}

void Player::OnRestoreDc(const Params& p, uint16_t) {
    if (!p.Has(1)) return;
    const int n = p.S(0);
    // Negative: that many levels back; positive: the n-th state saved.
    size_t keep = 0;
    if (n < 0 && static_cast<size_t>(-n) <= saved_.size())
        keep = saved_.size() + static_cast<size_t>(n);
    else if (n > 0 && static_cast<size_t>(n) <= saved_.size())
        keep = static_cast<size_t>(n) - 1;
    else
        return;
    st_ = saved_[keep];
    saved_.resize(keep);
    ApplyClip();
}

void Player::OnSetBkMode(const Params& p, uint16_t) {
    if (p.Has(1)) st_.opaque = p.U(0) == kBkOpaque;
}

void Player::OnSetMapMode(const Params& p, uint16_t) {
    if (p.Has(1) && p.U(0) >= kText && p.U(0) <= kAnisotropic)
        st_.mapMode = static_cast<int>(p.U(0));
}

void Player::OnSetPolyFillMode(const Params& p, uint16_t) {
    if (p.Has(1)) st_.fillRule = p.U(0) == kFillWinding ? Qt::WindingFill : Qt::OddEvenFill;
}

void Player::OnSetTextAlign(const Params& p, uint16_t) {
    if (p.Has(1)) st_.textAlign = p.U(0);
}

void Player::OnSetBkColor(const Params& p, uint16_t) {
    if (p.Has(2)) st_.background = p.Color(0);
}

void Player::OnSetTextColor(const Params& p, uint16_t) {
    if (p.Has(2)) st_.text = p.Color(0);
}

// Origins are set or moved; the parameters come y first.
void Player::OnSetOrigin(const Params& p, uint16_t function) {
    if (!p.Has(2)) return;
    const QPointF value(p.S(1), p.S(0));
    switch (function) {
        case kSetWindowOrg:
            st_.windowOrg = value;
            break;
        case kSetViewportOrg:
            st_.viewportOrg = value;
            break;
        case kOffsetWindowOrg:
            st_.windowOrg += value;
            break;
        case kOffsetViewportOrg:
            st_.viewportOrg += value;
            break;
        default:
            break;
    }
}

void Player::OnSetExtent(const Params& p, uint16_t function) {
    // A zero extent would divide by zero; GDI refuses it too.
    if (p.Has(2) && p.S(0) != 0 && p.S(1) != 0)
        (function == kSetWindowExt ? st_.windowExt : st_.viewportExt) = QPointF(p.S(1), p.S(0));
}

void Player::OnScaleExtent(const Params& p, uint16_t function) {
    if (!p.Has(4) || p.S(0) == 0 || p.S(2) == 0 || p.S(1) == 0 || p.S(3) == 0) return;
    QPointF& ext = function == kScaleWindowExt ? st_.windowExt : st_.viewportExt;
    const double x = std::clamp(ext.x() * p.S(3) / p.S(2), -1e9, 1e9);
    const double y = std::clamp(ext.y() * p.S(1) / p.S(0), -1e9, 1e9);
    if (x != 0 && y != 0) ext = QPointF(x, y);
}

void Player::OnClipRect(const Params& p, uint16_t function) {
    if (!p.Has(4)) return;
    const QRect box = MapRect(p.S(3), p.S(2), p.S(1), p.S(0)).toRect();
    QRegion clip = st_.clip.value_or(ClipBase());
    if (function == kExcludeClipRect && clip.rectCount() > kMaxClipPieces) return;
    st_.clip = function == kIntersectClipRect ? clip.intersected(box) : clip.subtracted(box);
    ApplyClip();
}

// Regions are not kept; selecting one is taken as removing the clip, which is
// what files that select the empty region ask for.
void Player::OnSelectClipRegion(const Params& p, uint16_t) {
    if (p.Has(1)) {
        static_cast<void>(ObjectAt(p.U(0)));
        if (!error_.empty()) return;
    }
    st_.clip.reset();
    ApplyClip();
}

void Player::OnCreatePen(const Params& p, uint16_t) {
    if (!p.Has(5)) return AddObject({GdiObject::Kind::Other, {}, {}, {}});
    GdiObject o{GdiObject::Kind::Pen, {}, {}, {}};
    o.pen = {p.U(0), p.S(1), p.Color(3)};
    AddObject(std::move(o));
}

void Player::OnCreateBrush(const Params& p, uint16_t) {
    if (!p.Has(4)) return AddObject({GdiObject::Kind::Other, {}, {}, {}});
    GdiObject o{GdiObject::Kind::Brush, {}, {}, {}};
    o.brush.style = p.U(0);
    o.brush.color = p.Color(1);
    o.brush.hatch = p.U(3);
    AddObject(std::move(o));
}

void Player::OnCreateDibPatternBrush(const Params& p, uint16_t) {
    GdiObject o{GdiObject::Kind::Brush, {}, {}, {}};
    o.brush.style = kBrushDibPattern;
    // Every pattern is kept while its object lives; together they stay
    // within the picture limit, past which patterns are drawn grey.
    if (p.Has(2) && patternBytes_ < limit_) {
        o.brush.pattern = DecodeDib(p.From(2), static_cast<int>(p.U(1)), kPatternByteLimit).image;
        patternBytes_ += static_cast<uint64_t>(o.brush.pattern.sizeInBytes());
    }
    AddObject(std::move(o));
}

void Player::OnCreatePatternBrush(const Params&, uint16_t) {
    GdiObject o{GdiObject::Kind::Brush, {}, {}, {}};
    o.brush.style = kBrushPattern;  // an old device bitmap: drawn grey
    AddObject(std::move(o));
}

void Player::OnCreateFont(const Params& p, uint16_t) {
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
    AddObject(std::move(o));
}

// Palettes and regions take a slot in the object table but are not used.
void Player::OnCreateOther(const Params&, uint16_t) {
    AddObject({GdiObject::Kind::Other, {}, {}, {}});
}

void Player::OnSelectObject(const Params& p, uint16_t function) {
    if (!p.Has(1)) return;
    const GdiObject* o = ObjectAt(p.U(0));
    if (!o || function == kSelectPalette) return;
    if (o->kind == GdiObject::Kind::Pen) st_.pen = o->pen;
    if (o->kind == GdiObject::Kind::Brush) st_.brush = o->brush;
    if (o->kind == GdiObject::Kind::Font) st_.font = o->font;
}

void Player::OnDeleteObject(const Params& p, uint16_t) {
    if (!p.Has(1)) return;
    const uint32_t index = p.U(0);
    if (!ObjectAt(index)) return;
    objects_[index] = GdiObject();
    freeSlots_.insert(index);
}

}  // namespace glifora::wmf
