#pragma once
// What the metafile player reads and keeps: record numbers, the record walk,
// and the drawing state (objects and the saved device-context state).

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRegion>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace glifora::wmf {

// Record functions (the low byte names the call, the high byte is its usual
// parameter count; only the whole value is compared).
enum : uint16_t {
    kEof = 0x0000,
    kSaveDc = 0x001E,
    kSetBkMode = 0x0102,
    kSetMapMode = 0x0103,
    kSetPolyFillMode = 0x0106,
    kRestoreDc = 0x0127,
    kSelectClipRegion = 0x012C,
    kSelectObject = 0x012D,
    kSetTextAlign = 0x012E,
    kDibCreatePatternBrush = 0x0142,
    kDeleteObject = 0x01F0,
    kCreatePatternBrush = 0x01F9,
    kSetBkColor = 0x0201,
    kSetTextColor = 0x0209,
    kSetWindowOrg = 0x020B,
    kSetWindowExt = 0x020C,
    kSetViewportOrg = 0x020D,
    kSetViewportExt = 0x020E,
    kOffsetWindowOrg = 0x020F,
    kOffsetViewportOrg = 0x0211,
    kLineTo = 0x0213,
    kMoveTo = 0x0214,
    kSelectPalette = 0x0234,
    kCreatePalette = 0x00F7,
    kCreatePenIndirect = 0x02FA,
    kCreateFontIndirect = 0x02FB,
    kCreateBrushIndirect = 0x02FC,
    kPolygon = 0x0324,
    kPolyline = 0x0325,
    kScaleWindowExt = 0x0410,
    kScaleViewportExt = 0x0412,
    kExcludeClipRect = 0x0415,
    kIntersectClipRect = 0x0416,
    kEllipse = 0x0418,
    kRectangle = 0x041B,
    kSetPixel = 0x041F,
    kTextOut = 0x0521,
    kPolyPolygon = 0x0538,
    kRoundRect = 0x061C,
    kPatBlt = 0x061D,
    kCreateRegion = 0x06FF,
    kArc = 0x0817,
    kPie = 0x081A,
    kChord = 0x0830,
    kDibBitBlt = 0x0940,
    kExtTextOut = 0x0A32,
    kDibStretchBlt = 0x0B41,
    kStretchDib = 0x0F43,
};

// Pen styles: the line pattern in the low nibble, then the end cap and the join.
enum : uint32_t {
    kPenStyleMask = 0x000F,
    kPenSolid = 0,
    kPenDash = 1,
    kPenDot = 2,
    kPenDashDot = 3,
    kPenDashDotDot = 4,
    kPenNull = 5,
    kPenCapMask = 0x0F00,
    kPenCapSquare = 0x0100,
    kPenCapFlat = 0x0200,
    kPenJoinMask = 0xF000,
    kPenJoinBevel = 0x1000,
    kPenJoinMiter = 0x2000,
};

// Brush styles; hatch styles run from 0 to kHatchCount - 1.
enum : uint32_t {
    kBrushSolid = 0,
    kBrushNull = 1,
    kBrushHatched = 2,
    kBrushPattern = 3,     // an old device bitmap
    kBrushDibPattern = 5,  // a device-independent bitmap
    kHatchCount = 6,
};

enum : uint32_t { kBkTransparent = 1, kBkOpaque = 2 };
enum : uint32_t { kFillAlternate = 1, kFillWinding = 2 };

// Text alignment: the horizontal and vertical choices are fields, not single bits.
enum : uint32_t {
    kAlignUpdateCp = 0x0001,
    kAlignHorizontalMask = 0x0006,
    kAlignRight = 0x0002,
    kAlignCenter = 0x0006,
    kAlignVerticalMask = 0x0018,
    kAlignBottom = 0x0008,
    kAlignBaseline = 0x0018,
};

// ExtTextOut options.
enum : uint32_t { kTextOpaque = 0x0002, kTextClipped = 0x0004 };

// Ternary raster operations the player honours; every other one is a plain copy.
enum : uint32_t {
    kRopBlackness = 0x00000042,
    kRopNotSrcCopy = 0x00330008,
    kRopSrcInvert = 0x00660046,
    kRopSrcAnd = 0x008800C6,
    kRopSrcCopy = 0x00CC0020,
    kRopSrcPaint = 0x00EE0086,
    kRopPatCopy = 0x00F00021,
    kRopWhiteness = 0x00FF0062,
};

// A DIB colour table of palette indexes rather than colours.
inline constexpr int kDibPalColors = 1;

enum MapMode {
    kText = 1,
    kLoMetric,
    kHiMetric,
    kLoEnglish,
    kHiEnglish,
    kTwips,
    kIsotropic,
    kAnisotropic
};

inline uint32_t Le16(std::string_view b, size_t at) {
    return static_cast<uint32_t>(static_cast<uint8_t>(b[at])) |
           static_cast<uint32_t>(static_cast<uint8_t>(b[at + 1])) << 8;
}
inline uint32_t Le32(std::string_view b, size_t at) {
    return Le16(b, at) | Le16(b, at + 2) << 16;
}
inline int S16(std::string_view b, size_t at) {
    return static_cast<int16_t>(Le16(b, at));
}

// The parameters of one record: the 16-bit words after its 6-byte header.
class Params {
  public:
    explicit Params(std::string_view p) : p_(p) {}
    [[nodiscard]] bool Has(size_t words) const { return p_.size() / 2 >= words; }
    [[nodiscard]] size_t Words() const { return p_.size() / 2; }
    [[nodiscard]] uint32_t U(size_t i) const { return Le16(p_, 2 * i); }
    [[nodiscard]] int S(size_t i) const { return S16(p_, 2 * i); }
    [[nodiscard]] uint32_t U32(size_t i) const { return Le32(p_, 2 * i); }
    // A COLORREF: red, green, blue, flags. Palette-relative colours are taken
    // as the plain colour they carry.
    [[nodiscard]] QColor Color(size_t i) const {
        return QColor(static_cast<uint8_t>(p_[2 * i]), static_cast<uint8_t>(p_[2 * i + 1]),
                      static_cast<uint8_t>(p_[2 * i + 2]));
    }
    [[nodiscard]] std::string_view From(size_t word) const {
        return 2 * word >= p_.size() ? std::string_view() : p_.substr(2 * word);
    }

  private:
    std::string_view p_;
};

struct Record {
    uint16_t function = 0;
    std::string_view params;
};

enum class Step { Record, End, Broken };

// Reads the record at `pos` and moves past it. The records must end with the
// end-of-file record; running out of bytes first is a file cut short.
inline Step NextRecord(std::string_view b, size_t& pos, Record& r, std::string& why) {
    if (b.size() - pos < 6) {
        why = "metarchivo incompleto";
        return Step::Broken;
    }
    const uint64_t words = Le32(b, pos);
    if (words < 3) {
        why = "registro de metarchivo con longitud no válida";
        return Step::Broken;
    }
    if (words * 2 > b.size() - pos) {
        why = "registro de metarchivo que pasa del final del archivo";
        return Step::Broken;
    }
    r.function = static_cast<uint16_t>(Le16(b, pos + 4));
    r.params = b.substr(pos + 6, static_cast<size_t>(words * 2 - 6));
    pos += static_cast<size_t>(words * 2);
    return r.function == kEof ? Step::End : Step::Record;
}

struct PenSpec {
    uint32_t style = 0;
    int width = 0;
    QColor color = Qt::black;
};

struct BrushSpec {
    uint32_t style = 0;  // 0 solid, 1 null, 2 hatched, 3 and 5 pattern
    QColor color = Qt::white;
    uint32_t hatch = 0;
    QImage pattern;
};

struct FontSpec {
    int height = 0;
    int escapement = 0;
    int weight = 400;
    bool italic = false, underline = false, strikeOut = false;
    QString face;
};

struct GdiObject {
    enum class Kind { Empty, Pen, Brush, Font, Other } kind = Kind::Empty;
    PenSpec pen;
    BrushSpec brush;
    FontSpec font;
};

// Everything SAVEDC keeps.
struct DcState {
    PenSpec pen;
    BrushSpec brush;
    FontSpec font;
    QColor background = Qt::white;
    QColor text = Qt::black;
    bool opaque = true;
    uint32_t textAlign = 0;
    Qt::FillRule fillRule = Qt::OddEvenFill;
    int mapMode = kAnisotropic;
    QPointF windowOrg, windowExt{1, 1}, viewportOrg, viewportExt{1, 1};
    QPointF position;             // current position, logical units
    std::optional<QRegion> clip;  // device pixels; none = whole picture
};

}  // namespace glifora::wmf
