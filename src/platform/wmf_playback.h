#pragma once
// The metafile player's inside, shared by its source files. One Player plays
// one file. Each record number has one handler, found through a dispatch
// table (wmf_player.cpp); the handlers are grouped by family:
//   wmf_state.cpp    device-context state, mapping, clipping and GDI objects;
//   wmf_draw.cpp     pens and brushes, lines and shapes, raster operations;
//   wmf_text.cpp     text.
// A handler reads only the parameters its record holds (a record too short
// for them is passed over) and reports a broken file through Fail; playback
// stops at the first failure.

#include <QPainter>
#include <QPolygonF>
#include <QRectF>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/picture_decoder.h"
#include "platform/wmf_records.h"

namespace glifora::wmf {

// Coordinates in a metafile are 16-bit, so no sensible picture is wider.
inline constexpr int kMaxSide = 32767;

class Player {
  public:
    Player(std::string_view bytes, uint64_t limit) : b_(bytes), limit_(limit) {}
    PictureLoad Run();

  private:
    using Handler = void (Player::*)(const Params& p, uint16_t function);
    struct Entry {
        uint16_t function = 0;
        Handler handler = nullptr;
    };
    // The handler of a record number, or null for records that are not drawn.
    static Handler HandlerFor(uint16_t function);

    bool Fail(std::string why) {
        if (error_.empty()) error_ = std::move(why);
        return false;
    }
    void PlayRecords(size_t pos, const QRectF& frame);
    // Plays one record; false stops playback (error_ then says why).
    bool Play(const Record& r);

    // The part of the first mapping's device space that the picture shows.
    static QRectF ViewOf(const QRectF& picture, const std::optional<QRectF>& drawn);
    // Adds device bounds to what the records draw (only while scanning).
    void NoteDrawn(QRectF r);
    // The region clip records start from when no clip is set.
    QRegion ClipBase() const;

    // Mapping from logical units to picture pixels.
    void Scale(double& sx, double& sy) const;
    QPointF Map(double x, double y) const;
    QRectF MapRect(double l, double t, double r, double b) const {
        return QRectF(Map(l, t), Map(r, b)).normalized();
    }

    // Drawing work is paid for out of one budget; an exhausted budget fails the load.
    bool Charge(double cost);
    // Picture pixels covered by `r` (device units).
    double ClippedArea(const QRectF& r) const {
        const QRectF c = r.intersected(view_);
        return c.isEmpty() ? 0 : c.width() * c.height() * viewScale_ * viewScale_;
    }
    double Length(QPointF a, QPointF b) const;

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
    void Text(QPointF logical, std::string_view ansi, const Params* dx, size_t dxWord,
              std::optional<QRectF> rect, uint32_t options);
    void PatternFill(uint32_t rop, double x, double y, double w, double h);
    void Bitmap(uint32_t rop, int sx, int sy, int sw, int sh, bool fromBottom, double dx, double dy,
                double dw, double dh, std::string_view dib, int usage);

    void AddObject(GdiObject o);
    const GdiObject* ObjectAt(uint32_t index);

    // State family (wmf_state.cpp).
    void OnSaveDc(const Params& p, uint16_t function);
    void OnRestoreDc(const Params& p, uint16_t function);
    void OnSetBkMode(const Params& p, uint16_t function);
    void OnSetMapMode(const Params& p, uint16_t function);
    void OnSetPolyFillMode(const Params& p, uint16_t function);
    void OnSetTextAlign(const Params& p, uint16_t function);
    void OnSetBkColor(const Params& p, uint16_t function);
    void OnSetTextColor(const Params& p, uint16_t function);
    void OnSetOrigin(const Params& p, uint16_t function);
    void OnSetExtent(const Params& p, uint16_t function);
    void OnScaleExtent(const Params& p, uint16_t function);
    void OnClipRect(const Params& p, uint16_t function);
    void OnSelectClipRegion(const Params& p, uint16_t function);
    // Object family (wmf_state.cpp).
    void OnCreatePen(const Params& p, uint16_t function);
    void OnCreateBrush(const Params& p, uint16_t function);
    void OnCreateDibPatternBrush(const Params& p, uint16_t function);
    void OnCreatePatternBrush(const Params& p, uint16_t function);
    void OnCreateFont(const Params& p, uint16_t function);
    void OnCreateOther(const Params& p, uint16_t function);
    void OnSelectObject(const Params& p, uint16_t function);
    void OnDeleteObject(const Params& p, uint16_t function);
    // Drawing family (wmf_draw.cpp).
    void OnMoveTo(const Params& p, uint16_t function);
    void OnLineTo(const Params& p, uint16_t function);
    void OnPoly(const Params& p, uint16_t function);
    void OnPolyPolygon(const Params& p, uint16_t function);
    void OnBox(const Params& p, uint16_t function);
    void OnArc(const Params& p, uint16_t function);
    void OnSetPixel(const Params& p, uint16_t function);
    // Bitmap family (wmf_draw.cpp).
    void OnPatBlt(const Params& p, uint16_t function);
    void OnStretchDib(const Params& p, uint16_t function);
    void OnDibStretchBlt(const Params& p, uint16_t function);
    void OnDibBitBlt(const Params& p, uint16_t function);
    // Text family (wmf_text.cpp).
    void OnTextOut(const Params& p, uint16_t function);
    void OnExtTextOut(const Params& p, uint16_t function);

    std::string_view b_;
    uint64_t limit_;
    std::string error_;
    int width_ = 0, height_ = 0;
    // Records are played twice: a scan that paints nothing and notes the
    // device bounds of what is drawn, then the painting pass. Device units
    // are those of the mapping the file starts with; `view_` is the part of
    // them the picture shows, `viewScale_` the smaller of its two scales.
    bool scanning_ = false;
    std::optional<QRectF> drawn_;
    QRectF view_;
    double viewScale_ = 1;
    double budget_ = 0;
    uint64_t patternBytes_ = 0;
    QPainter painter_;
    DcState st_;
    std::vector<DcState> saved_;
    size_t tableSize_ = 0;
    std::vector<GdiObject> objects_;
    std::set<size_t> freeSlots_;  // empty slots below objects_.size()
};

}  // namespace glifora::wmf
