#include "textart/ansi_color_writer.h"

#include <array>
#include <cmath>
#include <cstring>
#include <unordered_map>

namespace glifora {
namespace {

struct Oklab {
    float l, a, b;
};

float Linear(int channel) {
    const float c = static_cast<float>(channel) / 255.0f;
    return c <= 0.04045f ? c / 12.92f : std::pow((c + 0.055f) / 1.055f, 2.4f);
}

Oklab ToOklab(int red, int green, int blue) {
    const float r = Linear(red), g = Linear(green), b = Linear(blue);
    const float l = std::cbrt(0.4122214708f * r + 0.5363325363f * g + 0.0514459929f * b);
    const float m = std::cbrt(0.2119034982f * r + 0.6806995451f * g + 0.1073969566f * b);
    const float s = std::cbrt(0.0883024619f * r + 0.2817188376f * g + 0.6299787005f * b);
    return {0.2104542553f * l + 0.7936177850f * m - 0.0040720468f * s,
            1.9779984951f * l - 2.4285922050f * m + 0.4505937099f * s,
            0.0259040371f * l + 0.7827717662f * m - 0.8086757660f * s};
}

// The xterm palette from index 16: the cube's levels, then the grey ramp.
constexpr int kCubeLevels[6] = {0, 95, 135, 175, 215, 255};

ColorValue PaletteColor(int index) {
    if (index >= 232) {
        const int v = 8 + 10 * (index - 232);
        return MakeColor(v, v, v);
    }
    const int i = index - 16;
    return MakeColor(kCubeLevels[i / 36], kCubeLevels[(i / 6) % 6], kCubeLevels[i % 6]);
}

const std::array<Oklab, 240>& PaletteOklab() {
    static const std::array<Oklab, 240> table = [] {
        std::array<Oklab, 240> t{};
        for (int i = 0; i < 240; ++i) {
            const ColorValue c = PaletteColor(16 + i);
            t[i] = ToOklab(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
        }
        return t;
    }();
    return table;
}

// "0" to "255", so the writer never formats a number.
const std::array<std::string, 256>& Decimal() {
    static const std::array<std::string, 256> table = [] {
        std::array<std::string, 256> t;
        for (int i = 0; i < 256; ++i) t[i] = std::to_string(i);
        return t;
    }();
    return table;
}

// The terminal's own colour, unlike any Shown() value.
constexpr int kDefaultColor = -1;

class SgrWriter {
  public:
    explicit SgrWriter(ColorDepth depth) : depth_(depth) {}

    // What the terminal shows for `c`: the colour itself, or its palette
    // index. Colours are compared by this, so two colours of one palette
    // entry need no second escape.
    int Shown(ColorValue c) { return depth_ == ColorDepth::TrueColor ? c : Index(c); }

    // Appends ";38;2;R;G;B" (or 48, or ";38;5;N") for a Shown() value to `out`.
    void Append(std::string& out, bool foreground, int c) const {
        const auto& dec = Decimal();
        out += foreground ? ";38;" : ";48;";
        if (depth_ == ColorDepth::TrueColor) {
            out += "2;";
            out += dec[c & 0xFF];
            out += ';';
            out += dec[(c >> 8) & 0xFF];
            out += ';';
            out += dec[(c >> 16) & 0xFF];
        } else {
            out += "5;";
            out += dec[c];
        }
    }

  private:
    int Index(ColorValue c) {
        auto [it, fresh] = indexOf_.try_emplace(c, 0);
        if (fresh) it->second = NearestPaletteIndex(c);
        return it->second;
    }
    ColorDepth depth_;
    std::unordered_map<ColorValue, int> indexOf_;
};

bool StartsCell(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;  // not a UTF-8 continuation
}

}  // namespace

bool ColorWanted(ColorMode mode, bool outputIsTerminal, const char* noColor) {
    if (mode != ColorMode::Auto) return mode == ColorMode::Always;
    return outputIsTerminal && (noColor == nullptr || *noColor == '\0');
}

ColorDepth DepthFromColorTerm(const char* colorTerm) {
    if (colorTerm &&
        (std::strcmp(colorTerm, "truecolor") == 0 || std::strcmp(colorTerm, "24bit") == 0))
        return ColorDepth::TrueColor;
    return ColorDepth::Palette256;
}

int NearestPaletteIndex(ColorValue color) {
    const Oklab want = ToOklab(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    const auto& palette = PaletteOklab();
    int best = 0;
    float bestDistance = INFINITY;
    for (int i = 0; i < 240; ++i) {
        const float dl = palette[i].l - want.l, da = palette[i].a - want.a,
                    db = palette[i].b - want.b;
        const float d = dl * dl + da * da + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return 16 + best;
}

std::string ColorTerminalText(std::string_view text, const CellColors& colors,
                              const AnsiColorOptions& options) {
    std::string out;
    out.reserve(text.size() * 4);
    SgrWriter sgr(options.depth);
    std::string params;  // the current cell's escape as ";p;q"
    int row = 0;
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        bool backgroundSet = false;
        int foreground = kDefaultColor;  // the Shown() text colour now
        bool anythingSet = false;
        int column = -1;
        for (size_t i = pos; i < end; ++i) {
            const char byte = text[i];
            if (StartsCell(byte)) {
                ++column;
                params.clear();
                if (options.background && !backgroundSet) {
                    sgr.Append(params, false, sgr.Shown(*options.background));
                    backgroundSet = true;
                }
                if (byte != ' ') {
                    const bool inside = row < colors.rows && column < colors.columns;
                    const int want = inside ? sgr.Shown(colors.At(column, row)) : kDefaultColor;
                    if (want != foreground) {
                        foreground = want;
                        if (want == kDefaultColor)
                            params += ";39";
                        else
                            sgr.Append(params, true, want);
                    }
                }
                if (!params.empty()) {
                    out += "\x1b[";
                    out.append(params, 1);
                    out += 'm';
                    anythingSet = true;
                }
            }
            out += byte;
        }
        if (anythingSet) out += "\x1b[0m";
        if (end == text.size()) break;
        out += '\n';
        pos = end + 1;
        ++row;
    }
    return out;
}

}  // namespace glifora
