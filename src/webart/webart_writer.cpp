#include "webart/webart_writer.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

#include "platform/ansi.h"
#include "platform/arith.h"
#include "platform/random.h"

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
    out +=
        "<head>" + std::string(kAnsiCharsetMeta) + "<body bgcolor=\"" + backColor + "\">" + kCrLf;
    if (quality) {
        // Every sample is one "0" in a cell one pixel square, so the page
        // keeps the picture's proportions: the advance of "0" (1ch) plus the
        // letter spacing is 1px in any face, the line is 1px high. The fixed
        // spacing before it stands where calc() is not understood.
        for (const char* l :
             {"<style type=\"text/css\">", "body {", "  font-family: monospace;",
              "  font-size: 1pt;", "  letter-spacing: 0.2px;", "  letter-spacing: calc(1px - 1ch);",
              "  line-height: 1px;", "}", "</style>", "", "<title>Glifora</title>", "</head>", "",
              "<body>", "<br><br><br><br><br><br>", "<br><br><br><br><br><br>",
              "<br><br><br><br><br><br>", "<div align=\"center\">"})
            Line(out, l);
    } else {
        Line(out, "<br>");
        // The rows break only at their <br>: a user text with blanks would
        // otherwise let a browser narrower than the art wrap every row.
        Line(out,
             "<div align=\"center\" style=\"white-space:nowrap\"><font face=\"Courier New \" "
             "size=\"1\">");
    }
}

// Decimal text of 0-255, made once: colour numbers are most of a page.
struct DigitTable {
    std::array<std::array<char, 4>, 256> text{};
    std::array<uint8_t, 256> length{};
    constexpr DigitTable() {
        for (int v = 0; v < 256; ++v) {
            int n = 0;
            if (v >= 100) text[v][n++] = static_cast<char>('0' + v / 100);
            if (v >= 10) text[v][n++] = static_cast<char>('0' + v / 10 % 10);
            text[v][n++] = static_cast<char>('0' + v % 10);
            length[v] = static_cast<uint8_t>(n);
        }
    }
};
constexpr DigitTable kDigits;

// Bytes the longest sample can take: the switching piece, "-1,255,255" at
// most, the closing piece and an escaped character ("&amp;").
constexpr size_t kSampleBytes = 30 + 11 + 3 + 5;

// Collects the page in a fixed buffer and hands it to the sink a piece at a
// time, so memory stays one piece whatever the page's size.
class PieceWriter {
  public:
    explicit PieceWriter(const ByteSink& sink) : sink_(sink) {
        buffer_.resize(kPieceSize + kSampleBytes + 64);
    }
    // Room for `n` more bytes (n at most kSampleBytes + 64), passing the full
    // piece on first. False once the sink has refused.
    bool Room(size_t n) {
        if (used_ + n <= buffer_.size()) return ok_;
        return Flush();
    }
    bool Flush() {
        if (ok_ && used_ > 0) ok_ = sink_(std::string_view(buffer_.data(), used_));
        used_ = 0;
        return ok_;
    }
    // Whether a piece's worth is waiting.
    [[nodiscard]] bool Full() const { return used_ >= kPieceSize; }
    void Put(const char* bytes, size_t n) {
        std::memcpy(buffer_.data() + used_, bytes, n);
        used_ += n;
    }
    void Put(std::string_view bytes) { Put(bytes.data(), bytes.size()); }
    void Put(char c) { buffer_[used_++] = c; }
    // Text of any length (the header), in as many pieces as it needs.
    bool PutLong(std::string_view text) {
        while (!text.empty()) {
            if (!Room(1)) return false;
            const size_t n = std::min(text.size(), buffer_.size() - used_);
            Put(text.data(), n);
            text.remove_prefix(n);
        }
        return ok_;
    }
    void PutNumber(int v) { Put(kDigits.text[v].data(), kDigits.length[v]); }
    // "R,G,B" of a colour value: a picture's colour or -1 outside it.
    void PutComponents(ColorValue c) {
        if (c == kInvalidColor) {
            Put("-1,0,0", 6);
            return;
        }
        PutNumber(c & 0xFF);
        Put(',');
        PutNumber((c >> 8) & 0xFF);
        Put(',');
        PutNumber((c >> 16) & 0xFF);
    }
    void PutEscaped(char c) {
        switch (c) {
            case '&':
                Put("&amp;", 5);
                break;
            case '<':
                Put("&lt;", 4);
                break;
            case '>':
                Put("&gt;", 4);
                break;
            default:
                Put(c);
        }
    }

