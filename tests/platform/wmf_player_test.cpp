#include "platform/wmf_player.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <string>
#include <vector>

#include "platform/picture_decoder.h"
#include "platform/qt_raster.h"
#include "test_support.h"

namespace glifora {
namespace {

// A tiny metafile writer: records of 16-bit words, then the headers.
class Wmf {
  public:
    Wmf& Rec(uint16_t function, const std::vector<int>& words, std::string raw = "") {
        std::string body;
        for (int w : words) Put16(body, w);
        body += raw;
        if (body.size() % 2) body.push_back('\0');
        const auto length = static_cast<uint32_t>(3 + body.size() / 2);
        largest_ = std::max(largest_, length);
        Put32(records_, length);
        Put16(records_, function);
        records_ += body;
        return *this;
    }
    [[nodiscard]] std::string Plain(int objects = 8) const {
        std::string out;
        const std::string body = records_ + std::string("\x03\0\0\0\0\0", 6);
        Put16(out, 1), Put16(out, 9), Put16(out, 0x300);
        Put32(out, static_cast<uint32_t>((18 + body.size()) / 2));
        Put16(out, objects), Put32(out, largest_), Put16(out, 0);
        return out + body;
    }
    [[nodiscard]] std::string Placeable(int left, int top, int right, int bottom, int inch,
                                        int objects = 8) const {
        std::string out;
        Put32(out, 0x9AC6CDD7), Put16(out, 0);
        Put16(out, left), Put16(out, top), Put16(out, right), Put16(out, bottom);
        Put16(out, inch), Put32(out, 0), Put16(out, 0);
        return out + Plain(objects);
    }

    static void Put16(std::string& s, int v) {
        s.push_back(static_cast<char>(v & 0xFF));
        s.push_back(static_cast<char>((v >> 8) & 0xFF));
    }
    static void Put32(std::string& s, uint32_t v) {
        Put16(s, static_cast<int>(v & 0xFFFF));
        Put16(s, static_cast<int>(v >> 16));
    }

