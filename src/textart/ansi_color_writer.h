#pragma once
// Coloured text art for a terminal: the text with SGR escapes that give each
// cell its colour. Stripping the escapes gives back the text unchanged.
//
// The output is kept small: a colour is written only where it changes, a
// blank cell never changes the text colour (it has no ink to show it), the
// background is set once per line, and every line that set anything ends
// with a reset, so nothing leaks into the next line or the prompt.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/raster.h"
#include "textart/cell_colors.h"

namespace glifora {

enum class ColorDepth { Palette256, TrueColor };

// --color: auto decides by the output and the environment.
enum class ColorMode { Auto, Always, Never };

// Whether to colour: Always and Never as they say; Auto only on a terminal
// and without NO_COLOR (set to anything but the empty string).
[[nodiscard]] bool ColorWanted(ColorMode mode, bool outputIsTerminal, const char* noColor);

// 24-bit colour where COLORTERM says the terminal has it ("truecolor" or
// "24bit"), else the 256-colour palette.
[[nodiscard]] ColorDepth DepthFromColorTerm(const char* colorTerm);

// The index 16-255 of the xterm palette (the 6 x 6 x 6 cube and the grey
// ramp) nearest to `color` in Oklab. The 16 system colours are left out:
// each terminal's theme shows them differently.
[[nodiscard]] int NearestPaletteIndex(ColorValue color);

struct AnsiColorOptions {
    ColorDepth depth = ColorDepth::TrueColor;
    // Paints every cell's background; unset leaves the terminal's own.
    std::optional<ColorValue> background;
};

// `text`: lines joined by LF, one character (one UTF-8 sequence) per cell;
// cell (c, r) takes colors.At(c, r). Cells outside `colors` stay uncoloured.
[[nodiscard]] std::string ColorTerminalText(std::string_view text, const CellColors& colors,
                                            const AnsiColorOptions& options);

}  // namespace glifora