  private:
    const ByteSink& sink_;
    std::string buffer_;
    size_t used_ = 0;
    bool ok_ = true;
};

// The colour value of every sample of row y, -1 outside the picture. Inside
// rows read the pixel bytes directly.
void SampleRow(const Raster& picture, int y, int x0, int stepX, std::vector<ColorValue>& row) {
    const int w = picture.Width();
    if (y < 0 || y >= picture.Height()) {
        std::fill(row.begin(), row.end(), kInvalidColor);
        return;
    }
    const uint8_t* bytes = picture.Row(y);
    int x = x0;
    for (ColorValue& c : row) {
        if (x >= 0 && x < w) {
            const uint8_t* p = bytes + static_cast<size_t>(x) * 4;
            c = MakeColor(p[2], p[1], p[0]);
        } else {
            c = kInvalidColor;
        }
        x += stepX;
    }
}

// The next palette character as a byte value, -1 when the palette is empty.
int NextWebCharCode(WebArtState& state) {
    ++state.WebPaletteIndex;
    if (state.WebPaletteIndex > static_cast<int64_t>(state.WebPalette.size()))
        state.WebPaletteIndex = 1;
    if (state.WebPalette.empty()) return -1;
    return static_cast<unsigned char>(
        state.WebPalette[static_cast<size_t>(state.WebPaletteIndex - 1)]);
}

// Rows or columns sampled from `first` to `last` with `step`.
int SampleCount(int first, int last, int step) {
    return last < first ? 0 : (last - first) / step + 1;
}

}  // namespace

SampleColor SplitSampleColor(ColorValue c) {
    // Truncating division, as Fix of the quotient; 32 bits hold every step
    // since |b x 65536| <= |c|.
    const int32_t b = c / 65536;
    const int32_t g = (c - b * 65536) / 256;
    const int32_t r = c - b * 65536 - g * 256;
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
    const int c = NextWebCharCode(state);
    return c < 0 ? std::string() : std::string(1, static_cast<char>(c));
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

    PieceWriter out(sink);
    std::string header;
    WriteHeader(header, q, state.WebBackColor);
    if (!out.PutLong(header)) return false;

    // Borders are a quality-mode feature: the pressed buttons do nothing otherwise.
    const WebBorders b = q ? settings.borders : WebBorders{};
    const int w = picture.Width();
    const int h = picture.Height();
    const int y0 = b.top ? -1 : 0;
    const int y1 = b.bottom ? h : h - 1;
    const int x0 = b.left ? -1 : 0;
    const int x1 = b.right ? w : w - 1;
    const int rows = SampleCount(y0, y1, stepY);
    std::vector<ColorValue> row(static_cast<size_t>(SampleCount(x0, x1, stepX)));

    const std::string_view opening = kOpeningPiece;
    const std::string_view switching = kSwitchingPiece;
    const std::string_view closing = kClosingPiece;
    bool first = true;
    // Colour values split one to one into components (-1 alone is outside the
    // picture), so comparing values compares what the page writes. The
    // previous colour starts as black.
    ColorValue previous = MakeColor(0, 0, 0);
    int done = 0;
    for (int y = y0; y <= y1; y += stepY) {
        SampleRow(picture, y, x0, stepX, row);
        for (const ColorValue c : row) {
            if (!out.Room(kSampleBytes)) return false;
            // Normal mode takes the next palette character for every sample;
            // quality mode prints "0".
            int webChar = '0';
            if (!q) webChar = NextWebCharCode(state);
            if (first || c != previous) {
                out.Put(first ? opening : switching);
                out.PutComponents(c);
                out.Put(closing);
                first = false;
            }
            if (webChar >= 0) out.PutEscaped(static_cast<char>(webChar));
            previous = c;
        }
        if (!out.Room(6)) return false;
        out.Put("<br>\r\n", 6);
        if (out.Full() && !out.Flush()) return false;
        if (progress) progress(++done, rows);
    }
    std::string footer;
    for (const char* l : {"</div>", "</body>", "", "</html>"}) Line(footer, l);
    return out.PutLong(footer) && out.Flush();
}

bool WebArtFromPicture(Raster picture, const WebArtSettings& settings, WebArtState& state,
                       const ByteSink& sink, const WebArtProgress& progress,
                       const EffectStepProgress& effectProgress) {
    ApplyEffectSteps(picture, settings.effects, effectProgress);
    PrepareWebPalette(settings, state);
    return WriteWebArtPage(picture, settings, state, sink, progress);
}

}  // namespace glifora
