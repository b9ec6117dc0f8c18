#include <iostream>

#include "app/cli.h"
#include "app/cli_common.h"
#include "app/sample_picture.h"
#include "platform/ansi.h"
#include "platform/file_io.h"
#include "platform/picture_decoder.h"
#include "textart/detail_picture.h"
#include "textart/text_file.h"

namespace glifora::cli {

int RunAscii(const ParsedArgs& args) {
    const AsciiSettings s = AsciiSettingsFromArgs(args);
    SeedFromArgs(args);
    const auto output = args.Get("-o");
    if (args.Has("-o") && (!output || output->empty())) throw UsageError("-o necesita un archivo");

    TextArtSession session;
    PrepareSession(session, s);
    const int columns = ColumnsFor(s, session);
    const TextExtent cell = session.Cell();
    TextArtInputs in;
    in.columns = columns;
    in.cellWidth = cell.width;
    in.cellHeight = cell.height;
    in.luminosity = s.luminosity;
    in.levelMap = &session.Tables().LevelMap;
    in.fill = s.fill;
    const Algorithm algorithm = s.outline ? Algorithm::Outline : Algorithm::Tonal;
    const bool shape = args.Has("--shape");
    if (shape && s.outline) throw UsageError("--shape y --outline no se pueden usar juntos");
    DetailInputs detail;
    detail.columns = columns;
    detail.luminosity = s.luminosity;
    detail.negative = s.negative;
    detail.first = kPalettes[session.Palette()].first;
    detail.last = kPalettes[session.Palette()].last;
    detail.shapes = &session.Tables().Shapes;

    std::string text;
    if (args.positionals.empty() || !s.effects.empty()) {
        Raster picture;
        if (args.positionals.empty()) {
            picture = SamplePicture();
        } else {
            PictureLoad load = DecodePicture(args.positionals[0]);
            if (!load.Ok())
                return Fail("no se puede cargar la imagen «" + args.positionals[0] +
                            "»: " + load.error);
            picture = std::move(load.raster);
        }
        std::string why;
        if (!ApplyEffectArgs(picture, s.effects, &why)) throw UsageError(why);
        if (!TextArtSizeAllowed(columns, ComputeRowCount(picture.Width(), picture.Height(), columns,
                                                         cell.width, cell.height)))
            return Fail("la imagen reducida sería demasiado grande");
        text = shape ? DetailTextArtFrom(picture, detail)
                     : GenerateTextArtFrom(picture, in, algorithm);
    } else if (shape) {
        std::string why;
        if (!DetailTextArtFromFile(args.positionals[0], detail, &text, &why))
            return Fail("no se puede cargar la imagen «" + args.positionals[0] + "»: " + why);
    } else {
        // Only the sampled pixels are decoded; the text is the same as from
        // the whole picture.
        PictureLoad load = DecodePictureShrunk(args.positionals[0], [&](int w, int h) {
            return ShrinkTarget{columns, ComputeRowCount(w, h, columns, cell.width, cell.height)};
        });
        if (!load.Ok())
            return Fail("no se puede cargar la imagen «" + args.positionals[0] +
                        "»: " + load.error);
        text = ConvertResized(load.raster, in, algorithm);
    }

    if (output) {
        const std::string content = SavedTextContent(FontPanelText(Utf8ToAnsi(s.font.FontName)),
                                                     SizePanelText(s.font.FontSize), text);
        std::string why;
        if (!WriteFileAtomically(*output, content, &why))
            return Fail("no se ha podido guardar el archivo «" + *output + "»: " + why);
        return kExitOk;
    }
    std::string out = ForTerminal(text);
    if (!out.empty()) out.push_back('\n');
    std::cout << out;
    std::cout.flush();
    return std::cout ? kExitOk : Fail("no se puede escribir en la salida estándar");
}

}  // namespace glifora::cli