  private:
    std::string records_;
    uint32_t largest_ = 3;  // the header's largest record, in words (other players check it)
};

// COLORREF as two words: red | green << 8, blue.
int Lo(int r, int g) {
    return r | g << 8;
}

// Record numbers, named as the format names them.
constexpr uint16_t SAVEDC = 0x001E, SETBKMODE = 0x0102, SETMAPMODE = 0x0103,
                   SETPOLYFILLMODE = 0x0106, RESTOREDC = 0x0127, SELECTOBJECT = 0x012D,
                   SETTEXTALIGN = 0x012E, DELETEOBJECT = 0x01F0, SETBKCOLOR = 0x0201,
                   SETTEXTCOLOR = 0x0209, SETWINDOWORG = 0x020B, SETWINDOWEXT = 0x020C,
                   SETVIEWPORTORG = 0x020D, SETVIEWPORTEXT = 0x020E, LINETO = 0x0213,
                   MOVETO = 0x0214, CREATEPENINDIRECT = 0x02FA, CREATEFONTINDIRECT = 0x02FB,
                   CREATEBRUSHINDIRECT = 0x02FC, POLYGON = 0x0324, POLYLINE = 0x0325,
                   ELLIPSE = 0x0418, RECTANGLE = 0x041B, TEXTOUT = 0x0521, POLYPOLYGON = 0x0538,
                   ROUNDRECT = 0x061C, ARC = 0x0817, PIE = 0x081A, CHORD = 0x0830,
                   DIBBITBLT = 0x0940, EXTTEXTOUT = 0x0A32, DIBSTRETCHBLT = 0x0B41,
                   STRETCHDIB = 0x0F43;

const ColorValue kWhite = MakeColor(255, 255, 255), kRed = MakeColor(255, 0, 0),
                 kBlue = MakeColor(0, 0, 255), kGreen = MakeColor(0, 255, 0),
                 kBlack = MakeColor(0, 0, 0);

// Null pen and a brush of the colour, solid or (style 2) horizontally hatched,
// selected (objects 0 and 1 when fresh).
Wmf& Fill(Wmf& w, int r, int g, int b, int style = 0) {
    return w.Rec(CREATEPENINDIRECT, {5, 0, 0, 0, 0})
        .Rec(SELECTOBJECT, {0})
        .Rec(CREATEBRUSHINDIRECT, {style, Lo(r, g), b, 0})
        .Rec(SELECTOBJECT, {1});
}

// Checks (x, y, colour) triples.
void ExpectPixels(const Raster& r, std::initializer_list<int> triples) {
    for (auto t = triples.begin(); t + 2 < triples.end(); t += 3)
        EXPECT_EQ(r.Pixel(t[0], t[1]), t[2]) << "at " << t[0] << ", " << t[1];
}

// A placeable file of 100 x 100 pixels, one unit a pixel.
std::string Square(const Wmf& w, int objects = 8) {
    return w.Placeable(0, 0, 100, 100, 96, objects);
}

// Pixels of colour `c` in columns x0..x1 and rows y0..y1 (the whole height by default).
int Count(const Raster& r, ColorValue c, int x0, int x1, int y0 = 0, int y1 = -1) {
    int n = 0;
    for (int y = y0; y < (y1 < 0 ? r.Height() : y1); ++y)
        for (int x = x0; x < x1; ++x) n += r.Pixel(x, y) == c;
    return n;
}

Raster Play(const std::string& bytes) {
    const PictureLoad load = DecodePictureData(bytes);
    EXPECT_TRUE(load.Ok()) << load.error;
    return load.raster;
}

// A 24-bit bottom-up DIB of 2 x 2 pixels: top row red, blue; bottom row green, white.
std::string Dib2x2() {
    std::string d;
    Wmf::Put32(d, 40), Wmf::Put32(d, 2), Wmf::Put32(d, 2);
    Wmf::Put16(d, 1), Wmf::Put16(d, 24);
    for (int i = 0; i < 6; ++i) Wmf::Put32(d, 0);
    d += std::string("\x00\xff\x00\xff\xff\xff\0\0", 8);  // bottom row first (BGR)
    d += std::string("\x00\x00\xff\xff\x00\x00\0\0", 8);
    return d;
}

TEST(WmfPlayer, SizeComesFromThePlaceableBoxOrTheWindowExtentAndTheWindowMapsOntoIt) {
    const Raster empty = Play(Wmf().Placeable(0, 0, 1440, 720, 1440));
    EXPECT_EQ(empty.Width(), 96);
    EXPECT_EQ(empty.Height(), 48);
    EXPECT_EQ(empty.Pixel(50, 20), kWhite);
    Wmf plain;
    plain.Rec(SETWINDOWORG, {0, 0}).Rec(SETWINDOWEXT, {-20, 30});
    const Raster p = Play(plain.Plain());
    EXPECT_EQ(p.Width(), 30);  // a negative extent turns the axis round
    EXPECT_EQ(p.Height(), 20);

    // A 100 x 100 picture whose window is 0..1000: a rectangle over the left
    // half of the window covers the left half of the picture.
    Wmf w;
    w.Rec(SETMAPMODE, {8}).Rec(SETWINDOWORG, {0, 0}).Rec(SETWINDOWEXT, {1000, 1000});
    Fill(w, 255, 0, 0).Rec(RECTANGLE, {1000, 500, 0, 0});
    ExpectPixels(Play(Square(w)), {10, 50, kRed, 90, 50, kWhite});

    // A window origin of (-50, -50) in a 100 x 100 window puts logical 0 at the centre.
    Wmf o;
    o.Rec(SETWINDOWORG, {-50, -50}).Rec(SETWINDOWEXT, {100, 100});
    Fill(o, 0, 0, 255).Rec(RECTANGLE, {50, 50, 0, 0});
    ExpectPixels(Play(Square(o)), {25, 25, kWhite, 75, 75, kBlue});

    // The viewport is in pixels: extent 50 halves the drawing, origin shifts it.
    Wmf v;
    v.Rec(SETWINDOWEXT, {100, 100}).Rec(SETVIEWPORTEXT, {50, 50}).Rec(SETVIEWPORTORG, {40, 40});
    Fill(v, 0, 255, 0).Rec(RECTANGLE, {100, 100, 0, 0});
    ExpectPixels(Play(Square(v)), {30, 30, kWhite, 60, 60, kGreen, 95, 95, kWhite});

    // Twips: 1440 a inch is 96 pixels, y grows upwards from the origin.
    Wmf t;
    t.Rec(SETMAPMODE, {6});
    Fill(t, 255, 0, 0).Rec(RECTANGLE, {-720, 720, 0, 0});
    ExpectPixels(Play(Square(t)), {20, 20, kRed, 60, 20, kWhite, 20, 60, kWhite});

    // Unlike libwmf, a drawing that stays inside its window keeps its margin;
    // so does one whose clip hides what it draws past the window.
    Wmf in, clipped;
    Fill(in, 255, 0, 0).Rec(RECTANGLE, {60, 60, 40, 40});
    ExpectPixels(Play(Square(in)), {50, 50, kRed, 30, 30, kWhite});
    clipped.Rec(0x0416, {100, 100, 0, 0});  // INTERSECTCLIPRECT
    Fill(clipped, 255, 0, 0).Rec(RECTANGLE, {300, 300, 50, 50});
    ExpectPixels(Play(Square(clipped)), {40, 40, kWhite, 60, 60, kRed});
}

TEST(WmfPlayer, ClosedShapesFillWithTheBrushAndFollowTheFillMode) {
    Wmf w;
    // Records the player does not know are passed over by their length.
    w.Rec(0x0626, {0x0F, 6, 1, 2, 3, 4, 5, 6}).Rec(0x7777, {1, 2, 3});  // an escape, with data
    Fill(w, 0, 0, 255)
        .Rec(ELLIPSE, {40, 40, 0, 0})
        .Rec(ROUNDRECT, {10, 10, 40, 100, 0, 60})
        .Rec(POLYGON, {3, 0, 50, 40, 50, 0, 90});
    // Two nested squares: alternate leaves the inner one empty, winding fills it.
    const std::initializer_list<int> squares = {2,  4,  4,  50, 50, 90, 50, 90, 90, 50,
                                                90, 60, 60, 80, 60, 80, 80, 60, 80};
    w.Rec(POLYPOLYGON, squares);
    const Raster r = Play(Square(w));
    // The ellipse's centre and a corner of its box, the round rectangle, the
    // triangle, then the squares.
    ExpectPixels(r, {20, 20, kBlue, 1, 1, kWhite, 80, 20, kBlue});
    ExpectPixels(r, {5, 60, kBlue, 35, 60, kWhite, 55, 55, kBlue});
    ExpectPixels(r, {70, 70, kWhite});

    Wmf winding;
    Fill(winding, 0, 0, 255).Rec(SETPOLYFILLMODE, {2}).Rec(POLYPOLYGON, squares);
    EXPECT_EQ(Play(Square(winding)).Pixel(70, 70), kBlue);
}

TEST(WmfPlayer, LinesArcsPiesAndChordsUseThePen) {
    Wmf w;
    Fill(w, 0, 0, 255)
        .Rec(CREATEPENINDIRECT, {0, 3, 0, Lo(255, 0), 0})  // red, 3 units wide
        .Rec(SELECTOBJECT, {2})
        .Rec(MOVETO, {10, 0})
        .Rec(LINETO, {10, 100})
        .Rec(POLYLINE, {2, 90, 0, 90, 100})
        // A pie from the right (3 o'clock) to the top (12 o'clock): the upper right quarter.
        .Rec(PIE, {20, 40, 40, 60, 60, 60, 20, 20})
        // An arc over the same ends draws only the curve.
        .Rec(ARC, {20, 80, 40, 100, 60, 100, 20, 60})
        // A chord from the top to the bottom: the left half of its circle.
        .Rec(CHORD, {100, 80, 60, 80, 100, 100, 60, 60});
    const Raster r = Play(Square(w));
    // The two lines, inside and outside the pie's quarter, inside the arc's
    // circle (not filled), the chord's left half and outside it.
    ExpectPixels(r, {50, 10, kRed, 90, 50, kRed, 48, 32, kBlue});
    ExpectPixels(r, {32, 48, kWhite, 70, 30, kWhite, 66, 80, kBlue});
    ExpectPixels(r, {95, 80, kWhite});
}

TEST(WmfPlayer, SavedStateAndObjectSlotsBehaveAsInGdi) {
    Wmf w;
    Fill(w, 255, 0, 0)
        .Rec(SAVEDC, {})
        .Rec(CREATEBRUSHINDIRECT, {0, Lo(0, 0), 255, 0})  // slot 2
        .Rec(SELECTOBJECT, {2})
        .Rec(RECTANGLE, {50, 50, 0, 0})
        .Rec(RESTOREDC, {-1})  // red again
        .Rec(RECTANGLE, {100, 50, 50, 0})
        // Deleting slot 1 frees it; the next object created takes it.
        .Rec(DELETEOBJECT, {1})
        .Rec(CREATEBRUSHINDIRECT, {0, Lo(0, 255), 0, 0})
        .Rec(SELECTOBJECT, {1})
        .Rec(RECTANGLE, {50, 100, 0, 50})
        .Rec(SELECTOBJECT, {5})  // an empty slot inside the table is passed over
        .Rec(RECTANGLE, {100, 100, 50, 50});
    const Raster r = Play(Square(w, 6));
    ExpectPixels(r, {25, 25, kBlue, 25, 75, kRed, 75, 25, kGreen});
    ExpectPixels(r, {75, 75, kGreen});
}

TEST(WmfPlayer, HatchesAndTextShowTheBackgroundOnlyWhenOpaque) {
    // A horizontal blue hatch on a red background, opaque then transparent.
    for (int mode : {2, 1}) {
        Wmf w;
        Fill(w, 0, 0, 255, 2).Rec(SETBKCOLOR, {Lo(255, 0), 0}).Rec(SETBKMODE, {mode});
        const Raster r = Play(Square(w.Rec(RECTANGLE, {100, 100, 0, 0})));
        const int blue = Count(r, kBlue, 50, 51, 10, 90), red = Count(r, kRed, 50, 51, 10, 90);
        EXPECT_GT(blue, 0) << mode;
        EXPECT_EQ(red, mode == 2 ? 80 - blue : 0) << mode;
    }

    // Text in the text colour: TEXTOUT at the left with an opaque background;
    // right-aligned text through EXTTEXTOUT ends at its reference point.
    const std::string text = "\xc1\xc9\xcd";  // "ÁÉÍ" in Windows-1252: solid capitals
    std::string face = "DejaVu Sans";
    face.resize(32, '\0');
    Wmf w;
    w.Rec(CREATEFONTINDIRECT, {-40, 0, 0, 0, 700}, std::string(8, '\0') + face)
        .Rec(SELECTOBJECT, {0})
        .Rec(SETTEXTCOLOR, {Lo(0, 0), 255})
        .Rec(SETBKCOLOR, {Lo(255, 0), 0})
        .Rec(TEXTOUT, {3}, text + std::string("\0\x0a\x00\x05\x00", 5))
        .Rec(SETBKMODE, {1})
        .Rec(SETTEXTALIGN, {2});
    std::string ext;
    Wmf::Put16(ext, 60), Wmf::Put16(ext, 390), Wmf::Put16(ext, 3), Wmf::Put16(ext, 0);
    const Raster r = Play(w.Rec(EXTTEXTOUT, {}, ext + text).Placeable(0, 0, 400, 120, 96));
    EXPECT_GT(Count(r, kBlue, 0, 150), 100);
    EXPECT_GT(Count(r, kRed, 0, 150), 100);  // opaque cell behind the first text
    EXPECT_GT(Count(r, kBlue, 250, 390), 100);
    EXPECT_EQ(Count(r, kBlue, 391, 400), 0);
    EXPECT_EQ(Count(r, kRed, 150, 400), 0);  // transparent for the second
}

TEST(WmfPlayer, BitmapsAreStretchedOntoTheirTarget) {
    Wmf w;
    w.Rec(STRETCHDIB, {0x0020, 0x00CC, 0, 2, 2, 0, 0, 40, 40, 0, 0}, Dib2x2())
        // The same bitmap upside down through a negative target height.
        .Rec(DIBSTRETCHBLT, {0x0020, 0x00CC, 2, 2, 0, 0, -40, 40, 100, 60}, Dib2x2())
        .Rec(DIBBITBLT, {0x0020, 0x00CC, 0, 0, 2, 2, 50, 50}, Dib2x2());
    ExpectPixels(Play(Square(w)), {10, 10, kRed,   30, 10, kBlue, 10, 30, kGreen, 30, 30, kWhite,
                                   70, 70, kGreen, 70, 90, kRed,  50, 50, kRed,   51, 51, kWhite});
}

// Cut, past-the-end, empty-extent and out-of-table files are in the bad-file
// collection; these are the failures it does not hold.
TEST(WmfPlayer, BrokenFilesFailWithAReason) {
    Wmf ok;
    Fill(ok, 255, 0, 0).Rec(RECTANGLE, {10, 10, 0, 0});
    const std::string good = ok.Placeable(0, 0, 10, 10, 96, 2);
    ASSERT_TRUE(PlayWmf(good).Ok());
    Wmf many;
    for (int i = 0; i < 2000; ++i) many.Rec(SAVEDC, {});
    Wmf costly;
    for (int i = 0; i < 200; ++i) costly.Rec(RECTANGLE, {1000, 1000, 0, 0});
    Wmf full;
    Fill(full, 1, 2, 3);
    const struct {
        const char* name;
        std::string bytes;
        uint64_t limit = kDecodeByteLimit;
    } cases[] = {
        {"no end record", good.substr(0, good.size() - 6)},
        {"header only", good.substr(0, 30)},
        {"no units per inch", ok.Placeable(0, 0, 10, 10, 0)},
        {"over the limit", ok.Placeable(0, 0, 1000, 1000, 96), 1000 * 1000 * 4 - 1},
        {"object table full", full.Placeable(0, 0, 10, 10, 96, 1)},
        {"too many saved states", many.Placeable(0, 0, 10, 10, 96)},
        {"drawing too costly", costly.Placeable(0, 0, 1000, 1000, 96), 4 << 20},
    };
    for (const auto& c : cases) {
        const PictureLoad load = PlayWmf(c.bytes, c.limit);
        EXPECT_FALSE(load.Ok()) << c.name;
        EXPECT_TRUE(load.raster.Empty()) << c.name;
        EXPECT_FALSE(load.error.empty()) << c.name;
    }
}

// Where a colour lies in a picture: the share of pixels near it and their
// centre, in fractions of the picture's width and height.
struct Ink {
    double share = 0, x = 0, y = 0;
};
Ink InkOf(const QImage& image, QRgb colour) {
    Ink ink;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb p = rgb.pixel(x, y);
            if (std::abs(qRed(p) - qRed(colour)) + std::abs(qGreen(p) - qGreen(colour)) +
                    std::abs(qBlue(p) - qBlue(colour)) >
                60)
                continue;
            ink.share += 1, ink.x += x + 0.5, ink.y += y + 0.5;
        }
    if (ink.share > 0) ink.x /= ink.share * rgb.width(), ink.y /= ink.share * rgb.height();
    ink.share /= rgb.width() * rgb.height();
    return ink;
}

// POLYGON words of a 32-sided polygon round (cx, cy): a circle every player fills.
std::vector<int> Circle(int cx, int cy, int r) {
    std::vector<int> words = {32};
    for (int i = 0; i < 32; ++i) {
        const double a = i * 2 * std::numbers::pi / 32;
        words.push_back(static_cast<int>(std::lround(cx + r * std::cos(a))));
        words.push_back(static_cast<int>(std::lround(cy + r * std::sin(a))));
    }
    return words;
}

// Renders `wmf` with libwmf's wmf2gd, or a null image when it cannot run.
// libwmf loads the standard PostScript faces before playing any file, so it
// gets a font map naming an installed TrueType face for all of them.
QImage RenderedByLibwmf(const std::string& wmf) {
    const QString tool = QStandardPaths::findExecutable("wmf2gd");
    QString face;
    for (const char* f : {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                          "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf"})
        if (QFile::exists(f)) face = f;
    QTemporaryDir dir;
    if (tool.isEmpty() || face.isEmpty() || !dir.isValid()) return {};
    std::string map;
    for (const char* name :
         {"Times-Roman", "Times-Italic", "Times-Bold", "Times-BoldItalic", "Helvetica",
          "Helvetica-Oblique", "Helvetica-Bold", "Helvetica-BoldOblique", "Courier",
          "Courier-Oblique", "Courier-Bold", "Courier-BoldOblique", "Symbol"})
        map += std::string("/") + name + " (" + face.toStdString() + ") ;\n";
    test::WriteFile(dir.filePath("Fontmap").toStdString(), map);
    test::WriteFile(dir.filePath("in.wmf").toStdString(), wmf);
    QProcess run;
    run.start(tool, {"--wmf-gs-fontmap=" + dir.filePath("Fontmap"), "-o", dir.filePath("out.png"),
                     dir.filePath("in.wmf")});
    if (!run.waitForFinished(20000) || run.exitCode() != 0) return {};
    return QImage(dir.filePath("out.png"));
}

TEST(WmfPlayer, DrawingPastTheWindowIsShownWholeAsLibwmfShowsIt) {
    const QRgb red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255);
    auto blueBrush = [](Wmf& w) -> Wmf& {
        return w.Rec(CREATEBRUSHINDIRECT, {0, Lo(0, 0), 255, 0}).Rec(SELECTOBJECT, {2});
    };
    Wmf circle, aboveLeft, plain;
    // A circle that runs past the window's right and bottom, a square inside.
    circle.Rec(SETWINDOWORG, {0, 0}).Rec(SETWINDOWEXT, {100, 100});
    Fill(circle, 255, 0, 0).Rec(POLYGON, Circle(80, 80, 80));
    blueBrush(circle).Rec(RECTANGLE, {40, 40, 10, 10});
    // Squares above and left of the window, and on it.
    aboveLeft.Rec(SETWINDOWORG, {0, 0}).Rec(SETWINDOWEXT, {100, 100});
    Fill(aboveLeft, 255, 0, 0).Rec(RECTANGLE, {100, 100, 40, 40});
    blueBrush(aboveLeft).Rec(RECTANGLE, {40, 40, -60, -60});
    // A plain file, wider than its window.
    plain.Rec(SETWINDOWORG, {0, 0}).Rec(SETWINDOWEXT, {50, 100});
    Fill(plain, 255, 0, 0).Rec(RECTANGLE, {50, 200, 0, 100});
    blueBrush(plain).Rec(POLYGON, Circle(20, 25, 20));
    const struct {
        const char* name;
        std::string bytes;
    } files[] = {{"circle", Square(circle)},
                 {"above and left", Square(aboveLeft)},
                 {"plain", plain.Plain()}};

    // The picture keeps its size; the circle is whole, centred.
    const QImage own = ImageFromRaster(Play(files[0].bytes));
    ASSERT_EQ(own.size(), QSize(100, 100));
    EXPECT_NEAR(InkOf(own, red).x, 0.5, 0.03);
    EXPECT_NEAR(InkOf(own, red).y, 0.5, 0.03);

    if (RenderedByLibwmf(files[0].bytes).isNull()) GTEST_SKIP() << "wmf2gd cannot run";
    for (const auto& f : files) {
        const QImage ours = ImageFromRaster(Play(f.bytes)), theirs = RenderedByLibwmf(f.bytes);
        for (QRgb colour : {red, blue}) {
            const Ink a = InkOf(ours, colour), b = InkOf(theirs, colour);
            EXPECT_GT(a.share, 0.02) << f.name;
            EXPECT_NEAR(a.share, b.share, 0.03) << f.name;
            EXPECT_NEAR(a.x, b.x, 0.03) << f.name;
            EXPECT_NEAR(a.y, b.y, 0.03) << f.name;
        }
    }
}

}  // namespace
}  // namespace glifora
