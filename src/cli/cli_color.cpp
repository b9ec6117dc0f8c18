#include "cli/cli_color.h"

#include <unistd.h>

#include <cstdlib>

#include "cli/cli_common.h"

namespace glifora::cli {

ColorMode ColorModeFromArgs(const ParsedArgs& args) {
    const auto value = args.Get("--color");
    if (!value) return ColorMode::Auto;
    if (value->empty() || *value == "always") return ColorMode::Always;
    if (*value == "auto") return ColorMode::Auto;
    if (*value == "never") return ColorMode::Never;
    throw UsageError("--color admite auto, always o never (se recibió «" + *value + "»)");
}

ColorValue HexColorFromArg(const std::string& option, const std::string& hex) {
    static const std::string digits = "0123456789abcdefABCDEF";
    if (hex.size() != 6 || hex.find_first_not_of(digits) != std::string::npos)
        throw UsageError(option + " necesita seis cifras hexadecimales RRGGBB (se recibió «" + hex +
                         "»)");
    const long rgb = std::strtol(hex.c_str(), nullptr, 16);
    return MakeColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                     static_cast<int>(rgb & 0xFF));
}

TerminalColor TerminalColorFromArgs(const ParsedArgs& args, bool negative) {
    TerminalColor color;
    color.enabled =
        ColorWanted(ColorModeFromArgs(args), isatty(STDOUT_FILENO) == 1, std::getenv("NO_COLOR"));
    if (auto depth = args.Get("--color-depth")) {
        if (*depth == "24")
            color.options.depth = ColorDepth::TrueColor;
        else if (*depth == "256")
            color.options.depth = ColorDepth::Palette256;
        else
            throw UsageError("--color-depth admite 256 o 24 (se recibió «" + *depth + "»)");
    } else {
        color.options.depth = DepthFromColorTerm(std::getenv("COLORTERM"));
    }
    if (auto back = args.Get("--background"))
        color.options.background = HexColorFromArg("--background", *back);
    else if (negative)
        color.options.background = MakeColor(0, 0, 0);
    return color;
}

std::string TerminalText(const TextArtResult& art, const TerminalColor& color) {
    std::string out = ForTerminal(art.text);
    if (color.enabled) out = ColorTerminalText(out, art.colors, color.options);
    if (!out.empty()) out.push_back('\n');
    return out;
}

ArtPictureSettings PictureSettingsFromArgs(const ParsedArgs& args) {
    ArtPictureSettings s;
    if (auto fg = args.Get("--fg")) s.foreground = HexColorFromArg("--fg", *fg);
    if (auto bg = args.Get("--bg")) s.background = HexColorFromArg("--bg", *bg);
    s.scale = args.Int("--scale", 1, kMaxArtPictureScale, 1);
    return s;
}

}  // namespace glifora::cli
