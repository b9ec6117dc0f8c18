#include <iostream>

#include "cli/cli.h"
#include "cli/cli_common.h"
#include "cli/sample_picture.h"
#include "platform/ansi.h"
#include "platform/file_io.h"
#include "textart/text_file.h"

namespace glifora::cli {

int RunAscii(const ParsedArgs& args) {
    const TextArtSettings s = TextArtSettingsFromArgs(args);
    const auto output = args.Get("-o");
    if (args.Has("-o") && (!output || output->empty())) throw UsageError("-o necesita un archivo");
    SeedFromArgs(args);

    TextArtSession session;
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

    if (output) {
        const std::string content =
            SavedTextContent(FontPanelText(Utf8ToAnsi(session.Font().FontName)),
                             SizePanelText(s.font.FontSize), art.text);
        std::string why;
        if (!WriteFileAtomically(*output, content, &why))
            return Fail("no se ha podido guardar el archivo «" + *output + "»: " + why);
        return kExitOk;
    }
    std::string out = ForTerminal(art.text);
    if (!out.empty()) out.push_back('\n');
    std::cout << out;
    std::cout.flush();
    return std::cout ? kExitOk : Fail("no se puede escribir en la salida estándar");
}

}  // namespace glifora::cli
