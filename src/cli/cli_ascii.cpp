#include <iostream>

#include "cli/cli.h"
#include "cli/cli_color.h"
#include "cli/cli_common.h"
#include "cli/sample_picture.h"
#include "platform/ansi.h"
#include "platform/file_io.h"
#include "textart/text_file.h"

namespace glifora::cli {
namespace {

// Options that only make sense for one kind of output are refused with the other.
void CheckOutputOptions(const ParsedArgs& args, bool toFile, bool toPicture) {
    if (!toPicture)
        for (const char* option : {"--fg", "--bg", "--scale"})
            if (args.Has(option))
                throw UsageError(std::string(option) + " solo vale con -o IMAGEN.png o .bmp");
    if (toFile)
        for (const char* option : {"--color-depth", "--background"})
            if (args.Has(option))
                throw UsageError(std::string(option) +
                                 " solo vale para la salida en el terminal (sin -o)");
    if (toFile && !toPicture && ColorModeFromArgs(args) == ColorMode::Always)
        throw UsageError("--color no vale con -o ARCHIVO de texto (sí con .png o .bmp)");
}

}  // namespace

int RunAscii(const ParsedArgs& args) {
    TextArtSettings s = TextArtSettingsFromArgs(args);
    const auto output = args.Get("-o");
    if (args.Has("-o") && (!output || output->empty())) throw UsageError("-o necesita un archivo");
    const std::optional<PictureFileFormat> pictureFormat =
        output ? PictureFormatForPath(*output) : std::nullopt;
    CheckOutputOptions(args, output.has_value(), pictureFormat.has_value());
    ArtPictureSettings pictureSettings;
    TerminalColor terminal;
    if (pictureFormat) {
        pictureSettings = PictureSettingsFromArgs(args);
        s.cellColors = ColorModeFromArgs(args) == ColorMode::Always;
    } else if (!output) {
        terminal = TerminalColorFromArgs(args, s.negative);
        s.cellColors = terminal.enabled;
    }
    SeedFromArgs(args);

    TextArtSession session{TextArtSession::Deferred{}};
    PrepareSessionFor(session, s);
    TextArtResult art;
    if (args.positionals.empty()) {
        art = TextArtFromPicture(SamplePicture(), s, session, EffectBar());
    } else {
        TextArtFileResult r = TextArtFromFile(args.positionals[0], s, session, EffectBar());
        if (!r.error.empty())
            return Fail("no se puede cargar la imagen «" + args.positionals[0] + "»: " + r.error);
        art = std::move(r.art);
    }
    if (art.tooLarge) return Fail("la imagen reducida sería demasiado grande");

    if (pictureFormat) {
        std::string why;
        if (!SaveTextArtPicture(*output, art.text, session.QtFont(), pictureSettings,
                                s.cellColors ? &art.colors : nullptr, &why))
            return Fail("no se ha podido guardar el archivo «" + *output + "»: " + why);
        return kExitOk;
    }
    if (output) {
        const std::string content =
            SavedTextContent(FontPanelText(Utf8ToAnsi(session.Font().FontName)),
                             SizePanelText(s.font.FontSize), art.text);
        std::string why;
        if (!WriteFileAtomically(*output, content, &why))
            return Fail("no se ha podido guardar el archivo «" + *output + "»: " + why);
        return kExitOk;
    }
    std::cout << TerminalText(art, terminal);
    std::cout.flush();
    return std::cout ? kExitOk : Fail("no se puede escribir en la salida estándar");
}

}  // namespace glifora::cli
