#pragma once
// The colour options of ascii and anim: colour on standard output (--color,
// --color-depth, --background) and the text art as a picture (--fg, --bg,
// --scale, with -o IMAGE.png or .bmp).

#include <optional>
#include <string>
#include <vector>

#include "cli/cli_basics.h"
#include "textart/ansi_color_writer.h"
#include "textart/art_picture.h"
#include "textart/text_art_job.h"

namespace glifora::cli {

// --color: bare or "always", "auto" (also when absent), "never".
[[nodiscard]] ColorMode ColorModeFromArgs(const ParsedArgs& args);

// Six hexadecimal digits RRGGBB, in either case; `option` names it in the error.
[[nodiscard]] ColorValue HexColorFromArg(const std::string& option, const std::string& hex);

struct TerminalColor {
    bool enabled = false;
    AnsiColorOptions options;
};

// Whether standard output gets colour, and how: --color against the output
// and NO_COLOR, --color-depth or else COLORTERM, --background or else (with
// --negative) black, so that the light text reads on a dark ground.
[[nodiscard]] TerminalColor TerminalColorFromArgs(const ParsedArgs& args, bool negative);

// The text art as standard output shows it: UTF-8, LF line ends, a final LF
// after any text, and the colours of `art.colors` when `color` is enabled.
[[nodiscard]] std::string TerminalText(const TextArtResult& art, const TerminalColor& color);

// --fg, --bg and --scale.
[[nodiscard]] ArtPictureSettings PictureSettingsFromArgs(const ParsedArgs& args);

}  // namespace glifora::cli
