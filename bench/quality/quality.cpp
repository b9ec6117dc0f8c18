// The text-art quality measure as a program (see README, "Quality").
//   glifora_quality score PICTURE TEXT      tone and structure of a UTF-8 text file
//   glifora_quality table C PICTURE...      tonal and detail conversions at C columns
//   glifora_quality selfcheck PICTURE...    the measure's own sanity checks
// Font: --font NAME --font-size N (DejaVu Sans Mono 8), palette --palette N (1).
#include <QGuiApplication>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "platform/ansi.h"
#include "platform/picture_decoder.h"
#include "platform/shrink.h"
#include "textart/art_quality.h"
#include "textart/detail_conversion.h"
#include "textart/text_art_session.h"
#include "textart/text_conversion.h"

namespace glifora {
namespace {

struct Options {
    std::string font = "DejaVu Sans Mono";
    int fontSize = 8;
    int palette = 1;
    std::vector<std::string> args;
};

struct Measure {
    TextArtSession session;  // the palette under test
    GlyphShapes all;         // every code 32-255, for rendering any text
    double darkest = 0;
    int cw = 0, ch = 0;

    explicit Measure(const Options& o) {
        TextFont f;
        f.FontName = o.font;
        f.FontSize = o.fontSize;
        session.ApplyFont(f);
        session.SelectPalette(0);
        all = session.Tables().Shapes;
        session.SelectPalette(o.palette);
        cw = all.width;
        ch = all.height;
        // The darkest glyph a plain ASCII text can print.
        darkest = DarkestGlyphGrey(all, 32, 126);
    }

    ArtQuality Score(const Raster& picture, const std::string& ansiText) const {
        const std::vector<std::string> rows = TextRows(ansiText);
        int columns = 0;
        for (const auto& r : rows) columns = std::max(columns, static_cast<int>(r.size()));
        const GreyPlane rendering = RenderText(rows, columns, all);
        const GreyPlane reference =
            AreaResize(LumaOf(picture), columns * cw, static_cast<int>(rows.size()) * ch);
        return MeasureArtQuality(rendering, reference, cw, ch, darkest);
    }

    int Rows(const Raster& p, int columns) const {
        return ComputeRowCount(p.Width(), p.Height(), columns, cw, ch);
    }

    std::string Tonal(const Raster& p, int columns) const {
        TextArtInputs in;
        in.columns = columns;
        in.cellWidth = cw;
        in.cellHeight = ch;
        in.levelMap = &session.Tables().LevelMap;
        return ConvertResized(ShrinkNearest(p, columns, Rows(p, columns)), in, Algorithm::Tonal);
    }

