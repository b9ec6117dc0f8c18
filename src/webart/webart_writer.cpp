#include "webart/webart_writer.h"

#include <cstdio>

#include "platform/arith.h"
#include "platform/random.h"
#include "webart/html_text.h"

namespace glifora {
namespace {

constexpr const char* kCrLf = "\r\n";
constexpr int kBinaryPaletteLength = 200;
// Pages go to their sink in pieces of about this size.
constexpr size_t kPieceSize = size_t{1} << 20;

// The pieces that open a colour run. Every other sample of the same colour is
// its character alone, so flat areas cost one element. The colour goes in a
// style: browsers read a color attribute by the legacy hexadecimal rules, which
// turn "rgb(255,0,0)" into a dark green, while CSS reads rgb() as meant (and
// shows the -1 of samples outside the picture as 0, black).
constexpr const char* kOpeningPiece = "<font style=\"color:rgb(";
constexpr const char* kSwitchingPiece = "</font><font style=\"color:rgb(";
constexpr const char* kClosingPiece = ")\">";

void Line(std::string& out, const char* text) {
    out += text;
    out += kCrLf;
}

void WriteHeader(std::string& out, bool quality, const std::string& backColor) {
    Line(out, "<html>");
    Line(out, "");
    out += "<head><body bgcolor=\"" + backColor + "\">" + kCrLf;
    if (quality) {
        for (const char* l :
             {"<style type=\"text/css\">", "body {", "  font-size: 1pt;", "  line-height: 1px;",
              "}", "</style>", "", "<title>Glifora</title>", "</head>", "", "<body>",
              "<br><br><br><br><br><br>", "<br><br><br><br><br><br>", "<br><br><br><br><br><br>",
              "<div align=\"center\">"})
            Line(out, l);
    } else {
        Line(out, "<br>");
        Line(out, "<div align=\"center\"><font face=\"Courier New \" size=\"1\">");
    }
}

void WriteComponents(std::string& out, const SampleColor& c) {
    out += std::to_string(c.R);
    out += ',';
    out += std::to_string(c.G);
    out += ',';
    out += std::to_string(c.B);
}

// Rows or columns sampled from `first` to `last` with `step`.
int SampleCount(int first, int last, int step) {
    return last < first ? 0 : (last - first) / step + 1;
}

}  // namespace

SampleColor SplitSampleColor(ColorValue c) {
    const int64_t b = DivTrunc(c, 65536);
    const int64_t g = DivTrunc(c - b * 65536, 256);
    const int64_t r = c - b * 65536 - g * 256;
    return {static_cast<int16_t>(r), static_cast<int16_t>(g), static_cast<int16_t>(b)};
}

std::string WebColorText(ColorValue c) {
    const SampleColor s = SplitSampleColor(c);
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", s.R & 0xFF, s.G & 0xFF, s.B & 0xFF);
    return text;
}

void PrepareWebPalette(const WebArtSettings& settings, WebArtState& state) {
    if (settings.palette == kWebPaletteBinary) {
        state.WebPalette.clear();
        for (int i = 0; i < kBinaryPaletteLength; ++i)
            state.WebPalette.push_back(static_cast<char>('0' + IntegerPart(2.0 * Rnd())));
    } else if (settings.palette == kWebPaletteUserText) {
        state.WebPalette = settings.userText;
    }
}

std::string NextWebChar(WebArtState& state) {
    ++state.WebPaletteIndex;
    if (state.WebPaletteIndex > static_cast<int64_t>(state.WebPalette.size()))
        state.WebPaletteIndex = 1;
    if (state.WebPalette.empty()) return {};
    return state.WebPalette.substr(static_cast<size_t>(state.WebPaletteIndex - 1), 1);
}

std::string WebArtPage(const Raster& picture, const WebArtSettings& settings, WebArtState& state,
                       const WebArtProgress& progress) {
    std::string out;
    (void)WriteWebArtPage(picture, settings, state, StringSink(out), progress);
    return out;
}

bool WriteWebArtPage(const Raster& picture, const WebArtSettings& settings, WebArtState& state,
                     const ByteSink& sink, const WebArtProgress& progress) {
    const bool q = settings.quality;
    const int spacing = 6 - Clamp(settings.size, 1, 5);
    const int stepX = spacing;
    const int stepY = q ? spacing : 2 * spacing;

    std::string out;
    WriteHeader(out, q, state.WebBackColor);

    // Borders are a quality-mode feature: the pressed buttons do nothing otherwise.
    const WebBorders b = q ? settings.borders : WebBorders{};
    const int w = picture.Width();
    const int h = picture.Height();
    const int y0 = b.top ? -1 : 0;
    const int y1 = b.bottom ? h : h - 1;
    const int x0 = b.left ? -1 : 0;
    const int x1 = b.right ? w : w - 1;
    const int rows = SampleCount(y0, y1, stepY);
    out.reserve(kPieceSize + kPieceSize / 4);

    std::string webChar = "0";
    bool first = true;
    SampleColor previous{0, 0, 0};
    int done = 0;
    for (int y = y0; y <= y1; y += stepY) {
        for (int x = x0; x <= x1; x += stepX) {
            const SampleColor c = SplitSampleColor(picture.Pixel(x, y));
            if (!q) webChar = NextWebChar(state);
            if (first || c != previous) {
                out += first ? kOpeningPiece : kSwitchingPiece;
                WriteComponents(out, c);
                out += kClosingPiece;
                first = false;
            }
            for (char ch : webChar) AppendEscapedHtml(out, ch);
            previous = c;
        }
        out += "<br>";
        out += kCrLf;
        if (out.size() >= kPieceSize) {
            if (!sink(out)) return false;
            out.clear();
        }
        if (progress) progress(++done, rows);
    }
    for (const char* l : {"</div>", "</body>", "", "</html>"}) Line(out, l);
    return sink(out);
}

bool WebArtFromPicture(Raster picture, const WebArtSettings& settings, WebArtState& state,
                       const ByteSink& sink, const WebArtProgress& progress,
                       const EffectStepProgress& effectProgress) {
    ApplyEffectSteps(picture, settings.effects, effectProgress);
    PrepareWebPalette(settings, state);
    return WriteWebArtPage(picture, settings, state, sink, progress);
}

}  // namespace glifora
