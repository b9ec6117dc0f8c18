#include <sstream>

#include "cli/cli.h"
#include "cli/cli_common.h"
#include "platform/ansi.h"
#include "platform/file_io.h"
#include "platform/picture_decoder.h"
#include "webart/webart_writer.h"

namespace glifora::cli {
namespace {

WebBorders BordersFromArg(const std::string& list) {
    WebBorders b;
    std::stringstream in(list);
    std::string side;
    while (std::getline(in, side, ',')) {
        if (side == "top")
            b.top = true;
        else if (side == "bottom")
            b.bottom = true;
        else if (side == "left")
            b.left = true;
        else if (side == "right")
            b.right = true;
        else
            throw UsageError(
                "--borders admite top, bottom, left y right separados por comas "
                "(se recibió «" +
                list + "»)");
    }
    return b;
}

std::string BackgroundFromArg(const std::string& hex) {
    static const std::string digits = "0123456789abcdefABCDEF";
    if (hex.size() != 6 || hex.find_first_not_of(digits) != std::string::npos)
        throw UsageError("--background necesita seis cifras hexadecimales RRGGBB (se recibió «" +
                         hex + "»)");
    std::string color = "#";
    for (char c : hex) color.push_back(static_cast<char>(c >= 'a' && c <= 'f' ? c - 32 : c));
    return color;
}

}  // namespace

int RunWeb(const ParsedArgs& args) {
    const auto output = args.Get("-o");
    if (!output || output->empty()) throw UsageError("falta -o ARCHIVO");
    WebArtSettings settings;
    settings.quality = args.Has("--quality");
    settings.size = args.Int("--size", 1, 5, 3);
    if (auto text = args.Get("--text")) {
        settings.palette = kWebPaletteUserText;
        settings.userText = Utf8ToAnsi(*text);
    }
    if (auto borders = args.Get("--borders")) settings.borders = BordersFromArg(*borders);
    WebArtState state;
    if (auto back = args.Get("--background")) state.WebBackColor = BackgroundFromArg(*back);
    settings.effects = EffectStepsFromArgs(args);
    SeedFromArgs(args);

    PictureLoad load = DecodePicture(args.positionals[0]);
    if (!load.Ok())
        return Fail("no se puede cargar la imagen «" + args.positionals[0] + "»: " + load.error);
    AtomicFileWriter file(*output);
    ProgressBar bar("WebArt");
    (void)WebArtFromPicture(
        std::move(load.raster), settings, state,
        [&](std::string_view piece) { return file.Append(piece); },
        [&](int done, int total) { bar.Update(static_cast<double>(done) / total); }, EffectBar());
    std::string why;
    if (!file.Commit(&why))
        return Fail("no se ha podido guardar el archivo «" + *output + "»: " + why);
    return kExitOk;
}

}  // namespace glifora::cli