    std::string Detail(const Raster& p, int columns) const {
        DetailInputs in;
        in.columns = columns;
        in.rows = Rows(p, columns);
        in.first = kPalettes[session.Palette()].first;
        in.last = kPalettes[session.Palette()].last;
        in.shapes = &session.Tables().Shapes;
        return ConvertDetail(LumaOf(p), in);
    }
};

Raster Load(const std::string& path) {
    PictureLoad load = DecodePicture(path);
    if (!load.Ok()) {
        std::cerr << path << ": " << load.error << "\n";
        std::exit(2);
    }
    return std::move(load.raster);
}

std::string ReadFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

int Score(const Measure& m, const Options& o) {
    if (o.args.size() != 2) return 1;
    const ArtQuality q = m.Score(Load(o.args[0]), Utf8ToAnsi(ReadFile(o.args[1])));
    std::printf("%.3f %.4f\n", q.tone, q.structure);
    return 0;
}

int Table(const Measure& m, const Options& o) {
    if (o.args.size() < 2) return 1;
    const int columns = std::stoi(o.args[0]);
    double sum[2][2] = {};
    const size_t n = o.args.size() - 1;
    for (size_t i = 1; i < o.args.size(); ++i) {
        const Raster p = Load(o.args[i]);
        const ArtQuality t = m.Score(p, m.Tonal(p, columns));
        const ArtQuality d = m.Score(p, m.Detail(p, columns));
        std::printf("%-28s tonal %6.2f %.3f   detail %6.2f %.3f\n",
                    o.args[i].substr(o.args[i].find_last_of('/') + 1).c_str(), t.tone, t.structure,
                    d.tone, d.structure);
        sum[0][0] += t.tone;
        sum[0][1] += t.structure;
        sum[1][0] += d.tone;
        sum[1][1] += d.structure;
    }
    std::printf("%-28s tonal %6.2f %.3f   detail %6.2f %.3f\n", "MEAN", sum[0][0] / n,
                sum[0][1] / n, sum[1][0] / n, sum[1][1] / n);
    return 0;
}

// Structure must be about 0 for texts unrelated to the picture and about 1
// for a perfect rendering.
int SelfCheck(const Measure& m, const Options& o) {
    bool ok = true;
    auto check = [&](const char* what, double value, double lo, double hi) {
        const bool pass = value >= lo && value <= hi;
        ok = ok && pass;
        std::printf("  %-34s %8.4f  %s\n", what, value, pass ? "ok" : "FAIL");
    };
    std::mt19937 rng(1);
    for (const std::string& path : o.args) {
        std::printf("%s\n", path.c_str());
        const Raster p = Load(path);
        const int columns = 80, rows = m.Rows(p, columns);
        const std::string blank(static_cast<size_t>(columns), ' ');
        std::string blankText, randomText;
        for (int r = 0; r < rows; ++r) {
            blankText += blank + "\r\n";
            for (int c = 0; c < columns; ++c)
                randomText.push_back(static_cast<char>(33 + rng() % 94));
            randomText += "\r\n";
        }
        check("blank text: structure", m.Score(p, blankText).structure, -0.05, 0.05);
        check("random text: structure", m.Score(p, randomText).structure, -0.05, 0.05);
        // The detail text moved by 8 columns and 4 rows.
        const std::vector<std::string> good = TextRows(m.Detail(p, columns));
        std::string shifted;
        for (int r = 0; r < rows; ++r) {
            const std::string& src = good[(r + 4) % rows];
            shifted += src.substr(8) + src.substr(0, 8) + "\r\n";
        }
        check("shifted detail text: structure", m.Score(p, shifted).structure, -0.1, 0.1);
        // A picture drawn with glyphs, scored against the text it was drawn from.
        const GreyPlane drawn = RenderText(TextRows(randomText), columns, m.all);
        Raster glyphPicture(drawn.width, drawn.height);
        for (int y = 0; y < drawn.height; ++y)
            for (int x = 0; x < drawn.width; ++x) {
                const int v = static_cast<int>(drawn.At(x, y));
                glyphPicture.SetPixel(x, y, MakeColor(v, v, v));
            }
        const ArtQuality perfect = m.Score(glyphPicture, randomText);
        check("glyph-made picture: structure", perfect.structure, 0.99, 1.0);
        const ArtQuality detail = m.Score(glyphPicture, m.Detail(glyphPicture, columns));
        check("glyph-made picture, detail: structure", detail.structure, 0.5, 1.0);
    }
    return ok ? 0 : 1;
}

}  // namespace
}  // namespace glifora

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    glifora::InitPictureDecoding();
    glifora::Options o;
    std::string mode;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--font" && i + 1 < argc)
            o.font = argv[++i];
        else if (a == "--font-size" && i + 1 < argc)
            o.fontSize = std::stoi(argv[++i]);
        else if (a == "--palette" && i + 1 < argc)
            o.palette = std::stoi(argv[++i]);
        else if (mode.empty())
            mode = a;
        else
            o.args.push_back(a);
    }
    const glifora::Measure m(o);
    std::fprintf(stderr, "cell %d x %d, darkest glyph grey %.1f\n", m.cw, m.ch, m.darkest);
    int rc = 1;
    if (mode == "score") rc = glifora::Score(m, o);
    if (mode == "table") rc = glifora::Table(m, o);
    if (mode == "selfcheck") rc = glifora::SelfCheck(m, o);
    if (mode == "detail" && o.args.size() == 2) {
        std::printf(
            "%s\n",
            glifora::AnsiToUtf8(m.Detail(glifora::Load(o.args[1]), std::stoi(o.args[0]))).c_str());
        rc = 0;
    }
    if (rc == 1 && mode != "selfcheck")
        std::fprintf(stderr, "usage: glifora_quality score|table|selfcheck ...\n");
    return rc;
}
